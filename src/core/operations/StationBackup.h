#pragma once

#include "image/ConfigImage.h"
#include "monitor/StationList.h"
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

struct BackupResult {
    bool ok = false;
    QString line;         // "OK\tname\tip:port\tfile" or "CHYBA\tname\tip:port\twhy"
    bool skipped = false; // cancelled before it started: the station was left alone
};

// The result lines of a station: "OK" or "CHYBA", its name, its address, then what.
struct StationLines {
    explicit StationLines(const Station& station);
    BackupResult ok(const QString& what) const;
    BackupResult failed(const QString& why) const;
    QString name;
    QString where;
};

// Runs one station's work and turns whatever it throws into that station's failure: a
// station's trouble is its own result, never the program's. A station whose address is no
// dotted address is not contacted.
BackupResult stationWork(const Station& station,
                         const std::function<BackupResult(const StationLines&)>& work);

// Jobs for many stations side by side: at most `parallel` at a time, each in a thread of
// its own. started and finished run in the event loop of `context`'s thread, finished once
// for every job (skipped when cancel() came before it started). The run stays alive until
// every job has finished.
class StationRun {
public:
    using Job = std::function<BackupResult()>;
    explicit StationRun(int parallel);
    ~StationRun();
    void start(std::vector<Job> jobs, QObject* context, std::function<void(int)> started,
               std::function<void(int, const BackupResult&)> finished);
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
// to run for several stations side by side in threads of their own.
BackupResult backUp(const Station& station, const QString& file, int readTimeoutMs);

// Uploads the selected pages of a configuration to the station on a connection of its
// own: logs in (an administrator's account), uploads what the pages make of the image,
// reads it back, logs out whenever the login gave any rights. "OK\tname\tip:port\tN bajtů
// ověřeno" or "CHYBA\t…\twhy". The network page is refused. Safe to run side by side like
// backUp.
BackupResult push(const Station& station, const ConfigImage& image, const Selectors& pages,
                  const QString& user, const QString& password, int readTimeoutMs);

// One push job per station, in the list's order, all sharing one image. A unit (address
// and port) listed again is not written a second time: its later rows fail with a note
// instead of logging in twice at once.
std::vector<StationRun::Job> pushJobs(const std::vector<Station>& list, const ConfigImage& image,
                                      const Selectors& pages, const QString& user,
                                      const QString& password, int readTimeoutMs);

} // namespace stations
