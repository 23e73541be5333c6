#pragma once

#include "operations/StationBackup.h"

#include <QDateTime>
#include <QElapsedTimer>

// The quick looks at many units: their live state and their clocks.
namespace stations {

// Reads the station's state on a connection of its own: one "#GS" and one read of the
// clock registers. The line is "name\tip:port\tOK\t" and the state's cells, or
// "name\tip:port\tCHYBA\twhy"; a refused or short reply is a failure, never zeros.
StationResult readState(const Station& station, int readTimeoutMs);

// The time a clock run sets: a time given, the same for every station, or the
// workstation's, read once at the start of the run and moved on by the time the run has
// taken, so that the last station of a long list is not set to a time long past.
class ClockTime {
public:
    static ClockTime workstation();
    static ClockTime fixed(const QDateTime& time);
    QDateTime now() const;

private:
    QDateTime m_start;
    bool m_running = false;
    QElapsedTimer m_since;
};

// Logs in as an administrator, sets the station's clock, reads it back and logs out. The
// line is "OK\tname\tip:port\tYYYY-MM-DDTHH:MM:SS, odchylka N s"; a read-back more than
// 2 s off is a failure.
StationResult setClock(const Station& station, const ClockTime& time, const QString& user,
                       const QString& password, int readTimeoutMs);

} // namespace stations
