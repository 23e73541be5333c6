#include "monitor/DeviceStatus.h"
#include "base/Language.h"

#include <QJsonArray>

#include <QLocale>
#include <algorithm>
#include <cstring>

namespace {

float floatAt(const std::uint8_t* p) {
    std::uint32_t bits = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                         (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The names of the value rows (valueRows) as a reader sees them.
[[maybe_unused]] const char* const RowWords[] = {
    QT_TRANSLATE_NOOP("status", "Teplota1"), QT_TRANSLATE_NOOP("status", "Teplota2"),
    QT_TRANSLATE_NOOP("status", "Teplota3"), QT_TRANSLATE_NOOP("status", "Teplota4"),
    QT_TRANSLATE_NOOP("status", "Teplota5"), QT_TRANSLATE_NOOP("status", "Teplota6"),
    QT_TRANSLATE_NOOP("status", "Vnitrni")};

QString hex2(std::uint8_t v) {
    return QStringLiteral("0x") +
           QString::number(v, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

void setHeader(LinkPacket& packet, char l1, char l2, std::uint8_t status, std::uint16_t length) {
    packet.setCommand(l1, l2);
    packet.setStatus(status);
    packet.setLength(length);
}

} // namespace

const std::vector<StatusField>& statusFields() {
    using K = StatusKind;
    static const std::vector<StatusField> table = {
        {QT_TRANSLATE_NOOP("status", "Typ"), 0, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "Mod"), 1, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "Stav"), 2, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "Tlacitka"), 5, 1, K::Hex},
        {QT_TRANSLATE_NOOP("status", "LED zobr"), 18, 4, K::HexBytes},
        {QT_TRANSLATE_NOOP("status", "LED blik"), 22, 4, K::HexBytes},
        {QT_TRANSLATE_NOOP("status", "Opt"), 26, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "Test idx"), 36, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "Vybran"), 37, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "PWM"), 38, 4, K::Float},
        {QT_TRANSLATE_NOOP("status", "PI sum"), 42, 4, K::Float},
        {QT_TRANSLATE_NOOP("status", "I2C error"), 46, 1, K::Hex},
        {QT_TRANSLATE_NOOP("status", "I2C error adr"), 47, 1, K::Number},
        {QT_TRANSLATE_NOOP("status", "TM inputs"), 3, 1, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Inputs"), 4, 1, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Outputs"), 6, 2, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Vrele"), 8, 2, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Vterm"), 12, 2, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Pom_pr"), 16, 2, K::Bits},
        {QT_TRANSLATE_NOOP("status", "Teplotni priznaky"), 27, 1, K::Flags},
        {QT_TRANSLATE_NOOP("status", "Energie1"), 28, 4, K::Energy},
        {QT_TRANSLATE_NOOP("status", "Energie2"), 32, 4, K::Energy},
    };
    return table;
}

const StatusField& statusField(const char* key) {
    for (const StatusField& f : statusFields())
        if (qstrcmp(f.key, key) == 0)
            return f;
    throw std::logic_error(std::string("no status field ") + key);
}

std::uint32_t DeviceStatus::number(const StatusField& f) const {
    std::uint32_t v = 0;
    if (has(f))
        for (int i = std::min(f.size, 4) - 1; i >= 0; --i)
            v = (v << 8) | bytes[size_t(f.offset + i)];
    return v;
}

