#pragma once

#include "image/FieldPage.h"

// The unit's network identity and service settings: the five records AppConfig,
// BiosName, Popis, SnmpComm and EthConfig, edited by the main window's fields.
class NetworkPage : public FieldPage {
public:
    NetworkPage();

    // The MAC address of the last scatter, as 00-1E-C0-12-34-56.
    QString macText() const { return text(QStringLiteral("LMAC")); }

    // The sum of EthConfig bytes 0..94 in 16 bits.
    static std::uint16_t ethChecksum(const std::uint8_t* record);

protected:
    void afterScatter() override;
    void beforeStore(ConfigImage& copy) override;
};
