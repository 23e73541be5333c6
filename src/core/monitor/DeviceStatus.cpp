#include "monitor/DeviceStatus.h"

#include "link/I2c.h"

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

std::uint16_t u16At(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

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

DeviceStatus decodeStatus(const std::uint8_t* p, int length) {
    DeviceStatus s;
    s.length = std::max(0, length);
    // Only what the reply carries; the rest stays zero and `has` says so.
    std::uint8_t bytes[DeviceStatus::FixedSize + 4 * DeviceStatus::MaxTemperatures] = {};
    std::memcpy(bytes, p, size_t(std::min<int>(s.length, int(sizeof bytes))));
    s.typ = bytes[0];
    s.mod = bytes[1];
    s.stav = bytes[2];
    s.tmInputs = bytes[3];
    s.inputs = bytes[4];
    s.buttons = bytes[5];
    s.outputs = u16At(bytes + 6);
    s.relays = u16At(bytes + 8);
    s.thermostats = u16At(bytes + 12);
    s.pomPr = u16At(bytes + 16);
    std::copy_n(bytes + 18, 4, s.ledOn.begin());
    std::copy_n(bytes + 22, 4, s.ledBlink.begin());
    s.opt = bytes[26];
    s.thermometerFlags = bytes[27];
    s.energy1 = floatAt(bytes + 28);
    s.energy2 = floatAt(bytes + 32);
    s.testIndex = bytes[36];
    s.selected = bytes[37];
    s.pwm = floatAt(bytes + 38);
    s.piSum = floatAt(bytes + 42);
    s.i2cError = bytes[46];
    s.i2cErrorAddress = bytes[47];
    if (s.has(48, 1)) {
        s.reportedTemperatures = bytes[48];
        const int n = std::min<int>(s.reportedTemperatures, DeviceStatus::MaxTemperatures);
        for (int i = 0; i < n && s.has(49 + 4 * i, 4); ++i)
            s.temperatures.push_back(floatAt(bytes + 49 + 4 * i));
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
    const QString missing = QStringLiteral("(chybí)");
    auto line = [&](const char* name, int offset, int size, const QString& text) {
        return QStringLiteral("%1 :%2").arg(
            QLatin1String(name), s.has(offset, size) ? text : QLatin1Char(' ') + missing);
    };
    auto bytes4 = [](const std::array<std::uint8_t, 4>& b) {
        QString text;
        for (std::uint8_t v : b)
            text += QLatin1Char(' ') + hex2(v);
        return text;
    };
    const auto number = [](int v) { return QLatin1Char(' ') + QString::number(v); };
    return {line("Typ", 0, 1, number(s.typ)),
            line("Mod", 1, 1, number(s.mod)),
            line("Stav", 2, 1, number(s.stav)),
            line("Tlacitka", 5, 1, QLatin1Char(' ') + hex2(s.buttons)),
            line("LED zobr", 18, 4, bytes4(s.ledOn)),
            line("LED blik", 22, 4, bytes4(s.ledBlink)),
            line("Opt", 26, 1, number(s.opt)),
            line("Test idx", 36, 1, number(s.testIndex)),
            line("Vybran", 37, 1, number(s.selected)),
            line("PWM", 38, 4, QLatin1Char(' ') + generalFloat(s.pwm)),
            line("PI sum", 42, 4, QLatin1Char(' ') + generalFloat(s.piSum)),
            line("I2C error", 46, 1, QLatin1Char(' ') + hex2(s.i2cError)),
            line("I2C error adr", 47, 1, number(s.i2cErrorAddress))};
}

std::array<BitRow, 6> bitRows(const DeviceStatus& s) {
    return {BitRow{QStringLiteral("TM inputs"), s.tmInputs, 8, s.has(3, 1)},
            BitRow{QStringLiteral("Inputs"), s.inputs, 8, s.has(4, 1)},
            BitRow{QStringLiteral("Outputs"), s.outputs, 16, s.has(6, 2)},
            BitRow{QStringLiteral("Vrele"), s.relays, 16, s.has(8, 2)},
            BitRow{QStringLiteral("Vterm"), s.thermostats, 16, s.has(12, 2)},
            BitRow{QStringLiteral("Pom_pr"), s.pomPr, 16, s.has(16, 2)}};
}

QString bitRowText(const BitRow& row) {
    QString text;
    for (int k = 15; k >= 0; --k)
        text += k >= row.width ? QLatin1Char('.')
                               : ((row.value >> k) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    return text;
}

bool thermometerFlagged(const DeviceStatus& s, int row) {
    return row >= 0 && row < 5 && s.has(27, 1) && ((s.thermometerFlags >> row) & 1);
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
    if (s.has(28, 4))
        rows.push_back({6, QStringLiteral("Energie1"), double(s.energy1), false});
    if (s.has(32, 4))
        rows.push_back({7, QStringLiteral("Energie2"), double(s.energy2), false});
    return rows;
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
    return QStringLiteral("Jednotka odmítla požadavek na stav (status %1).").arg(reply.status());
}

void prepareStatusRequest(LinkPacket& packet) {
    setHeader(packet, 'G', 'S', 0, 0);
    packet.payload()[0] = 0;
}

const std::vector<ActionInfo>& unitActions() {
    using A = UnitAction;
    using M = ExchangeMode;
    static const std::vector<ActionInfo> table = {
        {A::BypassOn,
         "actBypassOn",
         "Bypass ON",
         "bypass-on",
         {'U', 'B'},
         0,
         M::CloseAfterReply,
         1},
        {A::BypassOff,
         "actBypassOff",
         "Bypass OFF",
         "bypass-off",
         {'U', 'b'},
         0,
         M::CloseAfterReply,
         1},
        {A::Reset, "actReset", "Reset", "reset", {'I', 'R'}, 0, M::SendOnly, 1},
        {A::ResetTcp,
         "actResetTcp",
         "Reset TCP 9760",
         "reset-tcp",
         {'I', 'T'},
         1,
         M::CloseAfterReply,
         0},
        {A::SupplyOn, "act5VOn", "5V ON", "5v-on", {'X', '5'}, 1, M::CloseAfterReply, 1},
        {A::SupplyOff, "act5VOff", "5V OFF", "5v-off", {'X', '5'}, 0, M::CloseAfterReply, 1},
        {A::SetOutputs,
         "actNastavVystup",
         "Nastav výstup",
         "set-outputs",
         {'U', 'O'},
         0,
         M::CloseAfterReply,
         2},
        {A::CancelOutputs,
         "actZrusVystup",
         "Zruš nastavení výstupu",
         "cancel-outputs",
         {'U', 'o'},
         0,
         M::CloseAfterReply,
         2},
    };
    return table;
}

const ActionInfo* actionByCliName(const QString& name) {
    for (const ActionInfo& a : unitActions())
        if (name == QLatin1String(a.cliName))
            return &a;
    return nullptr;
}

void prepareAction(LinkPacket& packet, const ActionInfo& action, std::uint16_t pattern) {
    const bool withPattern = action.action == UnitAction::SetOutputs;
    setHeader(packet, action.letters[0], action.letters[1], action.status, withPattern ? 2 : 0);
    if (withPattern)
        packet.setPayloadU16(0, pattern);
}

namespace service {

void i2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t memory, std::uint8_t count) {
    prepareI2cRead(packet, device, memory, count);
}

void i2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t memory,
              const std::vector<std::uint8_t>& bytes) {
    prepareI2cWrite(packet, device, memory, bytes.data(), int(bytes.size()));
}

void rawOutputs(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2) {
    setHeader(packet, 'T', 'O', 0, 2);
    packet.payload()[0] = b1;
    packet.payload()[1] = b2;
}

void rawPwm(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2) {
    setHeader(packet, 'T', 'P', 0, 2);
    packet.payload()[0] = b1;
    packet.payload()[1] = b2;
}

void flashWrite(LinkPacket& packet, std::uint32_t address, int count, std::uint32_t start) {
    count = std::clamp(count, 0, 100);
    setHeader(packet, 'T', 'W', 0, std::uint16_t(count + 5));
    for (int i = 0; i < 4; ++i)
        packet.payload()[i] = std::uint8_t(address >> (8 * i));
    packet.payload()[4] = std::uint8_t(count);
    for (int i = 0; i < count; ++i)
        packet.payload()[5 + i] = std::uint8_t(start + std::uint32_t(i));
}

void flashRead(LinkPacket& packet, std::uint32_t address, int count) {
    setHeader(packet, 'T', 'R', 0, 5);
    for (int i = 0; i < 4; ++i)
        packet.payload()[i] = std::uint8_t(address >> (8 * i));
    packet.payload()[4] = std::uint8_t(std::clamp(count, 0, 100));
}

void energyReset(LinkPacket& packet) {
    setHeader(packet, 'X', 'E', 0, 0);
}

QString recvOneLine(const LinkPacket& r) {
    return QStringLiteral("%1 - %2 : %3").arg(r.length()).arg(r.payload()[0]).arg(r.status());
}

QString recvTwoLine(const LinkPacket& r) {
    return QStringLiteral("%1 - %2  %3 : %4")
        .arg(r.length())
        .arg(r.payload()[0])
        .arg(r.payload()[1])
        .arg(r.status());
}

QStringList recvManyLines(const LinkPacket& r, int memory) {
    QStringList lines;
    if (r.status() != 0)
        return lines;
    const int length = std::min<int>(r.length(), LinkPacket::PayloadCapacity);
    for (int i = 0; i < length; ++i)
        lines << QStringLiteral("%1 - %2").arg(memory + i).arg(r.payload()[i]);
    return lines;
}

QString sendLine(const LinkPacket& r) {
    return QString::number(r.status());
}

QStringList flashReadLines(const LinkPacket& r, std::uint32_t address, int count) {
    QStringList lines;
    // Only what the reply carries: the rest of the buffer is the request's own bytes.
    count = std::clamp(count, 0, std::min<int>(r.length(), LinkPacket::PayloadCapacity));
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1 %2").arg(quint64(address) + quint64(i)).arg(r.payload()[i]);
    return lines;
}

} // namespace service
