#include "operations/StationHistory.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/MemoryMap.h"
#include "workspace/ConfigDiff.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <cstring>
#include <git2.h>
#include <set>

namespace history {

namespace {

// libgit2's objects, freed by their own functions.
template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* p) const { Free(p); }
};
template <typename T, void (*Free)(T*)> using Owned = std::unique_ptr<T, Deleter<T, Free>>;
using Commit = Owned<git_commit, git_commit_free>;
using Tree = Owned<git_tree, git_tree_free>;
using Blob = Owned<git_blob, git_blob_free>;
using Builder = Owned<git_treebuilder, git_treebuilder_free>;
using Signature = Owned<git_signature, git_signature_free>;
using Walk = Owned<git_revwalk, git_revwalk_free>;
using Index = Owned<git_index, git_index_free>;
using Reference = Owned<git_reference, git_reference_free>;

QString gitProblem(const QString& folder, const QString& what) {
    const git_error* e = git_error_last();
    return tx("operations", "Historie záloh v %1: %2 se nezdařilo (%3).")
        .arg(folder, what,
             e && e->message ? visibleText(QString::fromUtf8(e->message))
                             : tx("operations", "neznámá chyba"));
}

// libgit2 is set up once for the program and left so: runs in threads share it.
void setUp() {
    static const int once = git_libgit2_init();
    (void)once;
}

QByteArray ql5(const QString& name) {
    return (name + QStringLiteral(".ql5")).toUtf8();
}

// The head commit, or none in a repository without commits.
Commit headCommit(git_repository* repo) {
    git_reference* ref = nullptr;
    if (git_repository_head(&ref, repo) != 0)
        return {};
    Reference owned(ref);
    git_object* object = nullptr;
    if (git_reference_peel(&object, ref, GIT_OBJECT_COMMIT) != 0)
        return {};
    return Commit(reinterpret_cast<git_commit*>(object));
}

Tree treeOf(const git_commit* commit) {
    git_tree* tree = nullptr;
    if (!commit || git_commit_tree(&tree, commit) != 0)
        return {};
    return Tree(tree);
}

// The blob id of NAME in the tree, or null.
const git_oid* entryId(const git_tree* tree, const QByteArray& name) {
    if (!tree)
        return nullptr;
    const git_tree_entry* entry = git_tree_entry_byname(tree, name.constData());
    return entry ? git_tree_entry_id(entry) : nullptr;
}

ConfigImage imageOf(git_repository* repo, const git_oid* id) {
    ConfigImage image;
    git_blob* blob = nullptr;
    if (id && git_blob_lookup(&blob, repo, id) == 0) {
        Blob owned(blob);
        const auto size = std::min<git_object_size_t>(git_blob_rawsize(blob), mem::ImageSize);
        std::memcpy(image.data(), git_blob_rawcontent(blob), size_t(size));
    }
    return image;
}

// What changed in a station between two blobs of its backup.
QStringList changedFields(git_repository* repo, const git_oid* before, const git_oid* after) {
    if (!before)
        return {tx("operations", "nová záloha")};
    QStringList lines;
    const std::vector<FieldChange> changes =
        diffImages(imageOf(repo, before), imageOf(repo, after));
    for (const FieldChange& change : changes) {
        if (lines.size() == MaxLines) {
            lines << tx("operations", "… a %1 dalších").arg(changes.size() - MaxLines);
            break;
        }
        lines << changeLine(change);
    }
    if (lines.isEmpty())
        lines << tx("operations", "změna mimo pole konfigurace");
    return lines;
}

QDateTime commitTime(const git_commit* commit) {
    return QDateTime::fromSecsSinceEpoch(git_commit_time(commit),
                                         QTimeZone(git_commit_time_offset(commit) * 60));
}

QString abbreviated(const git_oid* id) {
    char text[GIT_OID_HEXSZ + 1] = {};
    git_oid_tostr(text, sizeof text, id);
    return QString::fromLatin1(text).left(8);
}

