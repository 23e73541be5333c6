#include "monitor/StationList.h"
#include "base/Language.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <array>

namespace stations {

namespace {

// One table lookup per byte: tens of thousands of records decode in a blink.
const std::array<QChar, 256>& codePage() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        QStringDecoder decoder("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString one = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1))
                                                  : QString(QLatin1Char(byte));
            t[size_t(b)] = one.isEmpty() ? QChar(QChar::ReplacementCharacter) : one.at(0);
            decoder.resetState();
        }
        return t;
    }();
    return table;
}

// A counted string: its length byte, then that many characters, never more than its
// capacity.
QString counted(const std::uint8_t* at, int capacity) {
    const int length = std::min<int>(at[0], capacity);
    QString text(length, Qt::Uninitialized);
    const auto& table = codePage();
    for (int i = 0; i < length; ++i)
        text[i] = table[at[1 + i]];
    return text;
}

} // namespace

std::vector<Station> decode(const QByteArray& content) {
    std::vector<Station> list;
    if (content.size() < HeaderSize)
        return list;
    const qsizetype count =
        std::min<qsizetype>((content.size() - HeaderSize) / RecordSize, MaxRecords);
    list.reserve(size_t(count));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.constData());
    for (qsizetype i = 0; i < count; ++i) {
        const std::uint8_t* r = bytes + HeaderSize + i * RecordSize;
        Station s;
        s.name = counted(r, 16);
        s.description = counted(r + 17, 50);
        s.ip = counted(r + 68, 16);
        s.port = quint16(r[85] | (r[86] << 8));
        s.type = r[87];
        s.kind = r[88];
        list.push_back(std::move(s));
    }
    return list;
}

bool isSafeNotesName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral("..")) &&
           !name.contains(QChar(0));
}

QString unreadNotice(qint64 unread) {
    return tx("monitor", "Seznam má %1 stanic, přečteno jen prvních %2; zbylých %3 nebylo "
                         "načteno.")
        .arg(unread + MaxRecords)
        .arg(MaxRecords)
        .arg(unread);
}

void markNotes(std::vector<Station>& list, const QString& notesFolder) {
    if (notesFolder.isEmpty())
        return;
    // One listing of the folder instead of one look per station.
    const QDir folder(notesFolder);
    const QStringList names =
        folder.entryList({QStringLiteral("*.pzn")}, QDir::Files | QDir::Hidden | QDir::System);
    const QSet<QString> present(names.begin(), names.end());
    for (Station& s : list)
        s.notes = isSafeNotesName(s.name) && present.contains(s.name + QStringLiteral(".pzn"));
}

std::optional<std::vector<Station>> read(const QString& path, const QString& notesFolder,
                                         qint64* unread) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    if (!QFileInfo(path).isFile())
        throw FileError(tx("monitor", "%1: Není to obyčejný soubor.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray content = file.read(qint64(HeaderSize) + qint64(RecordSize) * MaxRecords);
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (unread) {
        const qint64 records = std::max<qint64>(0, file.size() - HeaderSize) / RecordSize;
        *unread = std::max<qint64>(0, records - MaxRecords);
    }
    std::vector<Station> list = decode(content);
    markNotes(list, notesFolder);
    return list;
}

} // namespace stations
