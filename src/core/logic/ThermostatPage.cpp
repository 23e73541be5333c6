#include "logic/ThermostatPage.h"
#include "base/Language.h"

#include "image/FieldTable.h"

#include <cmath>

const QStringList ThermostatPage::TypeNames = {
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "0: nepoužit")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "1: sepne nad TH, vypne pod TL")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "2: sepne pod TL, vypne nad TH")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "3: sepnut mezi TL a TH")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "4: žádaná SP, diference dT, pásmo PB")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("items", "5: žádaná SP, proporcionální pásmo PB")),
};
const QStringList ThermostatPage::Sensors = fields::numbered(QStringLiteral("Tepl."), 5);
// The sensors' names as a reader sees them.
[[maybe_unused]] const char* const SensorWords[] = {
    QT_TRANSLATE_NOOP("items", "Tepl.1"), QT_TRANSLATE_NOOP("items", "Tepl.2"),
    QT_TRANSLATE_NOOP("items", "Tepl.3"), QT_TRANSLATE_NOOP("items", "Tepl.4"),
    QT_TRANSLATE_NOOP("items", "Tepl.5")};
const QStringList ThermostatPage::Combinations = {QString(), QStringLiteral("-"),
                                                  QStringLiteral("AVG"), QStringLiteral("MIN"),
                                                  QStringLiteral("MAX")};

