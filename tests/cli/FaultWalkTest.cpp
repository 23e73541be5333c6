// quel5ctl walked under every fault at chosen requests of its work.
#include "CliSupport.h"

#include "SimServer.h"
#include "SimUnit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A command walked under every fault at chosen requests it sends to a sound unit: exit 1,
// no success said, no file left behind; a command without a log of its own gives exactly
// one message. A logout that fails after the work was done leaves its result standing,
// with a warning unless the unit answered it at all (its reply is not used).
struct CtlWalk {
    const char* name;
    std::function<QStringList(quint16 port)> args;
    QString leavesNoFile; // a file, or a folder that must stay empty
    bool oneMessage;      // its standard error holds the message alone (and progress lines)
    bool endsWithLogout = false;
};

bool nothingLeft(const QString& path) {
    return QFileInfo(path).isDir() ? QDir(path).isEmpty(QDir::Files) : !QFile::exists(path);
}

void walkEveryRequest(const CtlWalk& walk) {
    int requests = 0;
    {
        SimServer sound(SimOptions{}, SimServer::Faults{});
        ASSERT_TRUE(sound.listen(QHostAddress::LocalHost, 0));
        const CtlRun r = ctl(walk.args(sound.port()));
        ASSERT_EQ(r.exit, 0) << walk.name << " " << qPrintable(r.err);
        requests = int(sound.requests().size());
        ASSERT_GT(requests, 0) << walk.name;
        if (QFileInfo(walk.leavesNoFile).isDir())
            for (const QFileInfo& f : QDir(walk.leavesNoFile).entryInfoList(QDir::Files))
                QFile::remove(f.filePath());
        else
            QFile::remove(walk.leavesNoFile);
    }
    const QRegularExpression progress(QStringLiteral("^\\d+ - \\d+$"));
    // Each request under every fault is walked in the core; here the chosen ones.
    for (const SimFault& fault : SimFaults)
        for (int k : chosenRequests(requests)) {
            SimServer sim(SimOptions{}, fault.at(k));
            ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
            const CtlRun r = ctl(walk.args(sim.port()));
            const std::string where =
                std::string(walk.name) + ", " + fault.name + " at " + std::to_string(k);
            if (walk.endsWithLogout && k == requests - 1) {
                EXPECT_EQ(r.exit, 0) << where << " " << qPrintable(r.err);
                EXPECT_EQ(r.err.contains(QStringLiteral("odhlášení z jednotky se nezdařilo")),
                          std::string(fault.name) != "refusal")
                    << where << " " << qPrintable(r.err);
                continue;
            }
            EXPECT_EQ(r.exit, 1) << where << " " << qPrintable(r.err);
            EXPECT_FALSE(r.out.startsWith(QStringLiteral("OK\t")) ||
                         r.err.contains(QStringLiteral("Vše zapsáno a ověřeno")))
                << where;
            if (walk.oneMessage) {
                QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                lines.removeIf([&](const QString& l) { return progress.match(l).hasMatch(); });
                EXPECT_EQ(lines.size(), 1) << where << " " << qPrintable(r.err);
            }
            EXPECT_TRUE(nothingLeft(walk.leavesNoFile)) << where;
        }
}

// The unit's options, with a short time-out: a late reply only makes a failure earlier.
QStringList at(quint16 port, const QStringList& command) {
    return QStringList{"--host",       "127.0.0.1", "--port", QString::number(port),
                       "--timeout-ms", "100"} +
           command;
}

TEST_F(Cli, ReadTheClockAndTheStatusFailAtEveryRequestUnderEveryFault) {
    const QString out = path("out.ql5");
    const CtlWalk walks[] = {
        {"read",
         [&](quint16 port) {
             return at(port, {"read", out});
         },
         out, true},
        {"clock get",
         [](quint16 port) {
             return at(port, {"clock", "get"});
         },
         out, true},
        {"clock set",
         [](quint16 port) {
             return at(port, {"clock", "set", "2030-01-02T03:04:05", "--user", "admin",
                              "--password", "admin"});
         },
         out, false, true},
        {"status", [](quint16 port) { return at(port, {"status"}); }, out, true},
    };
    for (const CtlWalk& walk : walks)
        walkEveryRequest(walk);
}

TEST_F(Cli, WriteWithItsReadBackFailsAtEveryRequestUnderEveryFault) {
    QFile in(path("in.ql5"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(SimUnit::defaultImage());
    in.close();
    // "Ulož vše" and one page's "Ulož".
    const QStringList admin{"--user", "admin", "--password", "admin"};
    const std::pair<const char*, QStringList> uploads[] = {
        {"write --all", {"--all"}}, {"write --pages outputs", {"--pages", "outputs"}}};
    for (const auto& [name, pages] : uploads) {
        const QStringList write = QStringList{"write", path("in.ql5")} + pages + admin;
        walkEveryRequest(
            {name, [&](quint16 port) { return at(port, write); }, path("none"), false, true});
    }
}

TEST_F(Cli, BackupStationsFailsAtEveryRequestUnderEveryFaultAndWritesNoFile) {
    QDir().mkpath(path("backup"));
    walkEveryRequest({"backup-stations",
                      [&](quint16 port) {
                          writeStations(path("st.dat"), {stationRecord("Unit", "127.0.0.1", port)});
                          return at(port, {"backup-stations", path("st.dat"), path("backup")});
                      },
                      path("backup"), false});
}

} // namespace
