// Times quel5ctl backup-stations of 32 simulated units behind 20 ms of latency, next to
// one quel5ctl read of one of them, in the same run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Sim {
    QProcess process;
    quint16 port = 0;
};

QByteArray station(const QByteArray& name, quint16 port) {
    QByteArray r(91, '\0');
    r[0] = char(name.size());
    r.replace(1, int(name.size()), name);
    const QByteArray ip("127.0.0.1");
    r[68] = char(ip.size());
    r.replace(69, int(ip.size()), ip);
    r[85] = char(port & 0xFF);
    r[86] = char(port >> 8);
    return r;
}

double run(const QStringList& args, int* exitCode) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral(QUEL5CTL_PATH), args);
    p.waitForFinished(120000);
    *exitCode = p.exitCode();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int units = 32;
    const int latency = 20;
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    std::vector<std::unique_ptr<Sim>> sims;
    for (int i = 0; i < units; ++i) {
        auto sim = std::make_unique<Sim>();
        sim->process.start(
            QStringLiteral(QUEL5_SIM_PATH),
            {"--port", "0", "--discovery-port", "0", "--latency-ms", QString::number(latency)});
        sims.push_back(std::move(sim));
    }
    for (auto& sim : sims) {
        QByteArray out;
        while (!out.contains('\n') && sim->process.waitForReadyRead(5000))
            out += sim->process.readAllStandardOutput();
        const auto m = QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+),"))
                           .match(QString::fromLatin1(out));
        if (!m.hasMatch()) {
            std::fprintf(stderr, "a simulator did not start\n");
            return 1;
        }
        sim->port = quint16(m.captured(1).toUInt());
    }
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("stations.dat"));
    {
        QFile f(list);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(3, '\0'));
        for (int i = 0; i < units; ++i)
            f.write(station("Unit" + QByteArray::number(i), sims[size_t(i)]->port));
    }
    double bestOne = 1e9, bestAll = 1e9;
    for (int r = 0; r < rounds; ++r) {
        int code = 0;
        const double one = run({"--host", "127.0.0.1", "--port", QString::number(sims[0]->port),
                                "read", dir.filePath(QStringLiteral("one.ql5"))},
                               &code);
        if (code != 0)
            return 1;
        const double all = run({"backup-stations", list, dir.filePath(QStringLiteral("backup")),
                                "--jobs", QString::number(units)},
                               &code);
        if (code != 0)
            return 1;
        std::printf("round %d: one read %.0f ms, backup of %d units %.0f ms\n", r + 1, one, units,
                    all);
        bestOne = std::min(bestOne, one);
        bestAll = std::min(bestAll, all);
    }
    for (auto& sim : sims) {
        sim->process.kill();
        sim->process.waitForFinished();
    }
    std::printf("latency %d ms per reply, best of %d rounds\n", latency, rounds);
    std::printf("one read (79 requests):             %6.0f ms\n", bestOne);
    std::printf("backup-stations --jobs %d:          %6.0f ms  (%.2f x one read; goal 2.5)\n",
                units, bestAll, bestAll / bestOne);
    std::printf("files written: %d\n",
                int(QDir(dir.filePath(QStringLiteral("backup"))).entryList(QDir::Files).size()));
    return 0;
}
