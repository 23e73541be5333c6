// Times quel5ctl backup-stations of 32 simulated units behind 20 ms of latency, next to
// one quel5ctl read of one of them, in the same run.
#include "BenchSims.h"

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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int units = 32;
    const int latency = 20;
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    auto sims = bench::startSims(units, {"--latency-ms", QString::number(latency)});
    if (sims.empty())
        return 1;
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("stations.dat"));
    {
        QFile f(list);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(3, '\0'));
        for (int i = 0; i < units; ++i)
            f.write(bench::station("Unit" + QByteArray::number(i), sims[size_t(i)]->port));
    }
    double bestOne = 1e9, bestAll = 1e9;
    for (int r = 0; r < rounds; ++r) {
        int code = 0;
        const double one =
            bench::runCtl({"--host", "127.0.0.1", "--port", QString::number(sims[0]->port), "read",
                           dir.filePath(QStringLiteral("one.ql5"))},
                          &code);
        if (code != 0)
            return 1;
        const double all =
            bench::runCtl({"backup-stations", list, dir.filePath(QStringLiteral("backup")),
                           "--jobs", QString::number(units)},
                          &code);
        if (code != 0)
            return 1;
        std::printf("round %d: one read %.0f ms, backup of %d units %.0f ms\n", r + 1, one, units,
                    all);
        bestOne = std::min(bestOne, one);
        bestAll = std::min(bestAll, all);
    }
    bench::stopSims(sims);
    std::printf("latency %d ms per reply, best of %d rounds\n", latency, rounds);
    std::printf("one read (79 requests):             %6.0f ms\n", bestOne);
    std::printf("backup-stations --jobs %d:          %6.0f ms  (%.2f x one read; goal 2.5)\n",
                units, bestAll, bestAll / bestOne);
    std::printf("files written: %d\n",
                int(QDir(dir.filePath(QStringLiteral("backup"))).entryList(QDir::Files).size()));
    return 0;
}
