// quel5ctl discover, stations and backup-stations: finding units and looking after the
// stations of a station list.
#include "Cli.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "monitor/Discovery.h"
#include "monitor/StationModel.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <QUdpSocket>
#include <cstdio>

namespace cli {

namespace {

void printLine(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int columnNamed(const QString& caption) {
    const int column = int(StationTableModel::Headers.indexOf(caption));
    if (column < 1 || column > StationFilterModel::LastFilterColumn)
        throw Usage(QStringLiteral("unknown column %1 (one of Jméno, Popis, IP, Port, Typ, Druh)")
                        .arg(caption));
    return column;
}

} // namespace

int discoverCommand(Context& ctx, QStringList args) {
    const QString target = takeOption(args, QStringLiteral("--target"), discovery::DefaultTarget);
    const int port = parseNumber(takeOption(args, QStringLiteral("--discovery-port"),
                                            QString::number(discovery::DefaultPort)),
                                 QStringLiteral("--discovery-port"), 1, 65535);
    const int waitMs = parseNumber(
        takeOption(args, QStringLiteral("--wait-ms"), QString::number(discovery::WaitMs)),
        QStringLiteral("--wait-ms"), 1, 60000);
    expectPositionals(args, 0);
    const QHostAddress address(target);
    if (address.isNull())
        throw Usage(QStringLiteral("--target takes an IP address"));
    QUdpSocket socket;
    discovery::search(socket, address, quint16(port), ctx.feedback, printLine, waitMs);
    return Success;
}

int stationsCommand(Context&, QStringList args) {
    const QString notes = takeOption(args, QStringLiteral("--notes"));
    const QString sort = takeOption(args, QStringLiteral("--sort"));
    const QStringList filters = takeOptions(args, QStringLiteral("--filter"));
    expectPositionals(args, 1);
    auto list = stations::read(args.at(0), notes);
    if (!list)
        throw FileError(QStringLiteral("%1: Soubor neexistuje.").arg(args.at(0)));

    StationTableModel model;
    model.setStations(std::move(*list));
    StationFilterModel view;
    view.setStations(&model);
    for (const QString& f : filters) {
        const int eq = int(f.indexOf(QLatin1Char('=')));
        if (eq <= 0)
            throw Usage(QStringLiteral("--filter takes COLUMN=CONDITION"));
        view.setFilter(columnNamed(f.left(eq)), f.mid(eq + 1));
    }
    if (!sort.isEmpty()) {
        const bool descending = sort.endsWith(QLatin1String(":desc"));
        const QString column = descending ? sort.chopped(5) : sort;
        view.sort(columnNamed(column), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    for (int row = 0; row < view.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < StationTableModel::Columns; ++column)
            cells << view.index(row, column).data().toString();
        printLine(cells.join(QLatin1Char('\t')));
    }
    return Success;
}

// A station name as a file name: no folder separators or characters a file system
// refuses, no name of a device, never empty.
QString safeFileName(const QString& name) {
    QString safe;
    for (QChar c : name)
        safe += c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c) ? QChar('_') : c;
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    while (safe.startsWith(QLatin1Char(' ')))
        safe.remove(0, 1);
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("stanice");
    static const QStringList devices = {"CON", "PRN", "AUX", "NUL"};
    const QString upper = safe.section(QLatin1Char('.'), 0, 0).toUpper();
    if (devices.contains(upper) ||
        (upper.size() == 4 && (upper.startsWith("COM") || upper.startsWith("LPT")) &&
         upper.at(3).isDigit()))
        safe.prepend(QLatin1Char('_'));
    return safe;
}

namespace {

// Collects what one station's read shows, for its result line.
class QuietFeedback : public Feedback {
public:
    void message(const QString& text, Severity, const QString&) override { messages << text; }
    void log(const QString&) override {}
    void setWaitCursor(bool) override {}
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }
    QStringList messages;
};

struct Backup {
    Station station;
    QString file;
};

// Reads one station into its file; returns the result line and whether it succeeded.
std::pair<bool, QString> backUp(const Backup& job, int readTimeoutMs) {
    const QString where = QStringLiteral("%1:%2").arg(job.station.ip).arg(job.station.port);
    const auto failed = [&](const QString& why) {
        return std::make_pair(
            false, QStringLiteral("CHYBA\t%1\t%2\t%3").arg(job.station.name, where, why));
    };
    // A station's address is a dotted address or nothing: no name is looked up.
    if (!parseIpAddress(job.station.ip))
        return failed(QStringLiteral("Špatná IP adresa"));
    FixedTarget target(job.station.ip, job.station.port);
    QuietFeedback feedback;
    DeviceLink link(target, feedback);
    link.setReadTimeoutMs(readTimeoutMs);
    Workspace workspace(link);
    try {
        if (!workspace.readAll())
            return failed(feedback.messages.join(QStringLiteral("; ")));
        writeImageFile(job.file, workspace.image(), false);
    } catch (const OperationError& e) {
        return failed(e.text());
    }
    return {true, QStringLiteral("OK\t%1\t%2\t%3").arg(job.station.name, where, job.file)};
}

} // namespace

int backupStationsCommand(Context& ctx, QStringList args) {
    const int jobs = parseNumber(takeOption(args, QStringLiteral("--jobs"), QStringLiteral("8")),
                                 QStringLiteral("--jobs"), 1, 256);
    expectPositionals(args, 2);
    auto list = stations::read(args.at(0), QString());
    if (!list)
        throw FileError(QStringLiteral("%1: Soubor neexistuje.").arg(args.at(0)));
    const QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(args.at(1)))
        throw FileError(QStringLiteral("%1: složku nelze vytvořit.").arg(args.at(1)));

    // Every station its own file, even when two share a name.
    std::vector<Backup> backups;
    QSet<QString> taken;
    for (const Station& s : *list) {
        const QString base = safeFileName(s.name);
        QString name = base;
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        taken.insert(name.toLower());
        backups.push_back({s, folder.filePath(name + QStringLiteral(".ql5"))});
    }

    // Each station on its own connection in its own thread; the lines come back here in
    // the order the stations finish.
    QThreadPool pool;
    pool.setMaxThreadCount(jobs);
    int finished = 0;
    int failures = 0;
    QEventLoop done;
    const int timeout = ctx.readTimeoutMs;
    for (const Backup& job : backups) {
        pool.start([job, timeout, &finished, &failures, &done, total = int(backups.size())] {
            const auto [ok, line] = backUp(job, timeout);
            QMetaObject::invokeMethod(
                &done,
                [ok, line, &finished, &failures, &done, total] {
                    printLine(line);
                    if (!ok)
                        ++failures;
                    if (++finished == total)
                        done.quit();
                },
                Qt::QueuedConnection);
        });
    }
    if (!backups.empty())
        done.exec();
    pool.waitForDone();
    return failures == 0 ? Success : Failed;
}

} // namespace cli
