#include "editors/NetworkPage.h"

#include "image/FieldTable.h"

#include <QStringList>

namespace {

using K = FieldKind;
constexpr int App = 56;  // AppConfig
constexpr int Eth = 215; // EthConfig

FieldSpec address(const char* name, int at, const char* initial, int mirror = -1) {
    return {.name = name, .kind = K::Address, .at = at, .initialText = initial, .mirror = mirror};
}
FieldSpec text(const char* name, int at, int width, int typing, K kind = K::Text) {
    return {.name = name, .kind = kind, .at = at, .size = width, .typing = typing};
}
FieldSpec port(const char* name, int at, int initial) {
    return {.name = name,
            .kind = K::Number,
            .at = at,
            .size = 2,
            .min = 1,
            .max = 65535,
            .initial = double(initial)};
}

// In the order of the gather: an address that does not parse stops it at that field.
std::vector<FieldSpec> networkFields() {
    std::vector<FieldSpec> f = {
        address("LMDIP", App + 0, "193.168.1.103", App + 20),
        address("LMDmaska", App + 4, "255.255.255.0", App + 24),
        address("LMDns1", App + 12, "0.0.0.0"),
        address("LMDns2", App + 16, "0.0.0.0"),
        address("LMDgw", App + 8, "192.168.1.1"),
        text("LMDnbname", mem::BiosName.first, mem::BiosName.size, 15),
        text("LMDpopis", mem::Popis.first, mem::Popis.size, 15),
    };
    f[5].initialText = "Quel5";
    // The six communities are cleared before they are written.
    for (int i = 0; i < 3; ++i)
        f.push_back(text(i == 0   ? "rcom0"
                         : i == 1 ? "rcom1"
                                  : "rcom2",
                         mem::SnmpComm.first + 9 * i, 9, 8, K::ClearedText));
    for (int i = 0; i < 3; ++i)
        f.push_back(text(i == 0   ? "wcom0"
                         : i == 1 ? "wcom1"
                                  : "wcom2",
                         mem::SnmpComm.first + 27 + 9 * i, 9, 8, K::ClearedText));
    f.push_back(address("LMDsnmp1", Eth + 11, "0.0.0.0"));
    f.push_back(address("LMDsnmp2", Eth + 25, "0.0.0.0"));
    FieldSpec com1 = text("LMDcom1", Eth + 2, 9, 8);
    com1.mirror = Eth + 1; // its length
    FieldSpec com2 = text("LMDcom2", Eth + 16, 9, 8);
    com2.mirror = Eth + 15;
    f.push_back(com1);
    f.push_back(com2);
    f.push_back(text("LMDuziv", Eth + 29, 9, 8));
    f.push_back(text("LMDAdmin", Eth + 38, 9, 8));
    f.push_back(port("udpport", Eth + 47, 30305));
    f.push_back(port("tcpport1", Eth + 49, 9760));
    f.push_back(port("tcpport2", Eth + 51, 9761));
    f.push_back(port("udppt1", Eth + 91, 162));
    f.push_back(port("udppt2", Eth + 93, 162));
    f.push_back(text("ntpser", Eth + 53, 30, 17));
    f.push_back({.name = "trt1", .kind = K::Flag, .at = Eth + 89});
    f.push_back({.name = "trt2", .kind = K::Flag, .at = Eth + 90});
    f.push_back(port("tmreload", Eth + 87, 1000));
    f.push_back({.name = "LMAC", .kind = K::Label});

    // The captions the main window shows beside or above each field.
    const std::pair<const char*, std::pair<const char*, const char*>> captions[] = {
        {"LMDIP", {"", QT_TRANSLATE_NOOP("fields", "IP adresa")}},
        {"LMDmaska", {"", QT_TRANSLATE_NOOP("fields", "Maska")}},
        {"LMDgw", {"", QT_TRANSLATE_NOOP("fields", "Gateway")}},
        {"LMDns1", {"", QT_TRANSLATE_NOOP("fields", "Primary DNS")}},
        {"LMDns2", {"", QT_TRANSLATE_NOOP("fields", "Secondary DNS")}},
        {"LMDnbname", {"", QT_TRANSLATE_NOOP("fields", "NB name")}},
        {"LMDpopis", {"", QT_TRANSLATE_NOOP("fields", "Popis")}},
        {"LMDuziv", {"", QT_TRANSLATE_NOOP("fields", "Uživatel")}},
        {"LMDAdmin", {"", QT_TRANSLATE_NOOP("fields", "Admin")}},
        {"rcom0", {"Read community", QT_TRANSLATE_NOOP("fields", "1")}},
        {"rcom1", {"Read community", QT_TRANSLATE_NOOP("fields", "2")}},
        {"rcom2", {"Read community", QT_TRANSLATE_NOOP("fields", "3")}},
        {"wcom0", {"Write community", QT_TRANSLATE_NOOP("fields", "1")}},
        {"wcom1", {"Write community", QT_TRANSLATE_NOOP("fields", "2")}},
        {"wcom2", {"Write community", QT_TRANSLATE_NOOP("fields", "3")}},
        {"LMDsnmp1", {"SNMP trap  IP1", QT_TRANSLATE_NOOP("fields", "IP")}},
        {"LMDcom1", {"SNMP trap  IP1", QT_TRANSLATE_NOOP("fields", "Community")}},
        {"trt1", {"SNMP trap  IP1", QT_TRANSLATE_NOOP("fields", "Full")}},
        {"udppt1", {"SNMP trap  IP1", QT_TRANSLATE_NOOP("fields", "Port")}},
        {"LMDsnmp2", {"SNMP trap  IP2", QT_TRANSLATE_NOOP("fields", "IP")}},
        {"LMDcom2", {"SNMP trap  IP2", QT_TRANSLATE_NOOP("fields", "Community")}},
        {"trt2", {"SNMP trap  IP2", QT_TRANSLATE_NOOP("fields", "Full")}},
        {"udppt2", {"SNMP trap  IP2", QT_TRANSLATE_NOOP("fields", "Port")}},
        {"udpport", {"", QT_TRANSLATE_NOOP("fields", "UDP port")}},
        {"tcpport1", {"", QT_TRANSLATE_NOOP("fields", "TCP port1")}},
        {"tcpport2", {"", QT_TRANSLATE_NOOP("fields", "TCP port2")}},
        {"ntpser", {"", QT_TRANSLATE_NOOP("fields", "NTP server")}},
        {"tmreload", {"", QT_TRANSLATE_NOOP("fields", "Time reload [ms]")}},
        {"LMAC", {"", QT_TRANSLATE_NOOP("fields", "MAC")}},
    };
    for (FieldSpec& field : f)
        for (const auto& [name, where] : captions)
            if (qstrcmp(field.name, name) == 0) {
                field.row = where.first;
                field.caption = where.second;
            }
    return f;
}

} // namespace

NetworkPage::NetworkPage()
    : FieldPage({mem::AppConfig, mem::BiosName, mem::Popis, mem::SnmpComm, mem::EthConfig},
                fields::builtOnce<networkFields>()) {}

std::uint16_t NetworkPage::ethChecksum(const std::uint8_t* record) {
    std::uint16_t sum = 0;
    for (int i = 0; i < 95; ++i)
        sum = std::uint16_t(sum + record[i]);
    return sum;
}

void NetworkPage::afterScatter() {
    QStringList parts;
    for (int i = 0; i < 6; ++i)
        parts << QStringLiteral("%1").arg(m_copy[App + 29 + i], 2, 16, QLatin1Char('0')).toUpper();
    setValue(QStringLiteral("LMAC"), parts.join(QLatin1Char('-')));
}

void NetworkPage::beforeStore(ConfigImage& copy) {
    // Fixed bytes whose meaning lies inside the unit, then the checksum over the rest.
    copy[Eth + 0] = 2;
    const std::uint8_t fixed[] = {0, 0, 0, 44};
    copy.copyIn(Eth + 83, 4, fixed);
    copy.setU16(Eth + 95, ethChecksum(copy.data() + Eth));
}
