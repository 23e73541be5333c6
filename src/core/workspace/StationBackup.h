#pragma once

#include "monitor/StationList.h"

#include <QString>

// Reading one station of a station list into its own file.
namespace stations {

struct BackupResult {
    bool ok = false;
    QString line; // "OK\tname\tip:port\tfile" or "CHYBA\tname\tip:port\twhy"
};

// Reads the whole configuration of the station on a connection of its own and writes it to
// file, only when the read was complete. A station whose address is no dotted address is
// not contacted; a file name that stands as a symbolic link is never written through. Safe
// to run for several stations side by side in threads of their own.
BackupResult backUp(const Station& station, const QString& file, int readTimeoutMs);

} // namespace stations
