// Times a full configuration read against quel5-sim next to 79 bare request/reply round
// trips over one connection to the same simulator, in the same run.
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class QuietFeedback : public Feedback {
public:
    void message(const QString& text, Severity, const QString&) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    void log(const QString&) override {}
    void setWaitCursor(bool) override {}
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// 79 read requests, each written once and its 106-byte reply read whole, blocking.
bool bareRoundTrips(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return false;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    for (int n = 0; n < 79; ++n) {
        const int address = 56 + 100 * n;
        const char request[9] = {'#', 'X', 'R', 0, 3, 0, char(address & 0xFF), char(address >> 8),
                                 100};
        socket.write(request, 9);
        socket.flush();
        while (socket.bytesAvailable() < 106)
            if (!socket.waitForReadyRead(5000))
                return false;
        socket.read(106);
    }
    socket.disconnectFromHost();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    QProcess sim;
    sim.start(QStringLiteral(QUEL5_SIM_PATH), {"--port", "0", "--discovery-port", "0"});
    QByteArray out;
    while (!out.contains('\n') && sim.waitForReadyRead(5000))
        out += sim.readAllStandardOutput();
    const auto match =
        QRegularExpression(QStringLiteral(":(\\d+),")).match(QString::fromLatin1(out));
    if (!match.hasMatch()) {
        std::fprintf(stderr, "quel5-sim did not start\n");
        return 1;
    }
    const auto port = quint16(match.captured(1).toUInt());

    FixedTarget target(QStringLiteral("127.0.0.1"), port);
    QuietFeedback feedback;
    DeviceLink link(target, feedback);
    Workspace workspace(link);

    std::vector<double> readAll, bare;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        // Alternate so that both see the same machine load.
        timer.start();
        if (!workspace.readAll())
            return 1;
        readAll.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        if (!bareRoundTrips(port))
            return 1;
        bare.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    sim.kill();
    sim.waitForFinished();

    const double r = median(readAll), b = median(bare);
    std::printf("rounds: %d\n", rounds);
    std::printf("ReadAll (79 blocks):           median %.3f ms, min %.3f ms\n", r,
                *std::min_element(readAll.begin(), readAll.end()));
    std::printf("79 bare round trips:           median %.3f ms, min %.3f ms\n", b,
                *std::min_element(bare.begin(), bare.end()));
    std::printf("ratio ReadAll / bare:          %.2f\n", r / b);
    // Every read ends with one status request that proves no reply came twice: the aim is
    // at most 1.25 times the bare round trips.
    std::printf("goal: ratio at most 1.25 (80 requests against 79)\n");
    return 0;
}
