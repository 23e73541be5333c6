#pragma once

#include "image/Page.h"

#include <QString>
#include <array>
#include <optional>

// Parses a dotted address: the text split at its first three dots, each part a decimal
// integer 0..255. Nothing else is accepted.
std::optional<std::array<std::uint8_t, 4>> parseIpAddress(const QString& text);
QString formatIpAddress(const std::uint8_t* bytes);

// The unit's network identity and service settings: the five records AppConfig,
// BiosName, Popis, SnmpComm and EthConfig, and the values of the main window's fields.
class NetworkPage : public Page {
public:
    // The fields as the main window shows them, with their initial values.
    struct Fields {
        QString ip = QStringLiteral("193.168.1.103");
        QString mask = QStringLiteral("255.255.255.0");
        QString gateway = QStringLiteral("192.168.1.1");
        QString dns1 = QStringLiteral("0.0.0.0");
        QString dns2 = QStringLiteral("0.0.0.0");
        QString nbName = QStringLiteral("Quel5");
        QString popis;
        std::array<QString, 3> readCommunity;
        std::array<QString, 3> writeCommunity;
        QString trap1 = QStringLiteral("0.0.0.0");
        QString trap2 = QStringLiteral("0.0.0.0");
        QString trapCommunity1;
        QString trapCommunity2;
        bool trapFull1 = false;
        bool trapFull2 = false;
        int trapPort1 = 162;
        int trapPort2 = 162;
        QString userName;
        QString adminName;
        int udpPort = 30305;
        int tcpPort1 = 9760;
        int tcpPort2 = 9761;
        QString ntpServer;
        int timeReload = 1000;
    };

    // How many characters the fields let the user type.
    static constexpr int NbNameMaxChars = 15;
    static constexpr int PopisMaxChars = 15;
    static constexpr int CommunityMaxChars = 8;
    static constexpr int AccountMaxChars = 8;
    static constexpr int NtpMaxChars = 17;

    void scatter(const ConfigImage& image) override;
    // Throws GatherError ("The string %s does not translate into a valid IP.") at the
    // first address that does not parse; the image is then left untouched.
    void gather(ConfigImage& image) override;

    Fields fields;

    // The MAC address of the last scatter, as 00-1E-C0-12-34-56.
    QString macText() const;

    const std::array<std::uint8_t, 35>& appConfig() const { return m_appConfig; }
    const std::array<std::uint8_t, 97>& ethConfig() const { return m_ethConfig; }

    static std::uint16_t ethChecksum(const std::uint8_t* record);

private:
    std::array<std::uint8_t, 35> m_appConfig{};
    std::array<std::uint8_t, 16> m_biosName{};
    std::array<std::uint8_t, 50> m_popis{};
    std::array<std::uint8_t, 58> m_snmpComm{};
    std::array<std::uint8_t, 97> m_ethConfig{};
};
