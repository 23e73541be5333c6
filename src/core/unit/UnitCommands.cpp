#include "unit/UnitCommands.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "unit/I2c.h"

#include <QCoreApplication>
#include <algorithm>

namespace unit {

namespace {

using M = ExchangeMode;

const Argument Device{"DEV", "PBi2cadr", 255};
const Argument Memory{"MEM", "PBadrmem", 255};
const Argument Byte1{"B1", "PBB1", 255};
const Argument Byte2{"B2", "PBB2", 255};
const Argument FlashAddress{"ADDR", "PBNumEdit1", 0xFFFFFFFFu};
const Argument FlashCount{"COUNT", "PBNumEdit2", 100};

std::uint8_t byte(const Values& v, size_t i) {
    return std::uint8_t(i < v.size() ? v[i] : 0); // a byte keeps its low-order bits
}
std::uint32_t word(const Values& v, size_t i) {
    return i < v.size() ? v[i] : 0;
}

int none(std::uint8_t*, const Values&) {
    return 0;
}
int twoBytes(std::uint8_t* p, const Values& v) {
    p[0] = byte(v, 0);
    p[1] = byte(v, 1);
    return 2;
}
template <int Count> int i2cRead(std::uint8_t* p, const Values& v) {
    return i2cReadPayload(p, byte(v, 0), byte(v, 1), Count ? std::uint8_t(Count) : byte(v, 2));
}
int i2cWrite(std::uint8_t* p, const Values& v) {
    std::uint8_t data[2] = {byte(v, 2), byte(v, 3)};
    return i2cWritePayload(p, byte(v, 0), byte(v, 1), data, v.size() > 3 ? 2 : 1);
}
void address(std::uint8_t* p, std::uint32_t a) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(a >> (8 * i));
}
std::uint8_t flashCount(const Values& v) {
    return std::uint8_t(std::min<std::uint32_t>(word(v, 1), 100));
}
int flashWrite(std::uint8_t* p, const Values& v) {
    const int count = flashCount(v);
    address(p, word(v, 0));
    p[4] = std::uint8_t(count);
    for (int i = 0; i < count; ++i)
        p[5 + i] = std::uint8_t(word(v, 2) + std::uint32_t(i));
    return count + 5;
}
int flashRead(std::uint8_t* p, const Values& v) {
    address(p, word(v, 0));
    p[4] = flashCount(v);
    return 5;
}
int pattern(std::uint8_t* p, const Values& v) {
    p[0] = std::uint8_t(word(v, 0));
    p[1] = std::uint8_t(word(v, 0) >> 8);
    return 2;
}

template <int Count> int fixedLength(const Values&) {
    return Count;
}
template <size_t Index> int lengthFrom(const Values& v) {
    return int(word(v, Index));
}

} // namespace

