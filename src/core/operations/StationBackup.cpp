#include "operations/StationBackup.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "link/Login.h"
#include "operations/AdminSession.h"
#include "workspace/ConfigDocument.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <set>

namespace stations {

namespace {

bool standsAsLink(const QString& file) {
    return QFileInfo(file).isSymLink();
}

QString linkRefused() {
    return tx("operations", "Na místě souboru zálohy je symbolický odkaz; přes odkaz se "
                            "nezapisuje, nic nebylo zapsáno.");
}

} // namespace

StationLink::StationLink(const Station& station, int readTimeoutMs)
    : target(station.ip, station.port), link(target, feedback) {
    link.setReadTimeoutMs(readTimeoutMs);
}

StationLines::StationLines(const Station& station)
    : name(visibleText(station.name)),
      where(QStringLiteral("%1:%2").arg(visibleText(station.ip)).arg(station.port)) {}

StationResult StationLines::ok(const QString& what) const {
    return {true, QStringLiteral("OK\t%1\t%2\t%3").arg(name, where, what)};
}

StationResult StationLines::failed(const QString& why) const {
    return {false, QStringLiteral("CHYBA\t%1\t%2\t%3").arg(name, where, why)};
}

StationResult concluded(const StationLines& lines, const StationLink& unit,
                        const ops::SessionResult& session, StationResult result) {
    const QString refused = QCoreApplication::translate("ops", ops::LoginRefused);
    if (session.loginRefused)
        result = lines.failed(unit.why().isEmpty() ? refused
                                                   : refused + QStringLiteral(": ") + unit.why());
    else if (!session.failure.isEmpty())
        result = lines.failed(session.failure);
    else if (!session.ok && (result.ok || result.line.isEmpty()))
        result =
            lines.failed(unit.why().isEmpty() ? tx("operations", "Neznámá chyba") : unit.why());
    // The work's result stands; a logout that fails only adds a note.
    if (!session.logoutFailure.isEmpty())
        result.line += tx("operations", " (odhlášení se nezdařilo)");
    return result;
}

StationResult stationWork(const Station& station,
                          const std::function<StationResult(const StationLines&)>& work) {
    const StationLines lines(station);
    try {
        // A station's address is a dotted address or nothing: no name is looked up.
        if (!parseIpAddress(station.ip))
            return lines.failed(tx("operations", "Špatná IP adresa"));
        return work(lines);
    } catch (const OperationError& e) {
        return lines.failed(e.text());
    } catch (const std::exception& e) {
        return lines.failed(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return lines.failed(tx("operations", "Neznámá chyba"));
    }
}

StationResult push(const Station& station, const ConfigImage& image, const Selectors& pages,
                   const QString& user, const QString& password, int readTimeoutMs) {
    return stationWork(station, [&](const StationLines& lines) {
        // The network page is never pushed to many units: one address would take them
        // all off the network.
        if (pages.network())
            return lines.failed(tx("operations", "Síťová stránka se do více stanic nenahrává"));
        StationLink unit(station, readTimeoutMs);
        DeviceLink& link = unit.link;
        Workspace workspace(link);
        workspace.image() = image;
        workspace.scatterAll();
        StationResult result;
        const ops::SessionResult session =
            ops::withSession(link, user, password, Rights::Admin, [&](UnitSession*) {
                const UploadReport report = workspace.uploadConfig(pages);
                result = report.ok() ? lines.ok(report.verifySummary())
                                     : lines.failed(report.verified ? report.verifySummary()
                                                                    : report.summary());
                return report.ok();
            });
        return concluded(lines, unit, session, result);
    });
}

StationResult backUp(const Station& station, const QString& file, int readTimeoutMs,
                     bool withDocument) {
    return stationWork(station, [&](const StationLines& lines) {
        if (standsAsLink(file))
            return lines.failed(linkRefused());
        StationLink unit(station, readTimeoutMs);
        Workspace workspace(unit.link);
        if (!workspace.readAll())
            return lines.failed(unit.why());
        // A link may have been put there while the station was read.
        if (standsAsLink(file))
            return lines.failed(linkRefused());
        const QString document = QFileInfo(file).path() + QLatin1Char('/') +
                                 QFileInfo(file).completeBaseName() + QStringLiteral(".json");
        if (withDocument && standsAsLink(document))
            return lines.failed(linkRefused());
        writeImageFile(file, workspace.image(), false);
        if (withDocument)
            writeDocumentFile(document, workspace.image());
        return lines.ok(file);
    });
}

std::vector<StationRun::Job> pushJobs(const std::vector<Station>& list, const ConfigImage& image,
                                      const Selectors& pages, const QString& user,
                                      const QString& password, int readTimeoutMs) {
    const auto shared = std::make_shared<const ConfigImage>(image);
    std::vector<StationRun::Job> jobs;
    jobs.reserve(list.size());
    std::set<std::pair<QString, quint16>> units;
    for (const Station& station : list) {
        if (!units.insert({station.ip, station.port}).second)
            jobs.push_back([station] {
                return StationLines(station).failed(
                    tx("operations", "Jednotka je v seznamu znovu; zapisuje se jen jednou."));
            });
        else
            jobs.push_back([station, shared, pages, user, password, readTimeoutMs] {
                return push(station, *shared, pages, user, password, readTimeoutMs);
            });
    }
    return jobs;
}

StationRun::StationRun(int parallel) : m_cancelled(std::make_shared<std::atomic<bool>>(false)) {
    m_pool.setMaxThreadCount(std::max(1, parallel));
}

StationRun::~StationRun() {
    wait();
}

void StationRun::wait() {
    cancel();
    m_pool.waitForDone();
}

void StationRun::start(std::vector<Job> jobs, QObject* context, std::function<void(int)> started,
                       std::function<void(int, const StationResult&)> finished) {
    *m_cancelled = false;
    for (int i = 0; i < int(jobs.size()); ++i)
        m_pool.start([job = std::move(jobs[size_t(i)]), i, context, started, finished,
                      cancelled = m_cancelled] {
            StationResult result;
            if (*cancelled) {
                result.skipped = true;
            } else {
                QMetaObject::invokeMethod(
                    context, [started, i] { started(i); }, Qt::QueuedConnection);
                // Whatever the job lets out becomes its station's failure here: nothing
                // crosses the thread.
                try {
                    result = job();
                } catch (const std::exception& e) {
                    result = {false, QStringLiteral("CHYBA\t\t\t%1")
                                         .arg(visibleText(QString::fromLocal8Bit(e.what())))};
                } catch (...) {
                    result = {false, tx("operations", "CHYBA\t\t\tNeznámá chyba")};
                }
            }
            QMetaObject::invokeMethod(
                context, [finished, i, result] { finished(i, result); }, Qt::QueuedConnection);
        });
}

} // namespace stations
