#include "workspace/StationBackup.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "link/Login.h"
#include "workspace/Workspace.h"

#include <QFileInfo>
#include <algorithm>

namespace stations {

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

bool standsAsLink(const QString& file) {
    return QFileInfo(file).isSymLink();
}

const QString LinkRefused = QStringLiteral(
    "Na místě souboru zálohy je symbolický odkaz; přes odkaz se nezapisuje, nic nebylo zapsáno.");

// The result lines of a station: "OK" or "CHYBA", its name, its address, then what.
struct Lines {
    explicit Lines(const Station& station)
        : name(visibleText(station.name)),
          where(QStringLiteral("%1:%2").arg(visibleText(station.ip)).arg(station.port)) {}
    BackupResult ok(const QString& what) const {
        return {true, QStringLiteral("OK\t%1\t%2\t%3").arg(name, where, what)};
    }
    BackupResult failed(const QString& why) const {
        return {false, QStringLiteral("CHYBA\t%1\t%2\t%3").arg(name, where, why)};
    }
    QString name;
    QString where;
};

} // namespace

BackupResult push(const Station& station, const ConfigImage& image, const Selectors& pages,
                  const QString& user, const QString& password, int readTimeoutMs) {
    const Lines lines(station);
    if (!parseIpAddress(station.ip))
        return lines.failed(QStringLiteral("Špatná IP adresa"));
    FixedTarget target(station.ip, station.port);
    QuietFeedback feedback;
    DeviceLink link(target, feedback);
    link.setReadTimeoutMs(readTimeoutMs);
    Workspace workspace(link);
    workspace.image() = image;
    workspace.scatterAll();
    const auto why = [&feedback](const QString& fallback) {
        return feedback.messages.isEmpty() ? fallback
                                           : feedback.messages.join(QStringLiteral("; "));
    };
    if (loginToUnit(link, user, password) != Rights::Admin)
        return lines.failed(why(QString()).isEmpty()
                                ? QStringLiteral("Chyba při přihlášení")
                                : QStringLiteral("Chyba při přihlášení: ") + why(QString()));
    BackupResult result;
    try {
        const UploadReport report = workspace.uploadConfig(pages);
        result = report.ok()
                     ? lines.ok(report.verifySummary())
                     : lines.failed(report.verified ? report.verifySummary() : report.summary());
    } catch (const OperationError& e) {
        result = lines.failed(e.text());
    }
    // The upload's result stands; a logout that fails only adds a note.
    try {
        logoutFromUnit(link);
        if (link.linkFailed())
            result.line += QStringLiteral(" (odhlášení se nezdařilo)");
    } catch (const OperationError&) {
        result.line += QStringLiteral(" (odhlášení se nezdařilo)");
    }
    return result;
}

BackupResult backUp(const Station& station, const QString& file, int readTimeoutMs) {
    const Lines lines(station);
    const auto failed = [&](const QString& why) { return lines.failed(why); };
    // A station's address is a dotted address or nothing: no name is looked up.
    if (!parseIpAddress(station.ip))
        return failed(QStringLiteral("Špatná IP adresa"));
    if (standsAsLink(file))
        return failed(LinkRefused);
    FixedTarget target(station.ip, station.port);
    QuietFeedback feedback;
    DeviceLink link(target, feedback);
    link.setReadTimeoutMs(readTimeoutMs);
    Workspace workspace(link);
    try {
        if (!workspace.readAll())
            return failed(feedback.messages.join(QStringLiteral("; ")));
        // A link may have been put there while the station was read.
        if (standsAsLink(file))
            return failed(LinkRefused);
        writeImageFile(file, workspace.image(), false);
    } catch (const OperationError& e) {
        return failed(e.text());
    }
    return lines.ok(file);
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
                       std::function<void(int, const BackupResult&)> finished) {
    *m_cancelled = false;
    for (int i = 0; i < int(jobs.size()); ++i)
        m_pool.start([job = std::move(jobs[size_t(i)]), i, context, started, finished,
                      cancelled = m_cancelled] {
            BackupResult result;
            if (*cancelled) {
                result.skipped = true;
            } else {
                QMetaObject::invokeMethod(
                    context, [started, i] { started(i); }, Qt::QueuedConnection);
                result = job();
            }
            QMetaObject::invokeMethod(
                context, [finished, i, result] { finished(i, result); }, Qt::QueuedConnection);
        });
}

} // namespace stations
