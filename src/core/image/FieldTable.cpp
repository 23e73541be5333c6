#include "image/FieldTable.h"

#include <QMutex>
#include <deque>

namespace fields {

const char* name(const char* stem, int row, int digits) {
    // Several workspaces may build their pages at once (one per station of a backup).
    static QMutex guard;
    static std::deque<QByteArray> names;
    const QMutexLocker lock(&guard);
    names.push_back(QByteArray(stem) + QByteArray::number(row).rightJustified(digits, '0'));
    return names.back().constData();
}

FieldSpec bit(const char* name, const char* row, const char* caption, int at, int bit, int size) {
    return {.name = name,
            .kind = FieldKind::Bit,
            .row = row,
            .caption = caption,
            .at = at,
            .size = size,
            .bit = bit};
}

FieldSpec number(const char* name, const char* row, const char* caption, int at, int size, int min,
                 int max, int initial) {
    return {.name = name,
            .kind = FieldKind::Number,
            .row = row,
            .caption = caption,
            .at = at,
            .size = size,
            .min = min,
            .max = max,
            .initial = double(initial)};
}

FieldSpec list(const char* name, const char* row, const char* caption, int at,
               const QStringList& items, int initial) {
    return {.name = name,
            .kind = FieldKind::List,
            .row = row,
            .caption = caption,
            .at = at,
            .initial = double(initial),
            .items = items};
}

FieldSpec tenths(const char* name, const char* row, const char* caption, int at, int min, int max,
                 double initial) {
    return {.name = name,
            .kind = FieldKind::Tenths,
            .row = row,
            .caption = caption,
            .at = at,
            .min = min,
            .max = max,
            .initial = initial};
}

FieldSpec description(const char* name, const char* row, int slotAddress) {
    return {.name = name,
            .kind = FieldKind::Description,
            .row = row,
            .caption = "Popis",
            .at = slotAddress,
            .size = mem::DescriptionSlotSize,
            .typing = mem::DescriptionMaxChars};
}

QStringList numbered(const QString& prefix, int count) {
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << prefix + QString::number(i);
    return items;
}

} // namespace fields
