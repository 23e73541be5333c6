#include "CliSupport.h"

#include <QFile>
#include <QRegularExpression>

SimProcess::SimProcess(QStringList extra) {
    process.setProgram(QStringLiteral(QUEL5_SIM_PATH));
    process.setArguments(QStringList{"--port", "0", "--discovery-port", "0"} + extra);
    process.start();
    process.waitForStarted();
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(5000))
        out += process.readAllStandardOutput();
    const auto match = QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"))
                           .match(QString::fromLatin1(out));
    port = match.hasMatch() ? match.captured(1) : QString();
}

SimProcess::~SimProcess() {
    process.kill();
    process.waitForFinished();
}

CtlRun ctl(const QStringList& args, const CtlOptions& options) {
    QProcess p;
    QProcessEnvironment environment = options.environment.isEmpty()
                                          ? QProcessEnvironment::systemEnvironment()
                                          : options.environment;
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), options.locale);
    p.setProcessEnvironment(environment);
    p.start(QStringLiteral(QUEL5CTL_PATH), args);
    if (!p.waitForStarted())
        return {-1, {}, {}};
    if (!options.input.isEmpty())
        p.write(options.input);
    p.closeWriteChannel();
    if (options.started)
        options.started(p);
    if (!spinUntil([&] { return p.state() == QProcess::NotRunning; }, 30000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, {}};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError()),
            QString::fromUtf8(p.readAllStandardOutput())};
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeStations(const QString& path, const QList<QByteArray>& records) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3, '\0'));
    for (const QByteArray& r : records)
        f.write(r);
}