// The stations whose backup a commit changed against its first parent.
std::vector<StationChange> changesOf(git_repository* repo, const git_commit* commit,
                                     const QString& only) {
    std::vector<StationChange> changes;
    const Tree tree = treeOf(commit);
    if (!tree)
        return changes;
    Commit parent;
    if (git_commit_parentcount(commit) > 0) {
        git_commit* p = nullptr;
        if (git_commit_parent(&p, commit, 0) == 0)
            parent.reset(p);
    }
    const Tree before = treeOf(parent.get());
    const size_t count = git_tree_entrycount(tree.get());
    for (size_t i = 0; i < count; ++i) {
        const git_tree_entry* entry = git_tree_entry_byindex(tree.get(), i);
        const QString file = QString::fromUtf8(git_tree_entry_name(entry));
        if (!file.endsWith(QLatin1String(".ql5")))
            continue;
        const QString name = file.chopped(4);
        if (!only.isEmpty() && name != only)
            continue;
        const git_oid* was = entryId(before.get(), ql5(name));
        const git_oid* now = git_tree_entry_id(entry);
        if (was && git_oid_equal(was, now))
            continue;
        changes.push_back({name, changedFields(repo, was, now)});
    }
    return changes;
}

} // namespace

Repository::Repository(const QString& folder, bool create) : m_folder(folder) {
    setUp();
    const QByteArray path = QFile::encodeName(QDir(folder).absolutePath());
    // This very folder: a backup folder inside some other repository is not that one.
    if (git_repository_open_ext(&m_repo, path.constData(), GIT_REPOSITORY_OPEN_NO_SEARCH,
                                nullptr) == 0)
        return;
    if (!create)
        throw FileError(
            tx("operations", "%1 není historie záloh (složka není repozitář git).").arg(folder));
    if (!QDir().mkpath(folder))
        throw FileError(tx("operations", "%1: složku nelze vytvořit.").arg(folder));
    if (git_repository_init(&m_repo, path.constData(), 0) != 0)
        throw FileError(gitProblem(folder, tx("operations", "založení repozitáře")));
}

Repository::~Repository() {
    git_repository_free(m_repo);
}

QString Repository::backupFile(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".ql5"));
}

QString Repository::documentFile(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".json"));
}

