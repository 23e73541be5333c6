#include "image/Page.h"

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

QString unknownFieldText(const QString& where) {
    return QStringLiteral("Neznámé pole „%1“.").arg(visibleText(where));
}

QString badValueText(const QString& where, const QString& problem) {
    return QStringLiteral("Pole „%1“: %2").arg(visibleText(where), problem);
}

void throwBadValue(const QString& where, const QString& problem) {
    throw OperationError(badValueText(where, problem));
}

void Page::setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse) {
    for (const ShownField& f : fields)
        refuse(unknownFieldText(f.where()));
}
