#pragma once

#include "monitor/StationList.h"

#include <QString>
#include <QStringList>
#include <vector>

// The files a station backup writes into one folder, named after the stations.
namespace stations {

// A station name as a file name of its own in the folder: characters that separate
// folders, that file systems refuse, control characters (C0, DEL, C1) and characters the
// code page lacks become '_'; spaces at the start and dots and spaces at the end go; a
// device name of Windows ("CON", "com1.x", "Lpt9 .a") gets a leading '_'; "." and ".."
// and an empty name become "stanice".
QString safeFileName(const QString& name);

// One name (without extension) for each station, in list order: its safe name, and for a
// name already given (letter case aside, as on a disk that ignores it) " (2)", " (3)", …
// Linear in the number of stations.
QStringList uniqueFileNames(const std::vector<Station>& list);

} // namespace stations
