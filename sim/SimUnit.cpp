#include "SimUnit.h"

#include <QDateTime>
#include <QFile>
#include <QStringEncoder>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

constexpr int AppConfig = 56;
constexpr int BiosName = 91;
constexpr int Popis = 107;
constexpr int SnmpComm = 157;
constexpr int EthConfig = 215;
constexpr int EthConfigSize = 97;
constexpr int UserName = EthConfig + 29;
constexpr int AdminName = EthConfig + 38;
constexpr int PayloadCapacity = 122;
constexpr std::uint8_t ClockDevice = 0xDE;

// Addresses of the fixed records 1..10, the way the tool uploads them.
constexpr int RecordAddresses[] = {56, 91, 107, 157, 215, 360, 370, 394, 425, 437};

QByteArray encode1250(const QString& s) {
    QStringEncoder enc("windows-1250");
    return enc.isValid() ? QByteArray(enc.encode(s)) : s.toLatin1();
}

void putText(QByteArray& m, int at, const QString& text) {
    const QByteArray bytes = encode1250(text);
    std::memcpy(m.data() + at, bytes.constData(), size_t(bytes.size()));
    m[at + bytes.size()] = 0;
}

void putU16(QByteArray& m, int at, std::uint16_t v) {
    m[at] = char(v & 0xFF);
    m[at + 1] = char(v >> 8);
}

void putIp(QByteArray& m, int at, std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    m[at] = char(a);
    m[at + 1] = char(b);
    m[at + 2] = char(c);
    m[at + 3] = char(d);
}

void putFloat(QByteArray& m, int at, float v) {
    std::uint32_t raw;
    std::memcpy(&raw, &v, 4);
    qToLittleEndian(raw, m.data() + at);
}

QByteArray field(const QByteArray& payload, int at, int width) {
    QByteArray f = payload.mid(at, width);
    const int zero = int(f.indexOf('\0'));
    return zero >= 0 ? f.left(zero) : f;
}

std::uint8_t bcd(int v) {
    return std::uint8_t((v / 10) * 16 + v % 10);
}
int fromBcd(std::uint8_t v, std::uint8_t mask) {
    v &= mask;
    return (v >> 4) * 10 + (v & 0x0F);
}

} // namespace

SimUnit::SimUnit(SimOptions options)
    : m_options(std::move(options)), m_memory(defaultImage()), m_flash(65536, '\xFF'),
      m_startMs(QDateTime::currentMSecsSinceEpoch()) {
    for (auto& device : m_i2c)
        device = QByteArray(256, '\0');
    if (m_options.clock.size() == 7)
        setClock(m_options.clock);
}

QByteArray SimUnit::defaultImage() {
    QByteArray m(MemorySize, '\0');
    putIp(m, AppConfig + 0, 127, 0, 0, 1);
    putIp(m, AppConfig + 4, 255, 0, 0, 0);
    putIp(m, AppConfig + 8, 127, 0, 0, 1);
    putIp(m, AppConfig + 20, 127, 0, 0, 1);
    putIp(m, AppConfig + 24, 255, 0, 0, 0);
    const std::uint8_t mac[] = {0x00, 0x1E, 0xC0, 0x12, 0x34, 0x56};
    std::memcpy(m.data() + AppConfig + 29, mac, 6);
    putText(m, BiosName, QStringLiteral("QUEL5SIM"));
    putText(m, Popis, QStringLiteral("Simulátor"));
    putText(m, SnmpComm + 0, QStringLiteral("public"));
    putText(m, SnmpComm + 27, QStringLiteral("private"));

    m[EthConfig] = 2;
    putText(m, UserName, QStringLiteral("user"));
    putText(m, AdminName, QStringLiteral("admin"));
    putU16(m, EthConfig + 47, 30305);
    putU16(m, EthConfig + 49, 9760);
    putU16(m, EthConfig + 51, 9761);
    m[EthConfig + 86] = 44;
    putU16(m, EthConfig + 87, 1000);
    putU16(m, EthConfig + 91, 162);
    putU16(m, EthConfig + 93, 162);
    std::uint16_t sum = 0;
    for (int i = 0; i < 95; ++i)
        sum = std::uint16_t(sum + std::uint8_t(m[EthConfig + i]));
    putU16(m, EthConfig + 95, sum);

    // A working week: profile 0 Monday to Friday 6-21, profile 1 at the weekend 8-19.
    const std::uint8_t schedule[12] = {0x3E, 0x41, 0, 0xC0, 0xFF, 0x3F, 0x00, 0xFF, 0x0F, 0, 0, 0};
    std::memcpy(m.data() + 425, schedule, sizeof schedule);

    for (int k = 0; k < 5; ++k)
        putText(m, 5000 + 20 * k, QStringLiteral("Vstup %1").arg(k + 1));
    for (int k = 0; k < 10; ++k)
        putText(m, 5160 + 20 * k, QStringLiteral("Výstup %1").arg(k + 1));
    for (int k = 0; k < 5; ++k)
        putText(m, 5480 + 20 * k, QStringLiteral("Teploměr %1").arg(k + 1));
    return m;
}