const std::vector<Command>& commands() {
    const Rights anyone = Rights::Nobody, user = Rights::User, admin = Rights::Admin;
    static const std::vector<Command> table = {
        // The status window's "Akce", in menu order.
        {Group::Action,
         "bypass-on",
         "actBypassOn",
         QT_TRANSLATE_NOOP("unit", "Bypass ON"),
         {'U', 'B'},
         0,
         M::CloseAfterReply,
         user,
         {},
         none},
        {Group::Action,
         "bypass-off",
         "actBypassOff",
         QT_TRANSLATE_NOOP("unit", "Bypass OFF"),
         {'U', 'b'},
         0,
         M::CloseAfterReply,
         user,
         {},
         none},
        // The unit restarts at once and answers nothing.
        {Group::Action,
         "reset",
         "actReset",
         QT_TRANSLATE_NOOP("unit", "Reset"),
         {'I', 'R'},
         0,
         M::SendOnly,
         user,
         {},
         none,
         nullptr,
         nullptr,
         {},
         nullptr,
         true},
        {Group::Action,
         "reset-tcp",
         "actResetTcp",
         QT_TRANSLATE_NOOP("unit", "Reset TCP 9760"),
         {'I', 'T'},
         1,
         M::CloseAfterReply,
         anyone,
         {},
         none},
        {Group::Action,
         "5v-on",
         "act5VOn",
         QT_TRANSLATE_NOOP("unit", "5V ON"),
         {'X', '5'},
         1,
         M::CloseAfterReply,
         user,
         {},
         none},
        {Group::Action,
         "5v-off",
         "act5VOff",
         QT_TRANSLATE_NOOP("unit", "5V OFF"),
         {'X', '5'},
         0,
         M::CloseAfterReply,
         user,
         {},
         none},
        // The pattern comes from the bit table's Outputs row, the column headed "16" first.
        {Group::Action,
         "set-outputs",
         "actNastavVystup",
         QT_TRANSLATE_NOOP("unit", "Nastav výstup"),
         {'U', 'O'},
         0,
         M::CloseAfterReply,
         admin,
         {{"PATTERN", nullptr, 0xFFFF, 4}},
         pattern},
        {Group::Action,
         "cancel-outputs",
         "actZrusVystup",
         QT_TRANSLATE_NOOP("unit", "Zruš nastavení výstupu"),
         {'U', 'o'},
         0,
         M::CloseAfterReply,
         admin,
         {},
         none},

        // The service panel's buttons, five to a row.
        {Group::Service,
         "",
         "BRecv1",
         QT_TRANSLATE_NOOP("unit", "Recv 1.B"),
         {'X', 'I'},
         0,
         M::CloseAfterReply,
         anyone,
         {Device, Memory},
         i2cRead<1>,
         fixedLength<1>,
         [](const LinkPacket& r, const Values&) { return QStringList{service::recvOneLine(r)}; },
         {"PBB1"}},
        {Group::Service,
         "",
         "BRecv2",
         QT_TRANSLATE_NOOP("unit", "Recv 2B"),
         {'X', 'I'},
         0,
         M::CloseAfterReply,
         anyone,
         {Device, Memory},
         i2cRead<2>,
         fixedLength<2>,
         [](const LinkPacket& r, const Values&) { return QStringList{service::recvTwoLine(r)}; },
         {"PBB1", "PBB2"}},
        // An I2C read carries at most 122 bytes.
        {Group::Service,
         "i2c-read",
         "BRecvP",
         QT_TRANSLATE_NOOP("unit", "Recv p.B"),
         {'X', 'I'},
         0,
         M::CloseAfterReply,
         anyone,
         {Device, Memory, {"COUNT", "PBpoc", 122}},
         i2cRead<0>,
         lengthFrom<2>,
         [](const LinkPacket& r, const Values& v) {
             return service::recvManyLines(r, int(word(v, 1)));
         }},
        {Group::Service,
         "i2c-write",
         "BSend1",
         QT_TRANSLATE_NOOP("unit", "Send 1.B"),
         {'X', 'i'},
         0,
         M::CloseAfterReply,
         admin,
         {Device, Memory, Byte1},
         i2cWrite,
         nullptr,
         [](const LinkPacket& r, const Values&) { return QStringList{service::sendLine(r)}; }},
        {Group::Service,
         "i2c-write",
         "BSend2",
         QT_TRANSLATE_NOOP("unit", "Send 2B"),
         {'X', 'i'},
         0,
         M::CloseAfterReply,
         admin,
         {Device, Memory, Byte1, Byte2},
         i2cWrite,
         nullptr,
         [](const LinkPacket& r, const Values&) { return QStringList{service::sendLine(r)}; }},
        {Group::Service,
         "raw-outputs",
         "BOutputs",
         QT_TRANSLATE_NOOP("unit", "Outputs"),
         {'T', 'O'},
         0,
         M::CloseAfterReply,
         admin,
         {Byte1, Byte2},
         twoBytes},
        {Group::Service,
         "raw-pwm",
         "BPwm",
         QT_TRANSLATE_NOOP("unit", "PWM"),
         {'T', 'P'},
         0,
         M::CloseAfterReply,
         admin,
         {Byte1, Byte2},
         twoBytes},
        {Group::Service,
         "flash-write",
         "BFlashUloz",
         QT_TRANSLATE_NOOP("unit", "Flash uloz"),
         {'T', 'W'},
         0,
         M::CloseAfterReply,
         admin,
         {FlashAddress, FlashCount, {"START", "PBNumEdit3", 0xFFFFFFFFu}},
         flashWrite,
         nullptr,
         nullptr,
         {},
         QT_TRANSLATE_NOOP("unit", "Zapsat bajty do paměti flash jednotky?")},
        {Group::Service,
         "flash-read",
         "BFlashNacti",
         QT_TRANSLATE_NOOP("unit", "Flash nacti"),
         {'T', 'R'},
         0,
         M::CloseAfterReply,
         anyone,
         {FlashAddress, FlashCount},
         flashRead,
         lengthFrom<1>,
         [](const LinkPacket& r, const Values& v) {
             return service::flashReadLines(r, word(v, 0), int(word(v, 1)));
         }},
        {Group::Service,
         "energy-reset",
         "BNulujEn",
         QT_TRANSLATE_NOOP("unit", "Nuluj en."),
         {'X', 'E'},
         0,
         M::CloseAfterReply,
         admin,
         {},
         none,
         nullptr,
         nullptr,
         {},
         QT_TRANSLATE_NOOP("unit", "Vynulovat čítače energie jednotky?")},
    };
    return table;
}

const Command* byObjectName(const QString& name) {
    for (const Command& c : commands())
        if (name == QLatin1String(c.objectName))
            return &c;
    return nullptr;
}

const Command* byCliName(Group group, const QString& name, int count) {
    const Command* first = nullptr;
    for (const Command& c : commands()) {
        if (c.group != group || !*c.cliName || name != QLatin1String(c.cliName))
            continue;
        if (int(c.arguments.size()) == count)
            return &c;
        if (!first)
            first = &c;
    }
    return first;
}

