#pragma once

// Simulated units for the benchmarks: quel5-sim processes on free loopback ports, and
// station lists that name them.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <vector>

namespace bench {

struct Sim {
    QProcess process;
    quint16 port = 0;
};

// Starts `count` simulators with these options; empty when one did not start.
inline std::vector<std::unique_ptr<Sim>> startSims(int count, const QStringList& options) {
    std::vector<std::unique_ptr<Sim>> sims;
    for (int i = 0; i < count; ++i) {
        auto sim = std::make_unique<Sim>();
        sim->process.start(QStringLiteral(QUEL5_SIM_PATH),
                           QStringList{"--port", "0", "--discovery-port", "0"} + options);
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
            return {};
        }
        sim->port = quint16(m.captured(1).toUInt());
    }
    return sims;
}

inline void stopSims(std::vector<std::unique_ptr<Sim>>& sims) {
    for (auto& sim : sims) {
        sim->process.kill();
        sim->process.waitForFinished();
    }
}

// One 91-byte record of a station list: the name, 127.0.0.1 and the port.
inline QByteArray station(const QByteArray& name, quint16 port) {
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

// A list of `count` stations over the simulators in turn.
inline void writeList(const QString& path, const std::vector<std::unique_ptr<Sim>>& sims,
                      int count) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(3, '\0'));
    for (int i = 0; i < count; ++i)
        f.write(station("Unit" + QByteArray::number(i), sims[size_t(i) % sims.size()]->port));
}

// Runs quel5ctl to its end; the wall time in ms.
inline double runCtl(const QStringList& args, int* exitCode) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral(QUEL5CTL_PATH), args);
    p.waitForFinished(300000);
    *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace bench
