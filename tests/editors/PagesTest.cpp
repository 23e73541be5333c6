#include "TestSupport.h"
#include "editors/AnalogPage.h"
#include "editors/InputsPage.h"
#include "editors/ModesPage.h"
#include "editors/OutputsPage.h"
#include "editors/ThermometersPage.h"
#include "unit/EnergyPreset.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytesAt(const ConfigImage& image, int first, int count) {
    return QByteArray(reinterpret_cast<const char*>(image.data() + first), count);
}

// Sets the named values, gathers into a fresh image and returns it.
ConfigImage gatherWith(FieldPage& page, const QList<std::pair<const char*, QVariant>>& values) {
    for (const auto& [name, value] : values)
        page.setValue(QLatin1String(name), value);
    ConfigImage image;
    page.gather(image);
    return image;
}

TEST(InputsPage, BitSetsAndS0EntriesLandAtTheirBytes) {
    InputsPage page;
    // X8 used and negated, X7/SO2 used.
    ConfigImage image = gatherWith(page, {{"inp0", true},
                                          {"inn0", true},
                                          {"inp4", true},
                                          {"int13", true},
                                          {"int24", true},
                                          {"sopp0", 1000},
                                          {"sopp1", 65535},
                                          {"sodp0", 255},
                                          {"sodp1", 7}});
    EXPECT_EQ(bytesAt(image, 360, 10), QByteArray::fromHex("11010810FF07E803FFFF"));
    // A stored FF in a bit set checks the five boxes and goes back as 1F.
    ConfigImage stored;
    stored[361] = 0xFF;
    page.scatter(stored);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(page.value(QStringLiteral("inn%1").arg(k)).toBool()) << k;
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(out[361], 0x1F);
}

TEST(InputsPage, SlotsFiveToSevenBelongToNoPage) {
    InputsPage page;
    ConfigImage image;
    image.setDescription(5100, QStringLiteral("slot 5"));
    image.setDescription(5000, QStringLiteral("staré"));
    page.scatter(image);
    EXPECT_EQ(page.text(QStringLiteral("inpop0")), QStringLiteral("staré"));
    page.setValue(QStringLiteral("inpop4"), QStringLiteral("Kotel"));
    page.gather(image);
    EXPECT_EQ(image.description(5080), QStringLiteral("Kotel"));
    EXPECT_EQ(image.description(5100), QStringLiteral("slot 5"));
}

