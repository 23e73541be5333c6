// quel5ctl discover, stations and backup-stations: finding units and looking after the
// stations of a station list.
#include "Cli.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "monitor/Discovery.h"
#include "monitor/StationFiles.h"
#include "monitor/StationModel.h"
#include "operations/AdminSession.h"
#include "operations/StationBackup.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
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
    // The whole table in one buffer: rows that do not stream are not flushed one by one.
    QString table;
    for (int row = 0; row < view.rowCount(); ++row) {
        for (int column = 0; column < StationTableModel::Columns; ++column) {
            if (column > 0)
                table += QLatin1Char('\t');
            table += view.index(row, column).data().toString(); // control characters shown
        }
        table += QLatin1Char('\n');
    }
    const QByteArray out = table.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return Success;
}

namespace {

// Runs the jobs side by side and prints each station's line as it finishes; exit 1 when
// any failed.
int runStations(std::vector<stations::StationRun::Job> jobs, int parallel) {
    const int total = int(jobs.size());
    int finished = 0;
    int failures = 0;
    QEventLoop done;
    stations::StationRun run(parallel);
    run.start(
        std::move(jobs), &done, [](int) {},
        [&](int, const stations::BackupResult& result) {
            printLine(result.line);
            if (!result.ok)
                ++failures;
            if (++finished == total)
                done.quit();
        });
    if (total > 0)
        done.exec();
    return failures == 0 ? Success : Failed;
}

int jobsOption(QStringList& args) {
    return parseNumber(takeOption(args, QStringLiteral("--jobs"), QStringLiteral("8")),
                       QStringLiteral("--jobs"), 1, 256);
}

std::vector<Station> readList(const QString& file) {
    auto list = stations::read(file, QString());
    if (!list)
        throw FileError(QStringLiteral("%1: Soubor neexistuje.").arg(file));
    return std::move(*list);
}

} // namespace

int backupStationsCommand(Context& ctx, QStringList args) {
    const int jobs = jobsOption(args);
    expectPositionals(args, 2);
    const std::vector<Station> list = readList(args.at(0));
    const QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(args.at(1)))
        throw FileError(QStringLiteral("%1: složku nelze vytvořit.").arg(args.at(1)));
    // Every station its own file, even when two share a name; each on its own connection in
    // its own thread, the lines printed in the order the stations finish.
    const QStringList names = stations::uniqueFileNames(list);
    std::vector<stations::StationRun::Job> backups;
    for (size_t i = 0; i < list.size(); ++i)
        backups.push_back(
            [station = list[i],
             file = folder.filePath(names[qsizetype(i)] + QStringLiteral(".ql5")),
             timeout = ctx.readTimeoutMs] { return stations::backUp(station, file, timeout); });
    return runStations(std::move(backups), jobs);
}

int writeStationsCommand(Context& ctx, QStringList args) {
    const int jobs = jobsOption(args);
    const QString pages = takeOption(args, QStringLiteral("--pages"));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    // One file's network record on many units would give them all one address.
    if (takeFlag(args, QStringLiteral("--all")) ||
        takeFlag(args, QStringLiteral("--all-but-network")))
        throw Usage(QStringLiteral("write-stations takes --pages LIST without network"));
    expectPositionals(args, 2);
    if (pages.isEmpty() || user.isEmpty())
        throw Usage(QStringLiteral("write-stations needs --pages LIST and --user"));
    const Selectors selectors = parsePages(pages);
    if (selectors.network())
        throw Usage(QStringLiteral("write-stations never sends the network page: one file's IP "
                                   "address on many units would take them off the network"));
    const std::vector<Station> list = readList(args.at(0));
    ConfigImage image;
    ops::loadFullConfigFile(args.at(1), image);
    if (list.empty()) {
        ctx.feedback.message(QStringLiteral("%1: seznam neobsahuje žádnou stanici; nic nebylo "
                                            "odesláno.")
                                 .arg(args.at(0)));
        return Failed;
    }
    std::vector<stations::StationRun::Job> uploads =
        stations::pushJobs(list, image, selectors, user, password, ctx.readTimeoutMs);
    return runStations(std::move(uploads), jobs);
}

} // namespace cli