QString SimUnit::userName() const {
    return QString::fromLatin1(field(m_memory, UserName, 9));
}
QString SimUnit::adminName() const {
    return QString::fromLatin1(field(m_memory, AdminName, 9));
}

bool SimUnit::takeMemoryChanged() {
    const bool changed = m_memoryChanged;
    m_memoryChanged = false;
    return changed;
}

QByteArray SimUnit::reply(char l1, char l2, std::uint8_t status, const QByteArray& payload) const {
    QByteArray body = payload.left(PayloadCapacity);
    if (m_options.oversizeReply)
        body = payload.leftJustified(200, '\x55', true);
    QByteArray out;
    out.reserve(6 + body.size());
    out.append('#').append(l1).append(l2).append(char(status));
    out.append(char(body.size() & 0xFF)).append(char(body.size() >> 8));
    out.append(body);
    return out;
}

SimUnit::Response SimUnit::handle(const QByteArray& frame) {
    const char l1 = frame.at(1);
    const char l2 = frame.at(2);
    const auto status = std::uint8_t(frame.at(3));
    const QByteArray payload = frame.mid(6);
    auto u8 = [&](int i) {
        return i < payload.size() ? std::uint8_t(payload.at(i)) : std::uint8_t(0);
    };
    auto u16 = [&](int i) { return std::uint16_t(u8(i) | (u8(i + 1) << 8)); };
    const QByteArray cmd = QByteArray() + l1 + l2;
    if (!m_options.refuseCommand.isEmpty() && cmd == m_options.refuseCommand)
        return {Action::Reply, reply(l1, l2, 3, {})};

    if (cmd == "XR") {
        const int address = u16(0);
        const int count = u8(2);
        QByteArray data(count, '\0');
        for (int i = 0; i < count; ++i)
            if (address + i < MemorySize)
                data[i] = m_memory.at(address + i);
        return {Action::Reply, reply(l1, l2, 0, data)};
    }
    if (cmd == "XW")
        return {Action::Reply, reply(l1, l2, writeMemory(status, payload), {})};
    if (cmd == "XI") {
        const std::uint8_t device = u8(0);
        const int reg = u8(1);
        const int count = qMin<int>(u8(2), PayloadCapacity);
        QByteArray source = m_i2c[device];
        if (device == ClockDevice)
            source.replace(0, 7, clockRegisters());
        QByteArray data;
        for (int i = 0; i < count; ++i)
            data.append(source.at((reg + i) & 0xFF));
        return {Action::Reply, reply(l1, l2, 0, data)};
    }
    if (cmd == "Xi") {
        const std::uint8_t device = u8(0);
        const int reg = u8(1);
        const QByteArray data = payload.mid(3, u8(2));
        if (device == ClockDevice)
            writeClockRegisters(reg, data);
        for (int i = 0; i < data.size(); ++i)
            m_i2c[device][(reg + i) & 0xFF] = data.at(i);
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "IA")
        return {Action::Reply, reply(l1, l2, login(payload), {})};
    if (cmd == "GS")
        return {Action::Reply,
                reply(l1, l2, 0, m_options.state.isEmpty() ? deviceStatus() : m_options.state)};
    if (cmd == "IR")
        return {Action::Close, {}};
    if (cmd == "UB" || cmd == "Ub") {
        m_bypass = cmd == "UB";
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "X5") {
        m_supply5V = status != 0;
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "UO" || cmd == "Uo") {
        m_outputsForced = cmd == "UO";
        m_forcedOutputs = u16(0);
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "XE") {
        const double minutes = (QDateTime::currentMSecsSinceEpoch() - m_startMs) / 60000.0;
        m_energyBase1 = -minutes * 0.05;
        m_energyBase2 = -minutes * 0.01;
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "TW") {
        const quint32 address =
            qFromLittleEndian<quint32>(payload.leftJustified(4, '\0').constData());
        const QByteArray run = payload.mid(5, u8(4));
        for (int i = 0; i < run.size(); ++i)
            m_flash[int((address + quint32(i)) & 0xFFFF)] = run.at(i);
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "TR") {
        const quint32 address =
            qFromLittleEndian<quint32>(payload.leftJustified(4, '\0').constData());
        QByteArray data;
        for (int i = 0; i < qMin<int>(u8(4), PayloadCapacity); ++i)
            data.append(m_flash.at(int((address + quint32(i)) & 0xFFFF)));
        return {Action::Reply, reply(l1, l2, 0, data)};
    }
    if (cmd == "TO") {
        // The outputs as the two bytes say, until "#UO" or "#Uo".
        m_outputsForced = true;
        m_forcedOutputs = u16(0);
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "TP") {
        m_pwm = u16(0);
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "Xe") {
        // The pulse counter of X6/SO1: Energie1 counts on from it, 1000 pulses a kWh.
        const quint32 count =
            qFromLittleEndian<quint32>(payload.mid(1, 4).leftJustified(4, '\0').constData());
        m_energyBase1 =
            count / 1000.0 - (QDateTime::currentMSecsSinceEpoch() - m_startMs) / 60000.0 * 0.05;
        return {Action::Reply, reply(l1, l2, 0, {})};
    }
    if (cmd == "IT")
        return {Action::Reply, reply(l1, l2, 0, {})};
    // A command this unit does not know.
    return {Action::Reply, reply(l1, l2, 0xFF, {})};
}