std::vector<StationChange> Repository::commit(const QStringList& names, const QDateTime& when) {
    const auto fail = [this](const QString& what) { throw FileError(gitProblem(m_folder, what)); };
    const Commit head = headCommit(m_repo);
    const Tree headTree = treeOf(head.get());
    git_treebuilder* builder = nullptr;
    if (git_treebuilder_new(&builder, m_repo, headTree.get()) != 0)
        fail(tx("operations", "čtení poslední zálohy"));
    const Builder owned(builder);
    std::vector<StationChange> changes;
    for (const QString& name : names) {
        bool changed = false;
        git_oid backup{};
        for (const QString& file : {backupFile(m_folder, name), documentFile(m_folder, name)}) {
            QFile in(file);
            // Files the run wrote itself: never a link to somewhere else.
            if (QFileInfo(file).isSymLink() || !in.open(QIODevice::ReadOnly))
                throw FileError(
                    tx("operations", "Soubor %1 nelze přečíst: %2").arg(file, in.errorString()));
            const QByteArray bytes = in.readAll();
            if (in.error() != QFileDevice::NoError)
                throw FileError(
                    tx("operations", "Soubor %1 nelze přečíst: %2").arg(file, in.errorString()));
            git_oid id{};
            if (git_blob_create_from_buffer(&id, m_repo, bytes.constData(), size_t(bytes.size())) !=
                0)
                fail(tx("operations", "uložení %1").arg(QFileInfo(file).fileName()));
            const QByteArray entry = QFileInfo(file).fileName().toUtf8();
            const git_oid* was = entryId(headTree.get(), entry);
            changed = changed || !was || !git_oid_equal(was, &id);
            if (git_treebuilder_insert(nullptr, builder, entry.constData(), &id,
                                       GIT_FILEMODE_BLOB) != 0)
                fail(tx("operations", "uložení %1").arg(QFileInfo(file).fileName()));
            if (file.endsWith(QLatin1String(".ql5")))
                backup = id;
        }
        if (changed)
            changes.push_back(
                {name, changedFields(m_repo, entryId(headTree.get(), ql5(name)), &backup)});
    }
    if (changes.empty())
        return changes;
    git_oid treeId{};
    if (git_treebuilder_write(&treeId, builder) != 0)
        fail(tx("operations", "zápis stromu"));
    git_tree* tree = nullptr;
    if (git_tree_lookup(&tree, m_repo, &treeId) != 0)
        fail(tx("operations", "zápis stromu"));
    const Tree newTree(tree);
    git_signature* signature = nullptr;
    if (git_signature_default(&signature, m_repo) != 0 &&
        git_signature_new(&signature, "quel5ctl", "quel5ctl@localhost",
                          git_time_t(when.toSecsSinceEpoch()), when.offsetFromUtc() / 60) != 0)
        fail(QStringLiteral("podpis"));
    const Signature who(signature);
    const QByteArray message = runMessage(changes).toUtf8();
    const git_commit* parents[] = {head.get()};
    git_oid commitId{};
    // The commit moves HEAD last, under git's lock: until then the repository is the old one.
    if (git_commit_create(&commitId, m_repo, "HEAD", who.get(), who.get(), nullptr,
                          message.constData(), newTree.get(), head ? 1 : 0, parents) != 0)
        fail(tx("operations", "zápis zálohy do historie"));
    // The index follows, so that git status shows the folder clean.
    git_index* index = nullptr;
    if (git_repository_index(&index, m_repo) == 0) {
        const Index ownedIndex(index);
        if (git_index_read_tree(index, newTree.get()) == 0)
            git_index_write(index);
    }
    return changes;
}

std::vector<Run> Repository::runs(const QString& name, int limit) const {
    std::vector<Run> runs;
    git_revwalk* walk = nullptr;
    if (git_revwalk_new(&walk, m_repo) != 0)
        throw FileError(gitProblem(m_folder, tx("operations", "čtení historie")));
    const Walk owned(walk);
    git_revwalk_sorting(walk, GIT_SORT_TIME | GIT_SORT_TOPOLOGICAL);
    if (git_revwalk_push_head(walk) != 0)
        return runs; // no run yet
    git_oid id{};
    int seen = 0;
    while (seen++ < limit && git_revwalk_next(&id, walk) == 0) {
        git_commit* c = nullptr;
        if (git_commit_lookup(&c, m_repo, &id) != 0)
            throw FileError(gitProblem(m_folder, tx("operations", "čtení historie")));
        const Commit commit(c);
        std::vector<StationChange> changes = changesOf(m_repo, commit.get(), name);
        if (!changes.empty())
            runs.push_back({commitTime(commit.get()), abbreviated(&id), std::move(changes)});
    }
    return runs;
}

std::map<QString, std::pair<QDateTime, QStringList>> Repository::lastChanges(int limit) const {
    std::map<QString, std::pair<QDateTime, QStringList>> last;
    for (const Run& run : runs({}, limit))
        for (const StationChange& change : run.stations)
            last.emplace(change.name, std::make_pair(run.when, change.fields));
    return last;
}

QString runMessage(const std::vector<StationChange>& changes) {
    QStringList names;
    for (const StationChange& c : changes)
        names << c.name;
    QString text = tx("operations", "Záloha: změněno %1 (%2)\n")
                       .arg(changes.size())
                       .arg(visibleText(names.join(QStringLiteral(", "))));
    for (const StationChange& c : changes) {
        text += QStringLiteral("\n%1:\n").arg(visibleText(c.name));
        for (const QString& line : c.fields)
            text += QStringLiteral("  %1\n").arg(line);
    }
    return text;
}

} // namespace history