namespace {

constexpr int At = mem::ThermostatTable;
constexpr int Size = mem::ThermostatRecordSize;
constexpr mem::Region UnrunDescriptions{
    mem::ThermostatDescriptions.first + mem::DescriptionSlotSize * ThermostatPage::EditedRows,
    mem::DescriptionSlotSize*(ThermostatPage::Rows - ThermostatPage::EditedRows)};

// Masks of rule values: bit t for type t.
constexpr unsigned Used = 0b111110;
constexpr unsigned Loops = 0b001110; // types 1-3: TL and TH
constexpr unsigned HighBox = 0b011110;
constexpr unsigned SetPoint = 0b110000; // types 4-5: SP, dT, PB
constexpr unsigned AnyCombination = ~1u;

std::vector<FieldSpec> thermostatFields() {
    using namespace fields;
    const QStringList low = {QString(),
                             QStringLiteral("TL"),
                             QStringLiteral("TL"),
                             QStringLiteral("TL"),
                             QStringLiteral("SP"),
                             QStringLiteral("SP")};
    const QStringList high = {QString(),
                              QStringLiteral("TH"),
                              QStringLiteral("TH"),
                              QStringLiteral("TH"),
                              QStringLiteral("dT"),
                              QStringLiteral("dT")};
    std::vector<FieldSpec> f;
    f.push_back({.name = "LMDRmod",
                 .kind = FieldKind::Mode,
                 .items = {QString::fromUtf8(QT_TRANSLATE_NOOP("items", "Mod 0")),
                           QString::fromUtf8(QT_TRANSLATE_NOOP("items", "Mod 1"))}});
    for (int k = 0; k < ThermostatPage::Rows; ++k) {
        const char* row = name("T", k + 1);
        const int r = At + Size * k;
        const bool stored = k < ThermostatPage::EditedRows;
        const char* type = name("trt", k, 2);
        const char* combination = name("trf", k, 2);
        std::vector<FieldSpec> rowFields = {
            {.name = name("lp", k, 2), .kind = FieldKind::Label, .initialText = row},
            list(type, row, QT_TRANSLATE_NOOP("fields", "Typ"), r + 0, ThermostatPage::TypeNames,
                 -1),
            list(name("trte0", k, 2), row, QT_TRANSLATE_NOOP("fields", "Teplota1"), r + 1,
                 ThermostatPage::Sensors, 0),
            list(combination, row, QT_TRANSLATE_NOOP("fields", "Kombinace"), r + 3,
                 ThermostatPage::Combinations, 0),
            list(name("trte1", k, 2), row, QT_TRANSLATE_NOOP("fields", "Teplota2"), r + 2,
                 ThermostatPage::Sensors, 0),
            {.name = name("trll0", k, 2),
             .kind = FieldKind::Label,
             .initialText = "TL",
             .items = low},
            {.name = name("trlh0", k, 2),
             .kind = FieldKind::Label,
             .initialText = "TH",
             .items = high},
            {.name = name("trlp0", k, 2),
             .kind = FieldKind::Label,
             .initialText = "PB",
             .items = {QString(), QString(), QString(), QString(), QStringLiteral("PB"),
                       QStringLiteral("PB")}},
        };
        rowFields[2].shownWhen = {{type, Used}};
        rowFields[3].shownWhen = {{type, Loops}};
        rowFields[4].shownWhen = {{type, 1u << 4}, {type, Loops, combination, AnyCombination}};
        rowFields[5].shownWhen = {{type, Used}};
        rowFields[6].shownWhen = {{type, HighBox}};
        rowFields[7].shownWhen = {{type, SetPoint}};
        for (FieldSpec& label : rowFields)
            if (label.kind == FieldKind::Label && !label.items.isEmpty())
                label.captionBy = type;
        for (int m = 0; m < 2; ++m) {
            FieldSpec lowBox = {.name = name(m ? "trtl1" : "trtl0", k, 2),
                                .kind = FieldKind::SignedTenths,
                                .row = row,
                                .caption = QT_TRANSLATE_NOOP("fields", "TL"),
                                .at = r + 4 + 2 * m,
                                .size = 2,
                                .min = -1000,
                                .max = 1000,
                                .items = low,
                                .shownWhen = {{type, Used}},
                                .mode = m,
                                .captionBy = type};
            FieldSpec highBox = lowBox;
            highBox.name = name(m ? "trth1" : "trth0", k, 2);
            highBox.caption = QT_TRANSLATE_NOOP("fields", "TH");
            highBox.at = r + 8 + 2 * m;
            highBox.items = high;
            highBox.shownWhen = {{type, HighBox}};
            FieldSpec band = tenths(name(m ? "trtp1" : "trtp0", k, 2), row,
                                    QT_TRANSLATE_NOOP("fields", "PB"), r + 9 + 2 * m, 0, 255, 0);
            band.shownWhen = {{type, SetPoint}};
            band.mode = m;
            rowFields.insert(rowFields.end(), {lowBox, highBox, band});
        }
        FieldSpec text =
            description(name("trpop", k, 2), row,
                        mem::ThermostatDescriptions.first + mem::DescriptionSlotSize * k);
        text.shownWhen = {{type, Used}};
        rowFields.push_back(text);
        for (FieldSpec& field : rowFields) {
            field.stored = stored;
            f.push_back(field);
        }
    }
    return f;
}

int rounded(double value) {
    const double tenths = std::nearbyint(value * 10.0); // ties to even
    return std::isfinite(tenths) ? int(std::clamp(tenths, -1e6, 1e6)) : 0;
}

} // namespace

QString ThermostatPage::name(const char* stem, int row) {
    return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(row, 2, 10, QLatin1Char('0'));
}

// The record copy carries the 80 bytes after the records and the description slots of
// rows 17-32, so that a gather gives them back as they came.
ThermostatPage::ThermostatPage()
    : FieldPage({mem::ThermostatRegion, UnrunDescriptions}, fields::builtOnce<thermostatFields>()) {
}

int ThermostatPage::type(int row) const {
    return value(name("trt", row)).toInt();
}

int ThermostatPage::firstFreeRow() const {
    for (int k = 0; k < EditedRows; ++k)
        if (type(k) == 0)
            return k;
    return -1;
}

