#include "monitor/StationFiles.h"

#include <QHash>
#include <QSet>

namespace stations {

namespace {

bool unsafe(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || c == QChar::ReplacementCharacter ||
           c.isSurrogate() || QStringView(u"\\/:*?\"<>|").contains(c);
}

bool isDeviceName(const QString& name) {
    // Windows takes the part before the first dot, spaces at its end aside.
    QString stem = name.section(QLatin1Char('.'), 0, 0).toUpper();
    while (stem.endsWith(QLatin1Char(' ')))
        stem.chop(1);
    static const QStringList devices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 &&
           (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           stem.at(3).isDigit();
}

} // namespace

QString safeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe)
        if (unsafe(c))
            c = QLatin1Char('_');
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    while (safe.startsWith(QLatin1Char(' ')))
        safe.remove(0, 1);
    if (safe.isEmpty())
        return QStringLiteral("stanice");
    if (isDeviceName(safe))
        safe.prepend(QLatin1Char('_'));
    return safe;
}

QStringList uniqueFileNames(const std::vector<Station>& list) {
    QStringList names;
    names.reserve(qsizetype(list.size()));
    QSet<QString> taken;
    taken.reserve(qsizetype(list.size()));
    // Per base name, the number to try next: many stations of one name take one step each.
    QHash<QString, int> next;
    for (const Station& s : list) {
        const QString base = safeFileName(s.name);
        const QString key = base.toCaseFolded();
        QString name = base;
        if (taken.contains(key)) {
            int& n = next[key];
            if (n < 2)
                n = 2;
            do
                name = QStringLiteral("%1 (%2)").arg(base).arg(n++);
            while (taken.contains(name.toCaseFolded()));
        }
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

} // namespace stations
