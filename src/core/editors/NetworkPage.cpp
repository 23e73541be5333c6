#include "editors/NetworkPage.h"

#include "link/Errors.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

std::optional<std::array<std::uint8_t, 4>> parseIpAddress(const QString& text) {
    std::array<std::uint8_t, 4> out{};
    int start = 0;
    for (int part = 0; part < 4; ++part) {
        int end = part < 3 ? int(text.indexOf(QLatin1Char('.'), start)) : int(text.size());
        if (end < 0)
            return std::nullopt;
        const QStringView digits = QStringView(text).mid(start, end - start);
        if (digits.isEmpty() || digits.size() > 3 ||
            !std::all_of(digits.begin(), digits.end(),
                         [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
            return std::nullopt;
        const int value = digits.toInt();
        if (value > 255)
            return std::nullopt;
        out[size_t(part)] = std::uint8_t(value);
        start = end + 1;
    }
    return out;
}

QString formatIpAddress(const std::uint8_t* b) {
    return QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
}

namespace {

// Stores an address field or stops the gather with the unit's own wording.
void putAddress(std::uint8_t* to, const QString& text) {
    const auto parsed = parseIpAddress(text);
    if (!parsed)
        throw GatherError(
            QStringLiteral("The string %1 does not translate into a valid IP.").arg(text));
    std::memcpy(to, parsed->data(), 4);
}

// Writes the text and its zero byte from the field's first byte; the bytes after the zero
// keep what they held. A text longer than the field (as a unit or a file may bring) is cut
// so that it and its zero byte stay inside the field. Returns the bytes written.
int putText(std::uint8_t* field, int width, const QString& text) {
    const QByteArray encoded = cp1250::encode(text).left(width - 1);
    std::memcpy(field, encoded.constData(), size_t(encoded.size()));
    field[encoded.size()] = 0;
    return int(encoded.size());
}

QString getText(const std::uint8_t* field, int width) {
    return cp1250::decode(reinterpret_cast<const char*>(field), width);
}

void putU16(std::uint8_t* at, int value) {
    const auto v = std::uint16_t(std::clamp(value, 1, 65535));
    at[0] = std::uint8_t(v & 0xFF);
    at[1] = std::uint8_t(v >> 8);
}

int getU16(const std::uint8_t* at) {
    return at[0] | (at[1] << 8);
}

// Offsets inside EthConfig.
enum Eth {
    Fixed2 = 0,
    Com1Length = 1,
    Com1 = 2,
    Trap1 = 11,
    Com2Length = 15,
    Com2 = 16,
    Trap2 = 25,
    User = 29,
    Admin = 38,
    UdpPort = 47,
    TcpPort1 = 49,
    TcpPort2 = 51,
    Ntp = 53,
    Fixed44 = 83,
    Reload = 87,
    Full1 = 89,
    Full2 = 90,
    TrapPort1 = 91,
    TrapPort2 = 93,
    Checksum = 95,
};

} // namespace

std::uint16_t NetworkPage::ethChecksum(const std::uint8_t* record) {
    std::uint16_t sum = 0;
    for (int i = 0; i < Checksum; ++i)
        sum = std::uint16_t(sum + record[i]);
    return sum;
}

QString NetworkPage::macText() const {
    QStringList parts;
    for (int i = 29; i < 35; ++i)
        parts
            << QStringLiteral("%1").arg(m_appConfig[size_t(i)], 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char('-'));
}

void NetworkPage::scatter(const ConfigImage& image) {
    image.copyOut(mem::AppConfig.first, mem::AppConfig.size, m_appConfig.data());
    image.copyOut(mem::BiosName.first, mem::BiosName.size, m_biosName.data());
    image.copyOut(mem::Popis.first, mem::Popis.size, m_popis.data());
    image.copyOut(mem::SnmpComm.first, mem::SnmpComm.size, m_snmpComm.data());
    image.copyOut(mem::EthConfig.first, mem::EthConfig.size, m_ethConfig.data());

    Fields& f = fields;
    f.ip = formatIpAddress(&m_appConfig[0]);
    f.mask = formatIpAddress(&m_appConfig[4]);
    f.dns1 = formatIpAddress(&m_appConfig[12]);
    f.dns2 = formatIpAddress(&m_appConfig[16]);
    f.gateway = formatIpAddress(&m_appConfig[8]);
    f.trap1 = formatIpAddress(&m_ethConfig[Trap1]);
    f.trap2 = formatIpAddress(&m_ethConfig[Trap2]);

    f.nbName = getText(m_biosName.data(), 16);
    f.popis = getText(m_popis.data(), 50);
    for (int i = 0; i < 3; ++i) {
        f.readCommunity[size_t(i)] = getText(&m_snmpComm[size_t(9 * i)], 9);
        f.writeCommunity[size_t(i)] = getText(&m_snmpComm[size_t(27 + 9 * i)], 9);
    }
    f.trapCommunity1 = getText(&m_ethConfig[Com1], 9);
    f.trapCommunity2 = getText(&m_ethConfig[Com2], 9);
    f.userName = getText(&m_ethConfig[User], 9);
    f.adminName = getText(&m_ethConfig[Admin], 9);
    f.ntpServer = getText(&m_ethConfig[Ntp], 30);

    f.udpPort = getU16(&m_ethConfig[UdpPort]);
    f.tcpPort1 = getU16(&m_ethConfig[TcpPort1]);
    f.tcpPort2 = getU16(&m_ethConfig[TcpPort2]);
    f.trapPort1 = getU16(&m_ethConfig[TrapPort1]);
    f.trapPort2 = getU16(&m_ethConfig[TrapPort2]);
    f.timeReload = getU16(&m_ethConfig[Reload]);
    f.trapFull1 = m_ethConfig[Full1] == 1;
    f.trapFull2 = m_ethConfig[Full2] == 1;
}

void NetworkPage::gather(ConfigImage& image) {
    const Fields& f = fields;
    putAddress(&m_appConfig[0], f.ip);
    putAddress(&m_appConfig[20], f.ip);
    putAddress(&m_appConfig[4], f.mask);
    putAddress(&m_appConfig[24], f.mask);
    putAddress(&m_appConfig[12], f.dns1);
    putAddress(&m_appConfig[16], f.dns2);
    putAddress(&m_appConfig[8], f.gateway);

    putText(m_biosName.data(), 16, f.nbName);
    putText(m_popis.data(), 50, f.popis);

    std::fill_n(m_snmpComm.begin(), 54, std::uint8_t(0));
    for (int i = 0; i < 3; ++i) {
        putText(&m_snmpComm[size_t(9 * i)], 9, f.readCommunity[size_t(i)]);
        putText(&m_snmpComm[size_t(27 + 9 * i)], 9, f.writeCommunity[size_t(i)]);
    }

    putAddress(&m_ethConfig[Trap1], f.trap1);
    putAddress(&m_ethConfig[Trap2], f.trap2);

    m_ethConfig[Fixed2] = 2;
    m_ethConfig[Com1Length] = std::uint8_t(putText(&m_ethConfig[Com1], 9, f.trapCommunity1));
    m_ethConfig[Com2Length] = std::uint8_t(putText(&m_ethConfig[Com2], 9, f.trapCommunity2));
    putText(&m_ethConfig[User], 9, f.userName);
    putText(&m_ethConfig[Admin], 9, f.adminName);

    putU16(&m_ethConfig[UdpPort], f.udpPort);
    putU16(&m_ethConfig[TcpPort1], f.tcpPort1);
    putU16(&m_ethConfig[TcpPort2], f.tcpPort2);
    putU16(&m_ethConfig[TrapPort1], f.trapPort1);
    putU16(&m_ethConfig[TrapPort2], f.trapPort2);

    putText(&m_ethConfig[Ntp], 30, f.ntpServer);
    m_ethConfig[Full1] = f.trapFull1 ? 1 : 0;
    m_ethConfig[Full2] = f.trapFull2 ? 1 : 0;
    putU16(&m_ethConfig[Reload], f.timeReload);
    const std::uint8_t fixed[] = {0, 0, 0, 44};
    std::memcpy(&m_ethConfig[Fixed44], fixed, 4);

    image.copyIn(mem::AppConfig.first, mem::AppConfig.size, m_appConfig.data());
    image.copyIn(mem::BiosName.first, mem::BiosName.size, m_biosName.data());
    image.copyIn(mem::Popis.first, mem::Popis.size, m_popis.data());
    image.copyIn(mem::SnmpComm.first, mem::SnmpComm.size, m_snmpComm.data());

    const std::uint16_t sum = ethChecksum(m_ethConfig.data());
    m_ethConfig[Checksum] = std::uint8_t(sum & 0xFF);
    m_ethConfig[Checksum + 1] = std::uint8_t(sum >> 8);
    image.copyIn(mem::EthConfig.first, mem::EthConfig.size, m_ethConfig.data());
}
