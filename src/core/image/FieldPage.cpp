#include "image/FieldPage.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int readUnsigned(const ConfigImage& image, int at, int size) {
    return size >= 2 ? image.u16(at) : image[at];
}

void writeUnsigned(ConfigImage& image, int at, int size, int value) {
    if (size >= 2)
        image.setU16(at, std::uint16_t(std::clamp(value, 0, 0xFFFF)));
    else
        image[at] = std::uint8_t(std::clamp(value, 0, 0xFF));
}

bool hasRange(const FieldSpec& f) {
    return f.max > f.min;
}

QVariant initialValue(const FieldSpec& f) {
    switch (f.kind) {
    case FieldKind::Address:
    case FieldKind::Text:
    case FieldKind::ClearedText:
    case FieldKind::Description:
    case FieldKind::Label:
        return QString::fromUtf8(f.initialText);
    case FieldKind::Number:
    case FieldKind::List:
    case FieldKind::Mode:
    case FieldKind::BitChoice:
        return int(f.initial);
    case FieldKind::Flag:
    case FieldKind::Bit:
        return f.initial != 0;
    case FieldKind::Tenths:
    case FieldKind::SignedTenths:
        return f.initial;
    }
    return {};
}

// Bit v of a rule's mask stands for the value v; no selection and values past 30 share
// bit 31.
bool holds(const QVariant& value, unsigned mask) {
    const int v = value.toInt();
    return (mask >> (v >= 0 && v <= 30 ? v : 31)) & 1u;
}

} // namespace

FieldPage::FieldPage(std::vector<mem::Region> regions, std::vector<FieldSpec> fields)
    : m_regions(std::move(regions)), m_fields(std::move(fields)) {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        m_index.insert(QString::fromLatin1(m_fields[i].name), int(i));
        m_values.push_back(initialValue(m_fields[i]));
        if (m_fields[i].kind == FieldKind::Mode)
            m_mode = int(i);
    }
    for (const FieldSpec& f : m_fields) {
        for (const ShowWhen& w : f.shownWhen) {
            m_keys.insert(QString::fromLatin1(w.field));
            if (w.also)
                m_keys.insert(QString::fromLatin1(w.also));
        }
        if (f.captionBy)
            m_keys.insert(QString::fromLatin1(f.captionBy));
    }
    if (m_mode >= 0)
        m_keys.insert(QString::fromLatin1(m_fields[size_t(m_mode)].name));
}

bool FieldPage::rulesHold(const FieldSpec& f) const {
    if (f.shownWhen.empty())
        return true;
    for (const ShowWhen& w : f.shownWhen)
        if (holds(value(QLatin1String(w.field)), w.values) &&
            (!w.also || holds(value(QLatin1String(w.also)), w.alsoValues)))
            return true;
    return false;
}

bool FieldPage::isShown(const FieldSpec& f) const {
    if (f.mode >= 0 && m_mode >= 0 && m_values[size_t(m_mode)].toInt() != f.mode)
        return false;
    return rulesHold(f);
}

QString FieldPage::captionNow(const FieldSpec& f) const {
    if (f.captionBy) {
        const int k = value(QLatin1String(f.captionBy)).toInt();
        if (k >= 0 && k < f.items.size())
            return f.items.at(k);
    }
    return QString::fromUtf8(f.kind == FieldKind::Label && *f.initialText ? f.initialText
                                                                          : f.caption);
}

const FieldSpec* FieldPage::field(const QString& name) const {
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? nullptr : &m_fields[size_t(*it)];
}

QVariant FieldPage::value(const QString& name) const {
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? QVariant() : m_values[size_t(*it)];
}

void FieldPage::setValue(const QString& name, const QVariant& value) {
    const auto it = m_index.constFind(name);
    if (it != m_index.constEnd())
        m_values[size_t(*it)] = value;
}