std::uint8_t SimUnit::writeMemory(std::uint8_t, const QByteArray& payload) {
    if (payload.size() < 3)
        return 1;
    const int address = std::uint8_t(payload.at(0)) | (std::uint8_t(payload.at(1)) << 8);
    const int count = std::uint8_t(payload.at(2));
    const QByteArray data = payload.mid(3, count);
    if (data.size() != count || address + count > MemorySize)
        return 2;
    bool isRecord = false;
    for (int r = 0; r < 10; ++r) {
        if (address == RecordAddresses[r]) {
            isRecord = true;
            if (m_options.refuseRecord == r + 1)
                return 3;
        }
    }
    if (!isRecord && m_options.refuseChunks)
        return 3;
    m_memory.replace(address, count, data);
    const int bad = m_options.corruptAddress;
    if (bad >= address && bad < address + count)
        m_memory[bad] = char(m_memory.at(bad) ^ 0x01); // a cell that does not keep what it got
    m_memoryChanged = true;
    return 0;
}

std::uint8_t SimUnit::login(const QByteArray& payload) const {
    const QByteArray name = field(payload, 0, 9);
    const QByteArray password = field(payload, 9, 9);
    if (name.isEmpty())
        return 0; // logout
    const QByteArray admin = field(m_memory, AdminName, 9);
    const QByteArray user = field(m_memory, UserName, 9);
    if (!admin.isEmpty() && name == admin && password == encode1250(m_options.adminPassword))
        return 2;
    if (!user.isEmpty() && name == user && password == encode1250(m_options.userPassword))
        return 1;
    return 0;
}

