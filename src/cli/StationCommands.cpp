// quel5ctl discover, stations and backup-stations: finding units and looking after the
// stations of a station list.
#include "Cli.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "monitor/Discovery.h"
#include "monitor/StationFiles.h"
#include "monitor/StationModel.h"
#include "workspace/StationBackup.h"

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
    discovery::Limits limits;
    limits.waitMs = parseNumber(
        takeOption(args, QStringLiteral("--wait-ms"), QString::number(discovery::WaitMs)),
        QStringLiteral("--wait-ms"), 1, 60000);
    limits.totalMs = parseNumber(
        takeOption(args, QStringLiteral("--total-ms"), QString::number(discovery::TotalMs)),
        QStringLiteral("--total-ms"), 1, 3600000);
    limits.maxAnswers = parseNumber(
        takeOption(args, QStringLiteral("--max-answers"), QString::number(discovery::MaxAnswers)),
        QStringLiteral("--max-answers"), 1, 1000000);
    expectPositionals(args, 0);
    const QHostAddress address(target);
    if (address.isNull())
        throw Usage(QStringLiteral("--target takes an IP address"));
    QUdpSocket socket;
    discovery::search(
        socket, address, quint16(port), ctx.feedback,
        [](const QString& line) { printLine(visibleText(line)); }, limits);
    return Success;
}

int stationsCommand(Context& ctx, QStringList args) {
    const QString notes = takeOption(args, QStringLiteral("--notes"));
    const QString sort = takeOption(args, QStringLiteral("--sort"));
    const QStringList filters = takeOptions(args, QStringLiteral("--filter"));
    expectPositionals(args, 1);
    qint64 unread = 0;
    auto list = stations::read(args.at(0), notes, &unread);
    if (!list)
        throw FileError(QStringLiteral("%1: Soubor neexistuje.").arg(args.at(0)));
    if (unread > 0)
        ctx.feedback.message(stations::unreadNotice(unread), Severity::Warning);

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
            cells << view.index(row, column).data().toString(); // control characters shown
        printLine(cells.join(QLatin1Char('\t')));
    }
    return Success;
}

namespace {
struct Backup {
    Station station;
    QString file;
};
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
    const QStringList names = stations::uniqueFileNames(*list);
    for (size_t i = 0; i < list->size(); ++i)
        backups.push_back(
            {(*list)[i], folder.filePath(names[qsizetype(i)] + QStringLiteral(".ql5"))});

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
            const auto [ok, line] = stations::backUp(job.station, job.file, timeout);
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
