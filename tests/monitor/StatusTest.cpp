// The live status as the unit sends it.
#include "TestSupport.h"
#include "monitor/DeviceStatus.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

void putFloat(QByteArray& b, int at, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(bits >> (8 * i));
}

// Every field a different value, so that a field read from a neighbour's offset shows.
QByteArray reply(int temperatures) {
    QByteArray b(49 + 4 * temperatures, '\0');
    const char head[] = {5, 2, 7, 0x3C, char(0xA1), 0x1F};
    std::memcpy(b.data(), head, 6);
    b[6] = 0x01, b[7] = char(0x80);         // Outputs 0x8001
    b[8] = 0x34, b[9] = 0x12;               // Vrele
    b[10] = char(0xEE), b[11] = char(0xEE); // not read
    b[12] = 0x05, b[13] = 0x00;             // Vterm
    b[16] = char(0xCD), b[17] = char(0xAB); // Pom_pr
    const char leds[] = {0x11, 0x22, 0x33, char(0xFF), 0x01, 0x02, 0x03, 0x0A};
    std::memcpy(b.data() + 18, leds, 8);
    b[26] = 9;
    b[27] = 0x05;
    putFloat(b, 28, 12.5f);
    putFloat(b, 32, 0.1f);
    b[36] = 3, b[37] = 4;
    putFloat(b, 38, 42.5f);
    putFloat(b, 42, -0.25f);
    b[46] = char(0xB2), b[47] = 77;
    b[48] = char(temperatures);
    for (int i = 0; i < temperatures; ++i)
        putFloat(b, 49 + 4 * i, 20.0f + float(i));
    return b;
}

DeviceStatus decoded(const QByteArray& b) {
    return decodeStatus(reinterpret_cast<const std::uint8_t*>(b.constData()), int(b.size()));
}

TEST(DeviceStatus, ThirteenLinesBitRowsAndValues) {
    const DeviceStatus s = decoded(reply(6));
    EXPECT_EQ(statusLines(s),
              QStringList({"Typ : 5", "Mod : 2", "Stav : 7", "Tlacitka : 0x1F",
                           "LED zobr : 0x11 0x22 0x33 0xFF", "LED blik : 0x01 0x02 0x03 0x0A",
                           "Opt : 9", "Test idx : 3", "Vybran : 4", "PWM : 42.5", "PI sum : -0.25",
                           "I2C error : 0xB2", "I2C error adr : 77"}));
    QStringList rows;
    for (const BitRow& row : bitRows(s))
        rows << row.name + QLatin1Char(' ') + bitRowText(row);
    EXPECT_EQ(rows, QStringList({"TM inputs ........00111100", "Inputs ........10100001",
                                 "Outputs 1000000000000001", "Vrele 0001001000110100",
                                 "Vterm 0000000000000101", "Pom_pr 1010101111001101"}));
    QStringList values;
    for (const ValueRow& v : valueRows(s))
        values << QStringLiteral("%1 %2 %3 %4")
                      .arg(v.row)
                      .arg(v.name, valueText(v.value))
                      .arg(v.flagged);
    EXPECT_EQ(values, QStringList({"0 Teplota1 20.00000 1", "1 Teplota2 21.00000 0",
                                   "2 Teplota3 22.00000 1", "3 Teplota4 23.00000 0",
                                   "4 Teplota5 24.00000 0", "5 Vnitrni 25.00000 0",
                                   "6 Energie1 12.50000 0", "7 Energie2 0.10000 0"}));
    // Sent back unchanged, the Outputs row gives the unit its outputs again: 01 80.
    EXPECT_EQ(outputPattern(bitRowText(bitRows(s)[2]).split(QString(), Qt::SkipEmptyParts)),
              0x8001);
    EXPECT_EQ(outputPattern({"", "x", "1"}), 0x2000); // only an exact "1" counts
    // A single rounded to 15 digits, as the unit's float is.
    EXPECT_EQ(generalFloat(0.1f), QStringLiteral("0.100000001490116"));
}

TEST(DeviceStatus, TemperatureCountsAndShortReplies) {
    const struct {
        int n;
        const char* names;
    } counts[] = {
        {0, ""}, {1, "Vnitrni"}, {6, "Teplota1 Teplota2 Teplota3 Teplota4 Teplota5 Vnitrni"}};
    for (const auto& c : counts) {
        QStringList names;
        for (const ValueRow& v : valueRows(decoded(reply(c.n))))
            if (v.row < 6)
                names << v.name;
        EXPECT_EQ(names.join(QLatin1Char(' ')), QLatin1String(c.names)) << c.n;
    }
    // Nine announced: six rows at most, the energy rows stay theirs.
    QByteArray nine = reply(9);
    const DeviceStatus s9 = decoded(nine);
    EXPECT_EQ(s9.temperatures.size(), 6u);
    EXPECT_EQ(valueRows(s9).back().name, QStringLiteral("Energie2"));
    // Six promised, two carried: two rows, nothing read past the reply's end.
    QByteArray promised = reply(2);
    promised[48] = 6;
    const DeviceStatus s2 = decoded(promised);
    EXPECT_EQ(s2.temperatures.size(), 2u);
    EXPECT_EQ(valueRows(s2)[1].name, QStringLiteral("Teplota2"));
    // A flag byte of 0x3F flags value rows 0-4 only.
    QByteArray flags = reply(6);
    flags[27] = 0x3F;
    for (const ValueRow& v : valueRows(decoded(flags)))
        EXPECT_EQ(v.flagged, v.row < 5) << v.row;
    // A reply cut after the Outputs word: what it carries, nothing invented.
    const DeviceStatus cut = decoded(reply(6).left(8));
    EXPECT_EQ(statusLines(cut)[2], QStringLiteral("Stav : 7"));
    EXPECT_EQ(statusLines(cut)[4], QStringLiteral("LED zobr : (chybí)"));
    EXPECT_TRUE(bitRows(cut)[2].carried);
    EXPECT_FALSE(bitRows(cut)[3].carried);
    EXPECT_TRUE(valueRows(cut).empty());
}

} // namespace