QVariant FieldPage::read(const FieldSpec& f) const {
    const std::uint8_t* at = m_copy.data() + f.at;
    switch (f.kind) {
    case FieldKind::Address:
        return formatIpAddress(at);
    case FieldKind::Text:
    case FieldKind::ClearedText:
        return getZeroTerminated(at, f.size);
    case FieldKind::Number: {
        const int raw = readUnsigned(m_copy, f.at, f.size);
        return hasRange(f) ? std::clamp(raw, f.min, f.max) : raw;
    }
    case FieldKind::Flag:
        return *at == 1;
    case FieldKind::Bit:
        return ((readUnsigned(m_copy, f.at, f.size) >> f.bit) & 1) != 0;
    case FieldKind::List: {
        const int index = *at;
        return index < f.items.size() ? index : -1;
    }
    case FieldKind::Tenths:
        return readUnsigned(m_copy, f.at, f.size) / 10.0;
    case FieldKind::SignedTenths:
        // A stored value outside the box's range is shown as it is and goes back as it
        // came unless edited; the box limits only what can be typed.
        return std::int16_t(m_copy.u16(f.at)) / 10.0;
    case FieldKind::BitChoice: {
        int chosen = -1;
        for (int set = 0; set < f.items.size(); ++set)
            if ((m_copy[f.at + set] >> f.bit) & 1)
                chosen = set;
        return chosen;
    }
    case FieldKind::Description:
    case FieldKind::Label:
    case FieldKind::Mode:
        return {};
    }
    return {};
}

void FieldPage::write(const FieldSpec& f, const QVariant& value) {
    std::uint8_t* at = m_copy.data() + f.at;
    switch (f.kind) {
    case FieldKind::Address: {
        const auto parsed = parseIpAddress(value.toString());
        if (!parsed)
            throw GatherError(QStringLiteral("The string %1 does not translate into a valid IP.")
                                  .arg(value.toString()));
        std::memcpy(at, parsed->data(), 4);
        if (f.mirror >= 0)
            std::memcpy(m_copy.data() + f.mirror, parsed->data(), 4);
        break;
    }
    case FieldKind::ClearedText:
        std::fill_n(at, f.size, std::uint8_t(0));
        [[fallthrough]];
    case FieldKind::Text: {
        const int length = putZeroTerminated(at, f.size, value.toString());
        if (f.mirror >= 0)
            m_copy[f.mirror] = std::uint8_t(length);
        break;
    }
    case FieldKind::Number: {
        const int v = value.toInt();
        writeUnsigned(m_copy, f.at, f.size, hasRange(f) ? std::clamp(v, f.min, f.max) : v);
        break;
    }
    case FieldKind::Flag:
        *at = value.toBool() ? 1 : 0;
        break;
    case FieldKind::Bit:
        if (value.toBool())
            writeUnsigned(m_copy, f.at, f.size, readUnsigned(m_copy, f.at, f.size) | (1 << f.bit));
        break;
    case FieldKind::List: {
        const int index = value.toInt();
        *at = index < 0 || index >= f.items.size() ? 255 : std::uint8_t(index);
        break;
    }
    case FieldKind::Tenths:
        // Rounded to the nearest tenth; a value the control left as scattered goes back
        // as it came.
        writeUnsigned(m_copy, f.at, f.size, int(std::lround(value.toDouble() * 10.0)));
        break;
    case FieldKind::SignedTenths:
        m_copy.setU16(f.at, std::uint16_t(std::int16_t(tenthsHalfEven(value.toDouble(), f))));
        break;
    case FieldKind::BitChoice: {
        const int set = value.toInt();
        if (set >= 0 && set < f.items.size())
            m_copy[f.at + set] = std::uint8_t(m_copy[f.at + set] | (1 << f.bit));
        break;
    }
    case FieldKind::Description:
    case FieldKind::Label:
    case FieldKind::Mode:
        break;
    }
}

int FieldPage::tenthsHalfEven(double value, const FieldSpec& f) {
    // nearbyint rounds ties to even in the default rounding mode.
    // The range limits typing and importing; what is stored only has to fit its word.
    Q_UNUSED(f);
    const double tenths = std::nearbyint(value * 10.0);
    return std::isnan(tenths) ? 0 : int(std::clamp(tenths, -32768.0, 32767.0));
}

void FieldPage::scatterImage(const ConfigImage& image) {
    for (const mem::Region& r : m_regions)
        std::memcpy(m_copy.data() + r.first, image.data() + r.first, size_t(r.size));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldKind kind = m_fields[i].kind;
        if (kind == FieldKind::Description)
            m_values[i] = image.description(m_fields[i].at);
        else if (kind != FieldKind::Label && kind != FieldKind::Mode)
            m_values[i] = read(m_fields[i]);
    }
    afterScatter();
}

