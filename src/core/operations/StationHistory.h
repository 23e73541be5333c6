#pragma once

#include "image/ConfigImage.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

struct git_repository;

// A history of station backups: a folder that is a git repository, each station's backup
// stored as NAME.ql5 and beside it NAME.json (what `quel5ctl export` writes), one commit for
// every run that changed anything. The repository is readable by the ordinary git program;
// a run that fails half-way (a crash, a full disk) leaves it as it was before the run,
// because the commit that names the new files is the last thing written.
namespace history {

// The changed fields of one station in one run: changeLine()s, at most MaxLines of them
// and then "… a N dalších"; a first backup says "nová záloha".
struct StationChange {
    QString name; // the files' name, without ".ql5"
    QStringList fields;
};

// One run that changed something, newest first.
struct Run {
    QDateTime when;
    QString id; // the commit, abbreviated
    std::vector<StationChange> stations;
};

constexpr int MaxLines = 5;

class Repository {
public:
    // Opens the repository that is this very folder (never one of the folders above), and
    // makes one when the folder has none and `create` is true. Throws FileError.
    explicit Repository(const QString& folder, bool create = false);
    ~Repository();
    Repository(const Repository&) = delete;
    Repository& operator=(const Repository&) = delete;

    QString folder() const { return m_folder; }
    static QString backupFile(const QString& folder, const QString& name);
    static QString documentFile(const QString& folder, const QString& name);

    // Commits NAME.ql5 and NAME.json of these stations as the folder holds them now; every
    // other station's files stay as the last run left them. The changes committed, empty
    // when nothing changed (then no commit is made). Throws FileError.
    std::vector<StationChange> commit(const QStringList& names, const QDateTime& when);

    // The runs, newest first, at most `limit`; with a name, only the runs that changed
    // that station, and only its change in each.
    std::vector<Run> runs(const QString& name = {}, int limit = 100000) const;

    // Each station's newest change: for the overview's column.
    std::map<QString, std::pair<QDateTime, QStringList>> lastChanges(int limit = 1000) const;

private:
    git_repository* m_repo = nullptr;
    QString m_folder;
};

// The commit message of a run: a line that counts the stations, then each with its fields.
QString runMessage(const std::vector<StationChange>& changes);

} // namespace history
