#pragma once

#include "base/Feedback.h"
#include "image/ConfigImage.h"
#include "link/DeviceLink.h"
#include "monitor/StationList.h"
#include "monitor/StationState.h"
#include "operations/AdminSession.h"
#include "workspace/PageRegistry.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// Reading one station of a station list into its own file.
namespace stations {

struct StationResult {
    StationResult() = default;
    StationResult(bool ok, QString line) : ok(ok), line(std::move(line)) {}
    bool ok = false;
    QString line;         // "OK\tname\tip:port\tfile" or "CHYBA\tname\tip:port\twhy"
    bool skipped = false; // cancelled before it started: the station was left alone
    // What a state run learned, when it went through.
    std::shared_ptr<const StationState> state;
    // Why it failed, without the line's columns.
    QString why() const { return ok ? QString() : line.section(QLatin1Char('\t'), 3); }
};

// The result lines of a station: "OK" or "CHYBA", its name, its address, then what.
struct StationLines {
    explicit StationLines(const Station& station);
    StationResult ok(const QString& what) const;
    StationResult failed(const QString& why) const;
    QString name;
    QString where;
};

// Collects what one station's link tells, for its result line.
class QuietFeedback : public Feedback {
public:
    void message(const QString& text, Severity, const QString&) override { messages << text; }
    void log(const QString&) override {}
    void setWaitCursor(bool) override {}
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }
    QStringList messages;
};

// A connection of a station's own, for a job in a thread of its own.
struct StationLink {
    StationLink(const Station& station, int readTimeoutMs);
    QString why() const { return feedback.messages.join(QStringLiteral("; ")); }
    FixedTarget target;
    QuietFeedback feedback;
    DeviceLink link;
};

// A station's result after a login: the work's result, or why the login, the work or the
// logout went wrong.
StationResult concluded(const StationLines& lines, const StationLink& unit,
                        const ops::SessionResult& session, StationResult result);

// Runs one station's work and turns whatever it throws into that station's failure: a
// station's trouble is its own result, never the program's. A station whose address is no
// dotted address is not contacted.
StationResult stationWork(const Station& station,
                          const std::function<StationResult(const StationLines&)>& work);

// Jobs for many stations side by side: at most `parallel` at a time, each in a thread of
// its own. started and finished run in the event loop of `context`'s thread, finished once
// for every job (skipped when cancel() came before it started). The run stays alive until
// every job has finished.
class StationRun {
public:
    using Job = std::function<StationResult()>;
    explicit StationRun(int parallel);
    ~StationRun();
    void start(std::vector<Job> jobs, QObject* context, std::function<void(int)> started,
               std::function<void(int, const StationResult&)> finished);
    void cancel() { *m_cancelled = true; }
    // Waits for the jobs that run; the rest are skipped.
    void wait();

private:
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};

// Reads the whole configuration of the station on a connection of its own and writes it to
// file, only when the read was complete. A station whose address is no dotted address is
// not contacted; a file name that stands as a symbolic link is never written through. Safe
// to run for several stations side by side in threads of their own. withDocument: the
// exported document beside it too, FILE.json for FILE.ql5, for a history of backups.
StationResult backUp(const Station& station, const QString& file, int readTimeoutMs,
                     bool withDocument = false);

// Uploads the selected pages of a configuration to the station on a connection of its
// own: logs in (an administrator's account), uploads what the pages make of the image,
// reads it back, logs out whenever the login gave any rights. "OK\tname\tip:port\tN bajtů
// ověřeno" or "CHYBA\t…\twhy". The network page is refused. Safe to run side by side like
// backUp.
StationResult push(const Station& station, const ConfigImage& image, const Selectors& pages,
                   const QString& user, const QString& password, int readTimeoutMs);

// One push job per station, in the list's order, all sharing one image. A unit (address
// and port) listed again is not written a second time: its later rows fail with a note
// instead of logging in twice at once.
std::vector<StationRun::Job> pushJobs(const std::vector<Station>& list, const ConfigImage& image,
                                      const Selectors& pages, const QString& user,
                                      const QString& password, int readTimeoutMs);

} // namespace stations
