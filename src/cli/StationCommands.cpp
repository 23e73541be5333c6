// quel5ctl discover, stations and backup-stations: finding units and looking after the
// stations of a station list.
#include "Cli.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "monitor/Discovery.h"
#include "monitor/StationFiles.h"
#include "monitor/StationModel.h"
#include "operations/AdminSession.h"
#include "operations/StationBackup.h"
#include "operations/StationChecks.h"
#include "operations/StationHistory.h"
#include "unit/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <QUdpSocket>
#include <cstdio>
#include <functional>
#include <optional>

namespace cli {

namespace {

void printLine(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int columnNamed(const QString& caption) {
    const int column = int(StationTableModel::Headers.indexOf(caption));
    if (column < 1 || column > StationFilterModel::LastFilterColumn)
        throw Usage(
            tx("cli", "unknown column %1 (one of Jméno, Popis, IP, Port, Typ, Druh)").arg(caption));
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
        throw FileError(tx("cli", "%1: Soubor neexistuje.").arg(args.at(0)));
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

// Runs the jobs side by side; each result is handed on as its station finishes. The count
// of failed stations.
int runJobs(std::vector<stations::StationRun::Job> jobs, int parallel,
            const std::function<void(int, const stations::StationResult&)>& finished) {
    const int total = int(jobs.size());
    int done = 0;
    int failures = 0;
    QEventLoop loop;
    stations::StationRun run(parallel);
    run.start(
        std::move(jobs), &loop, [](int) {},
        [&](int i, const stations::StationResult& result) {
            finished(i, result);
            if (!result.ok)
                ++failures;
            if (++done == total)
                loop.quit();
        });
    if (total > 0)
        loop.exec();
    return failures;
}

// Runs the jobs side by side and prints each station's line as it finishes; exit 1 when
// any failed.
int runStations(std::vector<stations::StationRun::Job> jobs, int parallel) {
    return runJobs(std::move(jobs), parallel,
                   [](int, const stations::StationResult& result) { printLine(result.line); }) == 0
               ? Success
               : Failed;
}

// Stations read or written at once unless --jobs says otherwise; a look at the state or
// the clock costs a unit two requests, a backup eighty.
constexpr int BackupJobs = 8;
constexpr int StateJobs = 32;

// What a run added to the history.
QString historyLine(const std::vector<history::StationChange>& changes) {
    if (changes.empty())
        return tx("cli", "Historie: beze změny");
    QStringList names;
    for (const history::StationChange& change : changes)
        names << visibleText(change.name);
    return tx("cli", "Historie: změněno %1 (%2)")
        .arg(changes.size())
        .arg(names.join(QStringLiteral(", ")));
}

int jobsOption(QStringList& args, int jobs = BackupJobs) {
    return parseNumber(takeOption(args, QStringLiteral("--jobs"), QString::number(jobs)),
                       QStringLiteral("--jobs"), 1, 256);
}

std::vector<Station> readList(const QString& file) {
    auto list = stations::read(file, QString());
    if (!list)
        throw FileError(tx("cli", "%1: Soubor neexistuje.").arg(file));
    return std::move(*list);
}

} // namespace

int backupStationsCommand(Context& ctx, QStringList args) {
    const int jobs = jobsOption(args);
    const bool keepHistory = takeFlag(args, QStringLiteral("--history"));
    expectPositionals(args, 2);
    const std::vector<Station> list = readList(args.at(0));
    const QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(args.at(1)))
        throw FileError(tx("cli", "%1: složku nelze vytvořit.").arg(args.at(1)));
    // The history's repository first: a folder that cannot hold one is found out before
    // any unit is read.
    std::unique_ptr<history::Repository> repository;
    if (keepHistory)
        repository = std::make_unique<history::Repository>(args.at(1), true);
    // Every station its own file, even when two share a name; each on its own connection in
    // its own thread, the lines printed in the order the stations finish.
    const QStringList names = stations::uniqueFileNames(list);
    std::vector<stations::StationRun::Job> backups;
    for (size_t i = 0; i < list.size(); ++i)
        backups.push_back([station = list[i],
                           file = folder.filePath(names[qsizetype(i)] + QStringLiteral(".ql5")),
                           timeout = ctx.readTimeoutMs, keepHistory] {
            return stations::backUp(station, file, timeout, keepHistory);
        });
    QStringList backedUp;
    const int failures =
        runJobs(std::move(backups), jobs, [&](int i, const stations::StationResult& result) {
            printLine(result.line);
            if (result.ok)
                backedUp << names[i];
        });
    if (repository)
        printLine(historyLine(repository->commit(backedUp, QDateTime::currentDateTime())));
    return failures == 0 ? Success : Failed;
}

int historyCommand(Context&, QStringList args) {
    const QString folder = args.isEmpty() ? QString() : args.at(0);
    expectPositionals(args, args.size() == 2 ? 2 : 1);
    const history::Repository repository(folder);
    const QString station = args.size() == 2 ? args.at(1) : QString();
    QString text;
    for (const history::Run& run : repository.runs(station)) {
        const QString when = run.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (station.isEmpty()) {
            QStringList names;
            for (const history::StationChange& change : run.stations)
                names << visibleText(change.name);
            text +=
                QStringLiteral("%1\t%2\t%3\n").arg(when, run.id, names.join(QStringLiteral(", ")));
            continue;
        }
        text += QStringLiteral("%1\t%2\n").arg(when, run.id);
        for (const history::StationChange& change : run.stations)
            for (const QString& line : change.fields)
                text += QStringLiteral("  %1\n").arg(line);
    }
    const QByteArray out = text.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return Success;
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
        ctx.feedback.message(tx("cli", "%1: seznam neobsahuje žádnou stanici; nic nebylo "
                                       "odesláno.")
                                 .arg(args.at(0)));
        return Failed;
    }
    std::vector<stations::StationRun::Job> uploads =
        stations::pushJobs(list, image, selectors, user, password, ctx.readTimeoutMs);
    return runStations(std::move(uploads), jobs);
}

int statusStationsCommand(Context& ctx, QStringList args) {
    const int jobs = jobsOption(args, StateJobs);
    const bool json = takeFlag(args, QStringLiteral("--json"));
    expectPositionals(args, 1);
    const std::vector<Station> list = readList(args.at(0));
    std::vector<stations::StationRun::Job> looks;
    for (const Station& station : list)
        looks.push_back([station, timeout = ctx.readTimeoutMs] {
            return stations::readState(station, timeout);
        });
    // Lines in the list's order, each as soon as those before it are in.
    std::vector<std::optional<stations::StationResult>> results(list.size());
    size_t printed = 0;
    const int failures =
        runJobs(std::move(looks), jobs, [&](int i, const stations::StationResult& result) {
            results[size_t(i)] = result;
            if (json)
                return;
            while (printed < results.size() && results[printed])
                printLine(results[printed++]->line);
        });
    if (json) {
        QJsonArray array;
        for (size_t i = 0; i < list.size(); ++i) {
            const stations::StationResult& r = *results[i];
            QJsonObject o = r.state ? stateJson(*r.state) : QJsonObject();
            o.insert(QStringLiteral("name"), list[i].name);
            o.insert(QStringLiteral("address"), list[i].ip);
            o.insert(QStringLiteral("port"), list[i].port);
            o.insert(QStringLiteral("ok"), r.ok);
            if (!r.ok)
                o.insert(QStringLiteral("error"), r.why());
            array.append(o);
        }
        const QByteArray out = QJsonDocument(array).toJson();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    }
    return failures == 0 ? Success : Failed;
}

int clockStationsCommand(Context& ctx, QStringList args) {
    const int jobs = jobsOption(args, StateJobs);
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    if (args.size() < 2 || args.at(1) != QLatin1String("set"))
        throw Usage(QStringLiteral("clock-stations takes FILE set [YYYY-MM-DDTHH:MM:SS]"));
    if (user.isEmpty())
        throw Usage(QStringLiteral("clock-stations needs --user (an administrator)"));
    if (args.size() > 3)
        throw Usage(QStringLiteral("clock-stations set takes at most one date and time"));
    stations::ClockTime time = stations::ClockTime::workstation();
    if (args.size() == 3) {
        const QDateTime given = parseClockTime(args.at(2));
        if (!unitclock::encode(given)) {
            ctx.feedback.message(unitclock::yearRefused(given.date().year()));
            return Failed;
        }
        time = stations::ClockTime::fixed(given);
    }
    const std::vector<Station> list = readList(args.at(0));
    auto shared = std::make_shared<const stations::ClockTime>(time);
    std::vector<stations::StationRun::Job> sets;
    for (const Station& station : list)
        sets.push_back([station, shared, user, password, timeout = ctx.readTimeoutMs] {
            return stations::setClock(station, *shared, user, password, timeout);
        });
    return runStations(std::move(sets), jobs);
}

} // namespace cli