QByteArray SimUnit::clockRegisters() const {
    if (!m_heldClock.isEmpty())
        return m_heldClock;
    const QDateTime now = QDateTime::currentDateTime().addMSecs(m_clockOffsetMs);
    const QDate d = now.date();
    const QTime t = now.time();
    QByteArray r(7, '\0');
    r[0] = char(bcd(t.second()) + 0x80);
    r[1] = char(bcd(t.minute()));
    r[2] = char(bcd(t.hour()));
    r[3] = char((d.dayOfWeek() % 7) + 1 + 8); // 1 = Sunday
    r[4] = char(bcd(d.day()));
    r[5] = char(bcd(d.month()));
    r[6] = char(bcd(d.year() % 100));
    return r;
}

void SimUnit::writeClockRegisters(int reg, const QByteArray& data) {
    if (m_options.frozenClock)
        return;
    QByteArray r = clockRegisters();
    for (int i = 0; i < data.size() && reg + i < 7; ++i)
        r[reg + i] = data.at(i);
    const auto b = [&](int i) { return std::uint8_t(r.at(i)); };
    const QDate date(2000 + fromBcd(b(6), 0xFF), fromBcd(b(5), 0x1F), fromBcd(b(4), 0x3F));
    const QTime time(fromBcd(b(2), 0x3F), fromBcd(b(1), 0x7F), fromBcd(b(0), 0x7F));
    if (!date.isValid() || !time.isValid()) {
        m_heldClock = r; // no time to run from: what was written stays
        return;
    }
    m_heldClock.clear();
    m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(QDateTime(date, time));
}

QByteArray SimUnit::deviceStatus() const {
    const qint64 ms = QDateTime::currentMSecsSinceEpoch() - m_startMs;
    const double minutes = double(ms) / 60000.0;
    const int tick = int(ms / 2000);
    constexpr int temperatures = 6;
    QByteArray s(49 + 4 * temperatures, '\0');
    s[0] = 5;                                                        // Typ
    s[1] = char(1 + (tick / 30) % 2);                                // Mod
    s[2] = char(m_bypass ? 2 : 1);                                   // Stav
    s[3] = char(0x01);                                               // TM inputs
    s[4] = char((tick % 2 ? 0x05 : 0x01) | (m_supply5V ? 0x10 : 0)); // Inputs
    s[5] = 0;                                                        // Tlacitka
    const std::uint16_t outputs =
        m_outputsForced ? m_forcedOutputs : std::uint16_t(0x0003 | ((tick % 4) << 4));
    putU16(s, 6, outputs);
    putU16(s, 8, std::uint16_t(0x0001 | ((tick % 2) << 2))); // Vrele
    putU16(s, 12, 0x0005);                                   // Vterm
    putU16(s, 16, 0x0000);                                   // Pom_pr
    s[18] = char(0x11);
    s[22] = char(0x01);
    s[26] = 0;    // Opt
    s[27] = 0x02; // thermometer 2 flagged
    putFloat(s, 28, float(m_energyBase1 + minutes * 0.05));
    putFloat(s, 32, float(m_energyBase2 + minutes * 0.01));
    s[36] = 0;
    s[37] = 0;
    putFloat(s, 38, float(m_pwm));
    putFloat(s, 42, 0.25f);
    s[46] = 0;
    s[47] = 0;
    s[48] = temperatures;
    const float base[temperatures] = {21.5f, 22.0f, 19.75f, 45.0f, 5.5f, 24.25f};
    for (int i = 0; i < temperatures; ++i)
        putFloat(s, 49 + 4 * i, base[i] + float(std::sin(minutes + i)) * 0.5f);
    return s;
}