float DeviceStatus::real(const StatusField& f) const {
    const std::uint32_t bits = number(f);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

DeviceStatus decodeStatus(const std::uint8_t* p, int length) {
    DeviceStatus s;
    s.length = std::max(0, length);
    // Only what the reply carries; the rest stays zero and `has` says so.
    std::memcpy(s.bytes.data(), p, size_t(std::min<int>(s.length, int(s.bytes.size()))));
    if (s.has(DeviceStatus::CountOffset, 1)) {
        s.reportedTemperatures = s.bytes[DeviceStatus::CountOffset];
        const int n = std::min<int>(s.reportedTemperatures, DeviceStatus::MaxTemperatures);
        for (int i = 0; i < n && s.has(DeviceStatus::FixedSize + 4 * i, 4); ++i)
            s.temperatures.push_back(floatAt(s.bytes.data() + DeviceStatus::FixedSize + 4 * i));
    }
    return s;
}

// The user's decimal separator, without grouping.
QLocale numbers() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString generalFloat(float value) {
    return numbers().toString(double(value), 'g', 15);
}

QString valueText(double value) {
    return numbers().toString(value, 'f', 5);
}

QStringList statusLines(const DeviceStatus& s) {
    QStringList lines;
    for (const StatusField& f : statusFields()) {
        QString text;
        switch (f.kind) {
        case StatusKind::Number:
            text = QString::number(s.number(f));
            break;
        case StatusKind::Hex:
            text = hex2(std::uint8_t(s.number(f)));
            break;
        case StatusKind::HexBytes:
            for (int i = 0; i < f.size; ++i)
                text += (i ? QStringLiteral(" ") : QString()) + hex2(s.bytes[size_t(f.offset + i)]);
            break;
        case StatusKind::Float:
            text = generalFloat(s.real(f));
            break;
        default:
            continue; // not a log line
        }
        lines << QStringLiteral("%1 : %2").arg(tx("status", f.key),
                                               s.has(f) ? text : tx("monitor", "(chybí)"));
    }
    return lines;
}

std::array<BitRow, 6> bitRows(const DeviceStatus& s) {
    std::array<BitRow, 6> rows{};
    size_t n = 0;
    for (const StatusField& f : statusFields())
        if (f.kind == StatusKind::Bits && n < rows.size())
            rows[n++] =
                BitRow{QLatin1String(f.key), std::uint16_t(s.number(f)), 8 * f.size, s.has(f)};
    return rows;
}

QString bitRowText(const BitRow& row) {
    QString text;
    for (int k = 15; k >= 0; --k)
        text += k >= row.width ? QLatin1Char('.')
                               : ((row.value >> k) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    return text;
}

bool thermometerFlagged(const DeviceStatus& s, int row) {
    return row >= 0 && row < 5 && ((s.number(statusField("Teplotni priznaky")) >> row) & 1);
}

std::vector<ValueRow> valueRows(const DeviceStatus& s) {
    std::vector<ValueRow> rows;
    const int n = int(s.temperatures.size());
    for (int i = 0; i < n; ++i)
        rows.push_back({i,
                        i < n - 1 || n < std::min(s.reportedTemperatures, 6)
                            ? QStringLiteral("Teplota%1").arg(i + 1)
                            : QStringLiteral("Vnitrni"),
                        double(s.temperatures[size_t(i)]), thermometerFlagged(s, i)});
    int row = DeviceStatus::MaxTemperatures;
    for (const StatusField& f : statusFields())
        if (f.kind == StatusKind::Energy) {
            if (s.has(f))
                rows.push_back({row, QLatin1String(f.key), double(s.real(f)), false});
            ++row;
        }
    return rows;
}

StatusView statusView(const DeviceStatus& s) {
    StatusView view{statusLines(s), bitRows(s), valueRows(s), {}, {}};
    for (int r = 0; r < 5; ++r)
        view.flagged[size_t(r)] = thermometerFlagged(s, r);
    for (const ValueRow& row : view.values)
        if (row.row < DeviceStatus::MaxTemperatures)
            view.chart.push_back({row.row, row.name, row.value});
    if (const StatusField& pwm = statusField("PWM"); s.has(pwm))
        view.chart.push_back(
            {DeviceStatus::MaxTemperatures, QLatin1String(pwm.key), double(s.real(pwm))});
    return view;
}

QJsonObject statusJson(const DeviceStatus& s) {
    QJsonObject o;
    for (const StatusField& f : statusFields()) {
        if (!s.has(f))
            continue;
        const QString key = QLatin1String(f.key);
        switch (f.kind) {
        case StatusKind::HexBytes: {
            QJsonArray bytes;
            for (int i = 0; i < f.size; ++i)
                bytes << s.bytes[size_t(f.offset + i)];
            o[key] = bytes;
            break;
        }
        case StatusKind::Float:
        case StatusKind::Energy:
            o[key] = double(s.real(f));
            break;
        default:
            o[key] = qint64(s.number(f));
        }
    }
    for (const ValueRow& row : valueRows(s))
        o[row.name] = row.value;
    o[QStringLiteral("Delka odpovedi")] = s.length;
    return o;
}

std::uint16_t outputPattern(const QStringList& cells) {
    std::uint16_t pattern = 0;
    for (int c = 0; c < 16; ++c)
        pattern = std::uint16_t((pattern << 1) | (cells.value(c) == QLatin1String("1") ? 1 : 0));
    return pattern;
}

QString statusRefusal(const LinkPacket& reply) {
    if (reply.status() == 0 || reply.length() > 0)
        return {};
    return tx("monitor", "Jednotka odmítla požadavek na stav (status %1).").arg(reply.status());
}

void prepareStatusRequest(LinkPacket& packet) {
    setHeader(packet, 'G', 'S', 0, 0);
    packet.payload()[0] = 0;
}

QString statusTooShort(const DeviceStatus& s) {
    if (s.length >= DeviceStatus::FixedSize)
        return {};
    return tx("monitor", "Odpověď jednotky na stav nese jen %1 bajtů, pevná část jich má %2.")
        .arg(s.length)
        .arg(DeviceStatus::FixedSize);
}