QString usage(Group group) {
    QStringList parts;
    const Command* previous = nullptr;
    for (const Command& c : commands()) {
        if (c.group != group || !*c.cliName)
            continue;
        QStringList words{QLatin1String(c.cliName)};
        for (const Argument& a : c.arguments)
            words << QLatin1String(a.name);
        // A row that only adds trailing arguments to the one before it: "[B2]".
        if (previous && qstrcmp(previous->cliName, c.cliName) == 0 && !parts.isEmpty()) {
            for (size_t i = previous->arguments.size(); i < c.arguments.size(); ++i)
                parts.last() += QStringLiteral(" [%1]").arg(QLatin1String(c.arguments[i].name));
        } else {
            parts << words.join(QLatin1Char(' '));
        }
        previous = &c;
    }
    return parts.join(QStringLiteral(" | "));
}

std::optional<std::uint32_t> parseArgument(const Argument& argument, const QString& text,
                                           QString* why) {
    const bool fixed = argument.hexDigits > 0;
    const bool hex = fixed || text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = fixed || !hex ? text : text.mid(2);
    const QString allowed =
        hex ? QStringLiteral("0123456789abcdefABCDEF") : QStringLiteral("0123456789");
    bool ok =
        !digits.isEmpty() && digits.size() <= 16 &&
        (!fixed || digits.size() == argument.hexDigits) &&
        std::all_of(digits.begin(), digits.end(), [&](QChar ch) { return allowed.contains(ch); });
    const qulonglong v = ok ? digits.toULongLong(&ok, hex ? 16 : 10) : 0;
    if (ok && v <= argument.max)
        return std::uint32_t(v);
    if (why)
        *why = fixed ? QStringLiteral("%1 takes %2 hexadecimal digits, as 8001, not %3")
                           .arg(QLatin1String(argument.name))
                           .arg(argument.hexDigits)
                           .arg(text)
                     : QStringLiteral("%1 takes 0..%2 (decimal or 0x hexadecimal), not %3")
                           .arg(QLatin1String(argument.name))
                           .arg(argument.max)
                           .arg(text);
    return std::nullopt;
}

void prepare(LinkPacket& packet, const Command& command, const Values& values) {
    packet.setCommand(command.letters[0], command.letters[1]);
    packet.setStatus(command.status);
    packet.payload()[0] = 0;
    packet.setLength(std::uint16_t(command.payload(packet.payload(), values)));
}

QString replyProblem(const Command& command, const LinkPacket& reply, const Values& values) {
    if (command.mode == ExchangeMode::SendOnly)
        return {};
    if (reply.status() != 0)
        return command.group == Group::Action
                   ? tx("unit", "Jednotka akci %1 odmítla (stav %2).")
                         .arg(tx("unit", command.text))
                         .arg(reply.status())
                   : tx("unit", "Jednotka požadavek odmítla (stav %1).").arg(reply.status());
    const int expected = command.replyLength ? command.replyLength(values) : 0;
    if (reply.length() < expected)
        return tx("unit", "Odpověď jednotky nese jen %1 z %2 bajtů.")
            .arg(reply.length())
            .arg(expected);
    return {};
}

std::optional<QStringList> send(DeviceLink& link, const Command& command, const Values& values) {
    prepare(link.packet(), command, values);
    link.exchange(command.mode);
    if (link.linkFailed())
        return std::nullopt;
    if (const QString problem = replyProblem(command, link.packet(), values); !problem.isEmpty())
        throw OperationError(problem);
    if (command.group == Group::Action)
        link.feedback().log(tx("unit", "Odesláno: %1").arg(tx("unit", command.text)));
    return command.lines ? command.lines(link.packet(), values) : QStringList();
}

} // namespace unit

namespace service {

namespace {
void build(LinkPacket& packet, const char* objectName, const unit::Values& values) {
    unit::prepare(packet, *unit::byObjectName(QLatin1String(objectName)), values);
}
} // namespace

void i2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t memory, std::uint8_t count) {
    build(packet, "BRecvP", {device, memory, count});
}

void i2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t memory,
              const std::vector<std::uint8_t>& bytes) {
    prepareI2cWrite(packet, device, memory, bytes.data(), int(bytes.size()));
}

void rawOutputs(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2) {
    build(packet, "BOutputs", {b1, b2});
}

void rawPwm(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2) {
    build(packet, "BPwm", {b1, b2});
}

void flashWrite(LinkPacket& packet, std::uint32_t address, int count, std::uint32_t start) {
    build(packet, "BFlashUloz", {address, std::uint32_t(std::clamp(count, 0, 100)), start});
}

void flashRead(LinkPacket& packet, std::uint32_t address, int count) {
    build(packet, "BFlashNacti", {address, std::uint32_t(std::clamp(count, 0, 100))});
}

void energyReset(LinkPacket& packet) {
    build(packet, "BNulujEn", {});
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

void prepareAction(LinkPacket& packet, const char* cliName, std::uint16_t pattern) {
    const unit::Command* c = unit::byCliName(unit::Group::Action, QLatin1String(cliName), 1);
    unit::prepare(packet, *c, {pattern});
}