TEST(EnergyPreset, PulseCountIsEnergyTimesPulsesTruncated) {
    const struct {
        qint64 tenths, pulses;
        std::optional<quint32> count;
    } cases[] = {
        {125, 1000, 12500}, // 12.5 kWh × 1000
        {1, 5, 0},          // 0.5 truncated
        {3, 10, 3},         // 0.3 kWh × 10 is 3, not 2.999…
        {23, 100, 230},     // 2.3 kWh × 100 is 230, not 229.999…
        {11, 1000, 1100},
        {655350, 65535, 4294836225u},   // the largest the entries allow
        {42949672959, 1, 4294967295u},  // the last count that fits 32 bits
        {42949672960, 1, std::nullopt}, // one past it
        {qint64(1) << 40, 65535, std::nullopt},
        {0, 65535, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(energy::pulseCount(c.tenths, c.pulses), c.count) << c.tenths << " " << c.pulses;
}

TEST(EnergyPreset, RequestCarriesStatusOneAndTheCount) {
    SimRig rig;
    energy::sendPreset(rig.link, 12500);
    energy::sendPreset(rig.link, 0);
    ASSERT_EQ(rig.server.requests().size(), 2);
    EXPECT_EQ(rig.server.requests()[0].frame, QByteArray::fromHex("23586501050000D4300000"));
    EXPECT_EQ(rig.server.requests()[1].frame.mid(6), QByteArray(5, '\0'));
    EXPECT_FALSE(rig.link.isOpen());
}

TEST(EnergyPreset, TheTwoKeysShowItOnlyForAnAdministrator) {
    using energy::FirstKey;
    using energy::SecondKey;
    energy::KeySequence keys;
    EXPECT_EQ(keys.feed(FirstKey, false), std::nullopt);
    EXPECT_EQ(keys.feed(SecondKey, false), std::nullopt);
    EXPECT_EQ(keys.feed(FirstKey, true), std::nullopt);
    EXPECT_EQ(keys.feed(SecondKey, true), std::optional<bool>(true));
    EXPECT_EQ(keys.feed('5', true), std::nullopt);
    EXPECT_EQ(keys.feed(FirstKey, true), std::nullopt);
    EXPECT_EQ(keys.feed('x', true), std::optional<bool>(false)); // first key, then another
}

TEST(OutputsPage, SixteenBitSetsRelaysAndTheCarriedTail) {
    OutputsPage page;
    ConfigImage image = gatherWith(page, {{"outp00", true}, {"outp09", true}, {"outvr03", 15}});
    EXPECT_EQ(bytesAt(image, 370, 2), QByteArray::fromHex("0102"));
    EXPECT_EQ(bytesAt(image, 378, 10), QByteArray::fromHex("1010100F101010101010"));
    EXPECT_EQ(bytesAt(image, 388, 6), QByteArray(6, '\0')); // before any scatter

    ConfigImage stored;
    stored.setU16(372, 0xFFFF);
    stored[380] = 42; // outside the list
    const std::uint8_t tail[] = {1, 2, 3, 4, 5, 6};
    stored.copyIn(388, 6, tail);
    page.scatter(stored);
    for (int k = 0; k < 10; ++k)
        EXPECT_TRUE(page.value(QStringLiteral("outn%1").arg(k, 2, 10, QLatin1Char('0'))).toBool());
    EXPECT_EQ(page.value(QStringLiteral("outvr02")).toInt(), -1);
    ConfigImage out; // cleared, as for a full save
    page.gather(out);
    EXPECT_EQ(bytesAt(out, 372, 2), QByteArray::fromHex("FF03"));
    EXPECT_EQ(out[380], 255);
    EXPECT_EQ(bytesAt(out, 388, 6), QByteArray::fromHex("010203040506"));
}

TEST(AnalogPage, ModeParametersAndSourceRows) {
    AnalogPage page;
    ConfigImage image = gatherWith(
        page, {{"lrvp", 2},
               {"maxpwm", 1000},
               {"avhs", 2.5},
               {"avik", 7},
               {"pr2", 200},
               {"pres", 2},
               // Row A2: thermostat MAX, relay R16, condition ~IN2, 10..90 %, limited to 50 %.
               {"atr1", 16},
               {"avr1", 15},
               {"aov1", 5},
               {"amn1", 10},
               {"amx1", 90},
               {"aop1", 50}});
    EXPECT_EQ(bytesAt(image, 394, 7), QByteArray::fromHex("021907E803C802"));
    EXPECT_EQ(bytesAt(image, 407, 6), QByteArray::fromHex("100F050A5A32"));

    // A fresh hysteresis is 0; 0.1 stores 1.
    AnalogPage fresh;
    EXPECT_EQ(gatherWith(fresh, {})[395], 0);
    EXPECT_EQ(gatherWith(fresh, {{"avhs", 0.1}})[395], 1);

    // Stored values outside the controls' ranges.
    ConfigImage stored;
    stored[394] = 0xFF;       // mode
    stored[395] = 255;        // hysteresis
    stored[399] = 0;          // PR2
    stored.setU16(397, 2000); // MAX PWM
    page.scatter(stored);
    EXPECT_EQ(page.value(QStringLiteral("lrvp")).toInt(), 3); // "X20/PWM INV"
    EXPECT_DOUBLE_EQ(page.value(QStringLiteral("avhs")).toDouble(), 25.5);
    EXPECT_EQ(page.value(QStringLiteral("pr2")).toInt(), 1);
    EXPECT_EQ(page.value(QStringLiteral("maxpwm")).toInt(), 1023);
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(out[394], 3);
    EXPECT_EQ(out[395], 255); // written back unchanged
    EXPECT_EQ(out[399], 1);
    EXPECT_EQ(out.u16(397), 1023);
}

TEST(ThermometersPage, UnalignedFieldsTrapsMinimumsAndSlots) {
    ThermometersPage page;
    ConfigImage image = gatherWith(page, {{"LMDbptm", 300},
                                          {"LMDsavetm", 65535},
                                          {"ttr10", true},
                                          {"ttr14", true},
                                          {"temp2", 0},
                                          {"tmpop0", QStringLiteral("Obývák")}});
    EXPECT_EQ(bytesAt(image, 443, 2), QByteArray::fromHex("2C01"));
    EXPECT_EQ(bytesAt(image, 446, 2), QByteArray::fromHex("FFFF"));
    EXPECT_EQ(image[453], 0x11);
    EXPECT_EQ(image[450], 0);
    EXPECT_EQ(image.description(5480), QStringLiteral("Obývák"));

    ConfigImage stored;
    stored[453] = 0xFF;
    stored[439] = 0; // LMDreadcount
    stored[456] = 5; // LMDerrdif
    stored[448] = 7; // a port outside the list
    stored.copyIn(5500, 20, reinterpret_cast<const std::uint8_t*>("ABCDEFGHIJKLMNOPQRST"));
    stored[5520] = 'z'; // the next slot stays as it is
    page.scatter(stored);
    EXPECT_EQ(page.value(QStringLiteral("LMDreadcount")).toInt(), 1);
    EXPECT_EQ(page.value(QStringLiteral("LMDerrdif")).toInt(), 10);
    EXPECT_EQ(page.value(QStringLiteral("temp0")).toInt(), -1);
    EXPECT_EQ(page.text(QStringLiteral("tmpop1")).size(), 20);
    page.gather(stored);
    EXPECT_EQ(stored[453], 0x1F);
    EXPECT_EQ(stored[439], 1);
    EXPECT_EQ(stored[456], 10);
    EXPECT_EQ(stored[448], 255);
    EXPECT_EQ(bytesAt(stored, 5500, 21), QByteArray("ABCDEFGHIJKLMNOPQRS\0z", 21));
}

TEST(Descriptions, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    ConfigImage image;
    image.setDescription(5000, QString::fromUtf8("Ω€😀ž"));
    EXPECT_EQ(bytesAt(image, 5000, 5), QByteArray::fromHex("3F803F9E00"));
    // Twenty emoji are still nineteen characters and a zero.
    QString many;
    for (int i = 0; i < 20; ++i)
        many += QString::fromUtf8("😀");
    image.setDescription(5020, many);
    EXPECT_EQ(bytesAt(image, 5020, 20), QByteArray(19, '?') + '\0');
}

} // namespace

namespace {

// Day groups by day number 1..7 (Sunday first) and hour switches of profile 0.
ConfigImage gatherModes(ModesPage& page, const int (&days)[7], const QList<int>& hours0) {
    for (int d = 1; d <= 7; ++d)
        page.setValue(ModesPage::dayName(d), days[d - 1]);
    for (int h : hours0)
        page.setValue(ModesPage::hourName(0, h), true);
    ConfigImage image;
    page.gather(image);
    return image;
}

TEST(ModesPage, DaysAndHoursLandInTheirBitSets) {
    ModesPage page;
    // Profile 0 Monday to Friday, profile 1 at the weekend, hours 6..21 of profile 0.
    QList<int> hours;
    for (int h = 6; h <= 21; ++h)
        hours << h;
    page.setValue(ModesPage::hourName(1, 23), true);
    ConfigImage image = gatherModes(page, {1, 0, 0, 0, 0, 0, 1}, hours);
    EXPECT_EQ(bytesAt(image, 425, 12).toHex(), QByteArray("3e4100c0ff3f000080000000"));
    EXPECT_EQ(page.shownFields()[0].value.toString(), QStringLiteral("Po, Út, St, Čt, Pá"));
    EXPECT_EQ(page.shownFields()[1].value.toString(), QStringLiteral("6-21"));
    EXPECT_EQ(page.shownFields()[2].value.toString(), QStringLiteral("So, Ne"));
    EXPECT_EQ(page.shownFields()[3].value.toString(), QStringLiteral("23"));

    // Sunday in both day sets ends on profile 1; Monday in neither shows no choice. Bit 7
    // of the day sets and the reserved bytes go back as 0.
    ConfigImage stored;
    stored.copyIn(
        425, 12,
        reinterpret_cast<const std::uint8_t*>("\xFD\x81\x55\x01\x00\x80\x00\x00\x00\x66\x77\x88"));
    page.scatter(stored);
    EXPECT_EQ(page.profileOf(1), 1);
    EXPECT_EQ(page.profileOf(2), -1);
    EXPECT_EQ(page.profileOf(3), 0);
    EXPECT_TRUE(page.isOn(0, 0) && page.isOn(0, 23) && !page.isOn(0, 1));
    EXPECT_EQ(page.shownFields().back().value.toString(), QStringLiteral("Po"));
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(bytesAt(out, 425, 12).toHex(), QByteArray("7c0100010080000000000000"));
}

TEST(ModesPage, HourRanges) {
    const struct {
        QList<int> on;
        const char* text;
    } cases[] = {{{}, "žádné"}, {{0}, "0"}, {{0, 1, 2, 5, 22, 23}, "0-2, 5, 22-23"}, {{23}, "23"}};
    for (const auto& c : cases) {
        std::vector<bool> hours(24, false);
        for (int h : c.on)
            hours[size_t(h)] = true;
        EXPECT_EQ(hourRanges(hours), QString::fromUtf8(c.text));
    }
}

} // namespace
