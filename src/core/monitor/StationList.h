#pragma once

#include <QString>
#include <optional>
#include <vector>

// One station of a station list file.
struct Station {
    QString name;        // at most 16 characters
    QString description; // at most 50
    QString ip;          // dotted text, at most 16
    quint16 port = 0;
    quint8 type = 0;
    quint8 kind = 0;
    bool notes = false; // a notes file <name>.pzn exists in the notes folder
};

// The station list file, written by other software: a 3-byte header, then 91-byte
// records (counted strings of capacity 16, 50, 16, the port, type and kind). A trailing
// part shorter than a record is ignored; more than 65535 records are outside the format
// and not read.
namespace stations {

constexpr int HeaderSize = 3;
constexpr int RecordSize = 91;
constexpr int MaxRecords = 65535;

// Nothing when no file exists at path (an empty path included); throws FileError when it
// exists but cannot be read. notesFolder may be empty: then no station has notes. When
// unread is given it receives the number of whole records past the first MaxRecords.
std::optional<std::vector<Station>> read(const QString& path, const QString& notesFolder,
                                         qint64* unread = nullptr);

// The stations in the bytes of such a file.
std::vector<Station> decode(const QByteArray& content);

// Marks the stations whose notes file exists. A name that would reach outside the folder
// (with a slash, a backslash or "..") is never looked for.
void markNotes(std::vector<Station>& list, const QString& notesFolder);
bool isSafeNotesName(const QString& name);
// What the user is told when unread stations were left past MaxRecords.
QString unreadNotice(qint64 unread);

} // namespace stations