bool ThermostatPage::rulesHold(const FieldSpec& f) const {
    // A row's picker and name: every used row, and the first free one among those the unit
    // runs; a row past them only when it holds a thermostat.
    const QLatin1String n(f.name);
    const bool picker = n.startsWith(QLatin1String("trt")) && n.size() == 5;
    if (!picker && !n.startsWith(QLatin1String("lp")))
        return FieldPage::rulesHold(f);
    const int row = n.right(2).toInt();
    const int t = type(row);
    if (row >= EditedRows)
        return t > 0;
    return t != 0 || row == firstFreeRow();
}

std::pair<int, int> ThermostatPage::rangeNow(const FieldSpec& f) const {
    // The high-limit box holds dT for types 4 and 5: one byte of tenths.
    const QLatin1String n(f.name);
    if (n.startsWith(QLatin1String("trth")) && type(n.right(2).toInt()) >= 4)
        return {0, 255};
    return FieldPage::rangeNow(f);
}

bool ThermostatPage::followsNow(const FieldSpec& f) const {
    if (f.mode != 1)
        return false;
    const int row = QLatin1String(f.name).right(2).toInt();
    bool followsMode0 = true;
    for (const char* stem : {"trtl1", "trth1", "trtp1"})
        followsMode0 = followsMode0 && value(name(stem, row)).toDouble() == 0.0;
    return followsMode0;
}

QVariant ThermostatPage::shownValueNow(const FieldSpec& f) const {
    if (f.mode == 1) {
        if (followsNow(f)) {
            QByteArray sibling(f.name);
            sibling[4] = '0';
            return FieldPage::shownValueNow(*field(QString::fromLatin1(sibling)));
        }
    }
    return FieldPage::shownValueNow(f);
}

void ThermostatPage::afterScatter() {
    for (int k = 0; k < Rows; ++k) {
        const int r = At + Size * k;
        // Types 4 and 5 keep dT and PB as the two bytes of the high-limit word; the
        // others have no PB.
        const bool split = type(k) >= 4;
        for (int m = 0; m < 2; ++m) {
            if (split)
                setValue(name(m ? "trth1" : "trth0", k), m_copy[r + 8 + 2 * m] / 10.0);
            setValue(name(m ? "trtp1" : "trtp0", k), split ? m_copy[r + 9 + 2 * m] / 10.0 : 0.0);
        }
        // "Mod 1" the same as "Mod 0" shows as 0: left at 0, it follows "Mod 0".
        if (m_copy.u16(r + 4) == m_copy.u16(r + 6) && m_copy.u16(r + 8) == m_copy.u16(r + 10))
            for (const char* stem : {"trtl1", "trth1", "trtp1"})
                setValue(name(stem, k), 0.0);
    }
}

void ThermostatPage::beforeStore(ConfigImage& copy) {
    std::uint32_t mask = 0;
    for (int k = 0; k < EditedRows; ++k) {
        const int r = At + Size * k;
        const int t = type(k);
        if (t <= 0 || t >= Types) {
            // Not used, or no type chosen: an empty record.
            std::fill_n(copy.data() + r, Size, std::uint8_t(0));
            continue;
        }
        mask |= 1u << k;
        for (int m = 0; m < 2; ++m) {
            const double high = value(name(m ? "trth1" : "trth0", k)).toDouble();
            const int word = r + 8 + 2 * m;
            if (t >= 4) {
                // dT low, PB high, each its low 8 bits.
                const double band = value(name(m ? "trtp1" : "trtp0", k)).toDouble();
                copy[word] = std::uint8_t(rounded(high) & 0xFF);
                copy[word + 1] = std::uint8_t(rounded(band) & 0xFF);
            } else {
                copy.setU16(word, std::uint16_t(std::int16_t(
                                      tenthsHalfEven(high, *field(name("trth0", k))))));
            }
        }
        if (copy.u16(r + 6) == 0 && copy.u16(r + 10) == 0) {
            copy.setU16(r + 6, copy.u16(r + 4));
            copy.setU16(r + 10, copy.u16(r + 8));
        }
    }
    copy.setU16(mem::ThermostatMask, std::uint16_t(mask));
    copy.setU16(mem::ThermostatMask + 2, 0);
}