void FieldPage::gatherImage(ConfigImage& image) {
    // A bit set holds exactly what its controls say: its bytes start from zero.
    QSet<int> cleared;
    for (const FieldSpec& f : m_fields) {
        if (!f.stored)
            continue;
        if (f.kind == FieldKind::Bit && !cleared.contains(f.at)) {
            cleared.insert(f.at);
            writeUnsigned(m_copy, f.at, f.size, 0);
        }
        if (f.kind == FieldKind::BitChoice)
            for (int set = 0; set < f.items.size(); ++set)
                if (!cleared.contains(f.at + set)) {
                    cleared.insert(f.at + set);
                    m_copy[f.at + set] = 0;
                }
    }
    // A value that cannot be stored stops here: the copy is partly updated, the image not.
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].stored)
            write(m_fields[i], m_values[i]);
    beforeStore(m_copy);
    for (const mem::Region& r : m_regions)
        std::memcpy(image.data() + r.first, m_copy.data() + r.first, size_t(r.size));
    // The descriptions go to their slots after the record.
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].kind == FieldKind::Description && m_fields[i].stored)
            image.setDescription(m_fields[i].at, m_values[i].toString());
}

QVariant FieldPage::shownValue(const FieldSpec& f, const QVariant& value) {
    switch (f.kind) {
    case FieldKind::List:
    case FieldKind::BitChoice: {
        // No selection is no value at all.
        const int index = value.toInt();
        return index >= 0 && index < f.items.size() ? QVariant(f.items.at(index)) : QVariant();
    }
    case FieldKind::Flag:
    case FieldKind::Bit:
        return value.toBool();
    case FieldKind::Number:
        return value.toInt();
    case FieldKind::Tenths:
    case FieldKind::SignedTenths:
        return std::round(value.toDouble() * 10.0) / 10.0;
    default:
        return value.toString();
    }
}

QVariant FieldPage::shownValueNow(const FieldSpec& f) const {
    return shownValue(f, value(QLatin1String(f.name)));
}

std::vector<ShownField> FieldPage::shownFields() const {
    std::vector<ShownField> shown;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldSpec& f = m_fields[i];
        if (!*f.caption || f.kind == FieldKind::Mode || !f.stored || !rulesHold(f))
            continue;
        QString caption = captionNow(f);
        if (f.mode >= 0 && m_mode >= 0)
            caption += QStringLiteral(" (%1)").arg(m_fields[size_t(m_mode)].items.value(f.mode));
        const bool item = f.kind == FieldKind::List || f.kind == FieldKind::BitChoice;
        const QVariant value = shownValueNow(f);
        shown.push_back({QString::fromUtf8(f.row), caption, value, followsNow(f),
                         QLatin1String(f.name),
                         item ? ShownField::Form::Item : ShownField::Form::Plain,
                         item ? itemKey(f.items, value.toString()) : QString()});
    }
    return shown;
}

namespace {

QString given(const QVariant& v) {
    if (!v.isValid())
        return QStringLiteral("null");
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (v.typeId() == QMetaType::QString)
        return QStringLiteral("„%1“").arg(visibleText(v.toString()));
    return QString::number(v.toDouble());
}

bool isNumber(const QVariant& v) {
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
           v.typeId() == QMetaType::LongLong;
}

} // namespace

