#include "image/Page.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"

bool sameShownValue(const QVariant& a, const QVariant& b) {
    const auto numeric = [](const QVariant& v) {
        return v.typeId() == QMetaType::Int || v.typeId() == QMetaType::Double ||
               v.typeId() == QMetaType::LongLong;
    };
    if (numeric(a) && numeric(b))
        return a.toDouble() == b.toDouble();
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    return a.typeId() == b.typeId() && a == b;
}

namespace {

// "Teplota1 (Mod 1)": a caption and the mode its value belongs to.
QString shownCaption(const QString& caption) {
    if (QString whole = tx("fields", caption); whole != caption)
        return whole;
    const qsizetype open = caption.lastIndexOf(QLatin1String(" ("));
    if (open > 0 && caption.endsWith(QLatin1Char(')')))
        return QStringLiteral("%1 (%2)").arg(
            tx("fields", caption.left(open)),
            tx("items", caption.mid(open + 2, caption.size() - open - 3)));
    return tx("fields", caption);
}

} // namespace

QString ShownField::shownWhere() const {
    const QString shown = shownCaption(caption);
    return row.isEmpty() ? shown : tx("rows", row) + QStringLiteral(" / ") + shown;
}

QString ShownField::shownValue() const {
    if (!value.isValid())
        return tx("values", "(nevybráno)");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? tx("values", "ano") : tx("values", "ne");
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'f', 1);
    case QMetaType::Int:
        return QString::number(value.toInt());
    default:
        break;
    }
    const QString text = value.toString();
    if (form == Form::Item)
        return tx("items", text);
    if (form == Form::Items) {
        QStringList parts = text.split(QStringLiteral(", "));
        for (QString& part : parts)
            part = tx("items", part);
        return parts.join(QStringLiteral(", "));
    }
    return text;
}

QString unknownFieldText(const QString& where) {
    return tx("image", "Neznámé pole „%1“.").arg(visibleText(where));
}

QString badValueText(const QString& where, const QString& problem) {
    return tx("image", "Pole „%1“: %2").arg(visibleText(where), problem);
}

void throwBadValue(const QString& where, const QString& problem) {
    throw OperationError(badValueText(where, problem));
}

void Page::setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse) {
    for (const ShownField& f : fields)
        refuse(unknownFieldText(f.where()));
}

std::vector<ShownField> underCaptions(const std::vector<ShownField>& given,
                                      const std::vector<ShownField>& now) {
    std::vector<ShownField> fields = given;
    for (ShownField& f : fields)
        for (const ShownField& n : now)
            if (!f.key.isEmpty() && n.key == f.key) {
                f.row = n.row;
                f.caption = n.caption;
            }
    return fields;
}

QString itemKey(const QStringList& items, const QString& text) {
    const QString key = asciiKey(text);
    int same = 0;
    for (const QString& item : items)
        same += asciiKey(item) == key ? 1 : 0;
    return key.isEmpty() || same > 1 ? text : key;
}

int itemByKey(const QStringList& items, const QString& given) {
    const int exact = int(items.indexOf(given));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < items.size(); ++i)
        if (itemKey(items, items.at(i)) == given)
            return i;
    return -1;
}
