#include "TestSupport.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>
#include <numeric>
#include <random>
#include <string>

const SimFault SimFaults[5] = {
    {"drop", [](SimServer::Faults& f, int k) { f.dropAfter = k; }},
    {"stall", [](SimServer::Faults& f, int k) { f.stallAfter = k; }},
    {"wrong command", [](SimServer::Faults& f, int k) { f.wrongCommandAt = k; }},
    {"oversized reply", [](SimServer::Faults& f, int k) { f.oversizeAt = k; }},
    {"refusal", [](SimServer::Faults& f, int k) { f.refuseAt = k; }},
};

const SimFault LinkFaults[7] = {
    SimFaults[0],
    SimFaults[1],
    SimFaults[2],
    SimFaults[3],
    SimFaults[4],
    {"short reply", [](SimServer::Faults& f, int k) { f.shortAt = k; }},
    {"stray bytes", [](SimServer::Faults& f, int k) { f.strayAt = k; }},
};

std::vector<int> chosenRequests(int count) {
    std::vector<int> chosen;
    for (int k : {0, count / 2, count - 2, count - 1})
        if (k >= 0 && k < count && std::find(chosen.begin(), chosen.end(), k) == chosen.end())
            chosen.push_back(k);
    return chosen;
}

std::vector<int> walkedRequests(const SimFault& fault, int count) {
    if (std::string(fault.name) == "stall")
        return chosenRequests(count);
    std::vector<int> all(size_t(std::max(count, 0)));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

SimRig::SimRig(SimOptions options, SimServer::Faults faults)
    : server(std::move(options), faults), link(target, feedback) {
    if (!server.listen(QHostAddress::LocalHost, 0))
        qFatal("simulator cannot listen: %s", qPrintable(server.errorString()));
    target.setHost(QStringLiteral("127.0.0.1"));
    target.setPort(server.port());
}

bool SimRig::waitForClosedConnections() {
    return spinUntil([this] { return server.openConnections() == 0; });
}

quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

ConfigImage generatedImage(int seed) {
    std::mt19937 random(std::uint32_t(20261210 + seed));
    const QByteArray bytes = SimUnit::defaultImage();
    ConfigImage image;
    image.copyIn(0, int(bytes.size()), reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    const bool whole = seed % 4 == 0;
    for (int i = 0; i < (whole ? mem::ImageSize : 300); ++i)
        image[whole ? i : int(random() % mem::ImageSize)] = std::uint8_t(random());
    return image;
}

QStringList writesSeen(const SimServer& server) {
    QStringList out;
    for (const auto& r : server.requests()) {
        if (r.frame.mid(1, 2) != "XW")
            continue;
        const int address = std::uint8_t(r.frame.at(6)) | (std::uint8_t(r.frame.at(7)) << 8);
        out << QStringLiteral("%1 %2 %3")
                   .arg(address)
                   .arg(std::uint8_t(r.frame.at(8)))
                   .arg(std::uint8_t(r.frame.at(3)));
    }
    return out;
}

void ProbePage::gatherImage(ConfigImage&) {
    ++gathers;
    if (refuse)
        throw GatherError(QStringLiteral("The string 10.0.0 does not translate into a valid IP."));
}

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    // On the event loop, not with sleeps between rounds: a simulator in this thread answers
    // at once, and a wait ends as soon as done() holds.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

QByteArray stationRecord(const QByteArray& name, const QByteArray& ip, quint16 port, quint8 type,
                         const QByteArray& description, quint8 kind) {
    QByteArray r(91, '\0');
    auto counted = [&](int at, const QByteArray& text, int capacity) {
        r[at] = char(text.size());
        r.replace(at + 1, std::min<int>(int(text.size()), capacity), text.left(capacity));
    };
    counted(0, name, 16);
    counted(17, description, 50);
    counted(68, ip, 16);
    r[85] = char(port & 0xFF);
    r[86] = char(port >> 8);
    r[87] = char(type);
    r[88] = char(kind);
    return r;
}

QString pdfText(const QString& pdfPath, const QStringList& extra) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), QStringList(extra) << pdfPath << QStringLiteral("-"));
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QByteArray& pdf, const QString& scratchDir) {
    const QString path = scratchDir + QStringLiteral("/preview.pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    return pdfText(path);
}