QVariant FieldPage::fromShown(const FieldSpec& f, const QString& where, const QVariant& v) const {
    const auto expect = [&](const QString& what) {
        throwBadValue(where, tx("image", "čeká se %1, ne %2.").arg(what, given(v)));
    };
    const auto inRange = [&](double shown, double low, double high, double scale) {
        if (shown < low / scale || shown > high / scale)
            throwBadValue(where, tx("image", "%1 je mimo rozsah %2 až %3.")
                                     .arg(given(v), QString::number(low / scale),
                                          QString::number(high / scale)));
    };
    switch (f.kind) {
    case FieldKind::Address:
        if (v.typeId() != QMetaType::QString)
            expect(tx("image", "IP adresa v uvozovkách"));
        if (!parseIpAddress(v.toString()))
            throwBadValue(where, tx("image", "%1 není IP adresa.").arg(given(v)));
        return v.toString();
    case FieldKind::Text:
    case FieldKind::ClearedText:
    case FieldKind::Description: {
        if (v.typeId() != QMetaType::QString)
            expect(QStringLiteral("text"));
        int room = f.kind == FieldKind::Description ? mem::DescriptionSlotSize - 1 : f.size - 1;
        if (f.typing > 0)
            room = std::min(room, f.typing);
        if (v.toString().size() > room)
            throwBadValue(where, tx("image", "text je delší než %1 znaků.").arg(room));
        return v.toString();
    }
    case FieldKind::Number:
    case FieldKind::Tenths:
    case FieldKind::SignedTenths: {
        if (!isNumber(v) || !std::isfinite(v.toDouble()))
            expect(tx("image", "číslo"));
        const auto [low, high] = rangeNow(f);
        const double scale = f.kind == FieldKind::Number ? 1.0 : 10.0;
        const double shown = v.toDouble();
        if (f.kind == FieldKind::Number && shown != std::floor(shown))
            expect(tx("image", "celé číslo"));
        if (low != high)
            inRange(shown, low, high, scale);
        else if (f.kind == FieldKind::Tenths)
            inRange(shown, 0, std::ldexp(1.0, 8 * f.size) - 1, scale);
        return f.kind == FieldKind::Number ? QVariant(int(shown)) : QVariant(shown);
    }
    case FieldKind::Flag:
    case FieldKind::Bit:
        if (v.typeId() != QMetaType::Bool)
            expect(tx("image", "true nebo false"));
        return v.toBool();
    case FieldKind::List:
    case FieldKind::BitChoice: {
        if (!v.isValid())
            return -1;
        // The item's text, or its key.
        const int index = v.typeId() == QMetaType::QString ? itemByKey(f.items, v.toString()) : -1;
        if (index < 0) {
            QStringList quoted;
            for (const QString& item : f.items)
                quoted << QStringLiteral("„%1“").arg(item);
            expect(tx("image", "jedna z položek %1 nebo null").arg(quoted.join(", ")));
        }
        return index;
    }
    case FieldKind::Label:
    case FieldKind::Mode:
        break;
    }
    throwBadValue(where, tx("image", "pole se jen zobrazuje, nelze ho změnit."));
}

void FieldPage::setShownFields(const std::vector<ShownField>& given, const Refusal& refuse) {
    // A field is given by its key, or by where it is shown under the captions it has now.
    QHash<QString, size_t> byKey, byWhere;
    for (size_t i = 0; i < given.size(); ++i)
        (given[i].key.isEmpty() ? byWhere : byKey)
            .insert(given[i].key.isEmpty() ? given[i].where() : given[i].key, i);
    std::vector<bool> taken(given.size(), false);
    // The fields others' captions and showing depend on go first, so that the rest are
    // looked up under the captions they then have.
    for (const bool keys : {true, false})
        for (const FieldSpec& f : m_fields) {
            if (!*f.caption || f.kind == FieldKind::Mode || !f.stored || isKey(f.name) != keys)
                continue;
            QString caption = captionNow(f);
            if (f.mode >= 0 && m_mode >= 0)
                caption +=
                    QStringLiteral(" (%1)").arg(m_fields[size_t(m_mode)].items.value(f.mode));
            ShownField shownNow;
            shownNow.row = QString::fromUtf8(f.row);
            shownNow.caption = caption;
            auto it = byKey.constFind(QLatin1String(f.name));
            if (it == byKey.constEnd())
                it = byWhere.constFind(shownNow.where());
            if (it == byWhere.constEnd() || taken[*it])
                continue;
            const ShownField& field = given[*it];
            taken[*it] = true;
            const QString where = shownNow.where(); // by its captions, also when keyed
            const QVariant v = field.follows ? QVariant() : field.value;
            if (!v.isValid() && mayFollow(f)) {
                if (!followsNow(f))
                    setValue(QLatin1String(f.name), 0.0); // left at 0, it follows
                continue;
            }
            if (sameShownValue(v, shownValueNow(f)))
                continue;
            QString problem;
            try {
                setValue(QLatin1String(f.name), fromShown(f, where, v));
            } catch (const OperationError& e) {
                problem = e.text();
            }
            if (!problem.isEmpty())
                refuse(problem);
        }
    for (size_t i = 0; i < given.size(); ++i)
        if (!taken[i])
            refuse(unknownFieldText(given[i].where()));
}
