// Times quel5ctl status-stations: 8 units that answer 250 ms late next to one quel5ctl
// status of one of them, and lists of 16 and 256 stations over units 20 ms late, to show
// how the time grows with the list (linear in its length over the jobs).
#include "BenchSims.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    int code = 0;

    auto slow = bench::startSims(8, {"--latency-ms", "250"});
    if (slow.empty())
        return 1;
    const QString eight = dir.filePath(QStringLiteral("eight.dat"));
    bench::writeList(eight, slow, 8);
    double one = 1e9, all = 1e9;
    for (int r = 0; r < rounds; ++r) {
        one = std::min(one, bench::runCtl({"--host", "127.0.0.1", "--port",
                                           QString::number(slow[0]->port), "status"},
                                          &code));
        if (code != 0)
            return 1;
        all = std::min(all, bench::runCtl({"status-stations", eight}, &code));
        if (code != 0)
            return 1;
    }
    bench::stopSims(slow);
    std::printf("units 250 ms late, best of %d rounds\n", rounds);
    std::printf("one status:                          %6.0f ms\n", one);
    std::printf("status-stations of 8:                %6.0f ms  (%.2f x one status; goal 2.5)\n",
                all, all / one);

    auto fast = bench::startSims(16, {"--latency-ms", "20"});
    if (fast.empty())
        return 1;
    std::printf("\nunits 20 ms late (16 simulators), --jobs 32 (the default), best of %d rounds\n",
                rounds);
    double base = 0;
    for (const int count : {16, 256}) {
        const QString list = dir.filePath(QStringLiteral("list%1.dat").arg(count));
        bench::writeList(list, fast, count);
        double best = 1e9;
        for (int r = 0; r < rounds; ++r) {
            best = std::min(best, bench::runCtl({"status-stations", list}, &code));
            if (code != 0)
                return 1;
        }
        // Rounds of 32 stations at once: 1 for 16, 8 for 256.
        const int waves = (count + 31) / 32;
        if (count == 16)
            base = best;
        std::printf("status-stations of %3d:              %6.0f ms  (%.1f ms per station; %.2f x "
                    "the list of 16 for %d x its rounds of jobs)\n",
                    count, best, best / count, best / base, waves);
    }
    bench::stopSims(fast);
    return 0;
}
