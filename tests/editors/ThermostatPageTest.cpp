// The thermostat records as the unit keeps them: the worked records, the byte table of a
// record under random types and values, the rows the unit does not run, and which boxes a
// type shows.
#include "logic/ThermostatPage.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using Values = QList<std::pair<QString, QVariant>>;

QString at(const char* stem, int row) {
    return ThermostatPage::name(stem, row);
}

QByteArray record(const ConfigImage& image, int row) {
    return QByteArray(reinterpret_cast<const char*>(image.data() + 1004 + 12 * row), 12);
}

ConfigImage gatherRow0(const Values& values) {
    ThermostatPage page;
    for (const auto& [name, value] : values)
        page.setValue(name + QStringLiteral("00"), value);
    ConfigImage image;
    page.gather(image);
    return image;
}

TEST(ThermostatPage, WorkedRecords) {
    const struct {
        const char* what;
        Values values;
        const char* bytes;
    } cases[] = {
        {"type 2, Tepl.3 alone, 19.5/21.0, Mod 1 left at 0",
         {{"trt", 2}, {"trte0", 2}, {"trtl0", 19.5}, {"trth0", 21.0}},
         "020200 00C300C300D200D200"},
        {"type 1, AVG of Tepl.1 and Tepl.2, -5.0/3.5 in both modes",
         {{"trt", 1},
          {"trte0", 0},
          {"trte1", 1},
          {"trf", 2},
          {"trtl0", -5.0},
          {"trth0", 3.5},
          {"trtl1", -5.0},
          {"trth1", 3.5}},
         "010001 02CEFFCEFF23002300"},
        {"the same with Mod 1 left at 0",
         {{"trt", 1}, {"trte1", 1}, {"trf", 2}, {"trtl0", -5.0}, {"trth0", 3.5}},
         "010001 02CEFFCEFF23002300"},
        {"type 4, SP 21.0, dT 2.0, PB 13.0",
         {{"trt", 4}, {"trtl0", 21.0}, {"trth0", 2.0}, {"trtp0", 13.0}},
         "040000 00D200D20014821482"},
        {"type 4 with its own Mod 1", // SP 20.0, dT 1.5, PB 25.5
         {{"trt", 4},
          {"trtl0", 21.0},
          {"trth0", 2.0},
          {"trtp0", 13.0},
          {"trtl1", 20.0},
          {"trth1", 1.5},
          {"trtp1", 25.5}},
         "040000 00D200C80014820FFF"},
        {"type 5 stores the hidden dT and sensor 2",
         {{"trt", 5}, {"trte1", 4}, {"trtl0", 0.5}, {"trth0", 1.0}, {"trtp0", 4.0}},
         "050004 0005000500 0A280A28"},
        {"dT -1.0 and PB 30.0 keep their low 8 bits",
         {{"trt", 4}, {"trth0", -1.0}, {"trtp0", 30.0}},
         "040000 0000000000F62CF62C"},
        {"tenths round half to even",
         {{"trt", 3}, {"trtl0", 0.25}, {"trth0", -0.35}, {"trtl1", 0.35}, {"trth1", 0.05}},
         "030000 000200 0400FCFF0000"},
        {"type 0 clears bytes 1-11",
         {{"trt", 0}, {"trte0", 3}, {"trf", 4}, {"trtl0", 5.0}},
         "000000 000000000000000000"},
        {"no type chosen is stored as type 0", {{"trtl0", 5.0}}, "000000 000000000000000000"},
    };
    for (const auto& c : cases) {
        const ConfigImage image = gatherRow0(c.values);
        EXPECT_EQ(record(image, 0).toHex(),
                  QByteArray::fromHex(QByteArray(c.bytes).replace(' ', "")).toHex())
            << c.what;
        EXPECT_EQ(image.u16(1000), record(image, 0)[0] ? 1 : 0) << c.what;
    }
}

TEST(ThermostatPage, RecordsReadBackAsEntered) {
    ConfigImage image;
    const QByteArray records = QByteArray::fromHex("020200 00C300C300D200D200"
                                                   "040000 00D200D20014821482"
                                                   "040000 00D200C800148214FF"
                                                   "010000 00D007D00730F830F8"); // 200.0, -200.0
    image.copyIn(1004, int(records.size()), reinterpret_cast<const std::uint8_t*>(records.data()));
    ThermostatPage page;
    page.scatter(image);
    const struct {
        const char* name;
        double value;
    } shown[] = {
        {"trtl000", 19.5}, {"trth000", 21.0},  {"trtl100", 0.0},    {"trth100", 0.0},
        {"trtl001", 21.0}, {"trth001", 2.0},   {"trtp001", 13.0},   {"trtl101", 0.0},
        {"trth101", 0.0},  {"trtp101", 0.0},   {"trtl102", 20.0},   {"trth102", 2.0},
        {"trtp102", 25.5}, {"trtl003", 200.0}, {"trth003", -200.0},
    };
    for (const auto& s : shown)
        EXPECT_DOUBLE_EQ(page.value(QLatin1String(s.name)).toDouble(), s.value) << s.name;
    EXPECT_EQ(page.value(QStringLiteral("trte000")).toInt(), 2);
    // Values past the boxes are shown and stored back as they came until edited.
    page.gather(image);
    EXPECT_EQ(record(image, 3).toHex(), QByteArray("010000"
                                                   "00d007d00730f830f8"));
}

// Rows 17-32 go back byte for byte, even where the "Mod 1" words equal "Mod 0".
TEST(ThermostatPage, RowsTheUnitDoesNotRunKeepTheirBytes) {
    ConfigImage image;
    QRandomGenerator random(5);
    for (int a = 1004 + 12 * 16; a < 1468; ++a)
        image[a] = std::uint8_t(random.bounded(256));
    image.setU16(1004 + 12 * 20 + 4, 0x1234);
    image.setU16(1004 + 12 * 20 + 6, 0x1234);
    image.setU16(1004 + 12 * 20 + 8, 0x0101);
    image.setU16(1004 + 12 * 20 + 10, 0x0101);
    image.setDescription(5660 + 20 * 16, QStringLiteral("T17 popis"));
    const ConfigImage before = image;
    ThermostatPage page;
    page.scatter(image);
    page.setValue(at("trpop", 16), QStringLiteral("jiný"));
    page.setValue(at("trt", 16), 0);
    ConfigImage out;
    page.gather(out);
    for (int a = 1004 + 12 * 16; a < 1468; ++a)
        ASSERT_EQ(out[a], before[a]) << a;
    EXPECT_EQ(out.description(5660 + 20 * 16), QStringLiteral("T17 popis"));
    EXPECT_EQ(out.u16(1002), 0);
}

// Random types and values on rows 1-16: each byte where the record's layout puts it.
TEST(ThermostatPage, EveryRowLandsOnItsOwnBytes) {
    for (quint32 seed = 1; seed <= 16; ++seed) {
        QRandomGenerator random(seed);
        ThermostatPage page;
        QByteArray expected(16 * 12, '\0');
        std::uint16_t mask = 0;
        for (int k = 0; k < 16; ++k) {
            const int type = int(random.bounded(6));
            const int s1 = int(random.bounded(5)), s2 = int(random.bounded(5));
            const int comb = int(random.bounded(5));
            int tenths[2][3];
            for (auto& mode : tenths) {
                mode[0] = int(random.bounded(-1000, 1001));
                mode[1] = type >= 4 ? int(random.bounded(256)) : int(random.bounded(-1000, 1001));
                mode[2] = int(random.bounded(256));
            }
            const Values values = {
                {"trt", type},
                {"trte0", s1},
                {"trte1", s2},
                {"trf", comb},
                {"trtl0", tenths[0][0] / 10.0},
                {"trth0", tenths[0][1] / 10.0},
                {"trtp0", tenths[0][2] / 10.0},
                {"trtl1", tenths[1][0] / 10.0},
                {"trth1", tenths[1][1] / 10.0},
                {"trtp1", tenths[1][2] / 10.0},
            };
            for (const auto& [stem, value] : values)
                page.setValue(at(stem.toLatin1().constData(), k), value);
            if (type == 0)
                continue;
            mask |= std::uint16_t(1 << k);
            char* r = expected.data() + 12 * k;
            r[0] = char(type), r[1] = char(s1), r[2] = char(s2), r[3] = char(comb);
            for (int m = 0; m < 2; ++m) {
                r[4 + 2 * m] = char(tenths[m][0]), r[5 + 2 * m] = char(tenths[m][0] >> 8);
                r[8 + 2 * m] = char(tenths[m][1]);
                r[9 + 2 * m] = char(type >= 4 ? tenths[m][2] : tenths[m][1] >> 8);
            }
            if (r[6] == 0 && r[7] == 0 && r[10] == 0 && r[11] == 0)
                for (int b = 0; b < 2; ++b)
                    r[6 + b] = r[4 + b], r[10 + b] = r[8 + b];
        }
        ConfigImage image;
        page.gather(image);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data() + 1004), 16 * 12).toHex(),
                  expected.toHex())
            << "seed " << seed;
        EXPECT_EQ(image.u16(1000), mask);
    }
}

// Which boxes each type shows, and under which captions.
TEST(ThermostatPage, TheTypeChoosesTheBoxesAndCaptions) {
    const struct {
        int type;
        int combination;
        const char* shown; // in mode 0
        const char* low;
        const char* high;
    } cases[] = {
        {0, 0, "", "", ""},
        {1, 0, "trte0 trf trll0 trlh0 trtl0 trth0 trpop", "TL", "TH"},
        {2, 3, "trte0 trf trte1 trll0 trlh0 trtl0 trth0 trpop", "TL", "TH"},
        {3, 1, "trte0 trf trte1 trll0 trlh0 trtl0 trth0 trpop", "TL", "TH"},
        {4, 0, "trte0 trte1 trll0 trlh0 trlp0 trtl0 trth0 trtp0 trpop", "SP", "dT"},
        {5, 2, "trte0 trll0 trlp0 trtl0 trtp0 trpop", "SP", "dT"},
    };
    const char* const stems[] = {"trte0", "trf",   "trte1", "trll0", "trlh0", "trlp0", "trtl0",
                                 "trth0", "trtp0", "trtl1", "trth1", "trtp1", "trpop"};
    for (const auto& c : cases) {
        ThermostatPage page;
        page.setValue(at("trt", 2), c.type);
        page.setValue(at("trf", 2), c.combination);
        for (int mode = 0; mode < 2; ++mode) {
            page.setValue(QStringLiteral("LMDRmod"), mode);
            QStringList shown;
            for (const char* stem : stems)
                if (page.isShown(*page.field(at(stem, 2))))
                    shown << QString::fromLatin1(stem);
            QString expected = QString::fromLatin1(c.shown);
            if (mode == 1)
                expected.replace(QStringLiteral("trtl0"), QStringLiteral("trtl1"))
                    .replace(QStringLiteral("trth0"), QStringLiteral("trth1"))
                    .replace(QStringLiteral("trtp0"), QStringLiteral("trtp1"));
            EXPECT_EQ(shown.join(QLatin1Char(' ')), expected) << c.type << " mode " << mode;
        }
        EXPECT_EQ(page.captionNow(*page.field(at("trll0", 2))), QLatin1String(c.low));
        EXPECT_EQ(page.captionNow(*page.field(at("trlh0", 2))), QLatin1String(c.high));
    }
}

// Every used row and one free row are on show; rows 17-32 only when they hold something.
TEST(ThermostatPage, OneFreeRowIsOnShow) {
    auto shownRows = [](const ThermostatPage& page) {
        QList<int> rows;
        for (int k = 0; k < ThermostatPage::Rows; ++k)
            if (page.isShown(*page.field(at("trt", k))) && page.isShown(*page.field(at("lp", k))))
                rows << k;
        return rows;
    };
    ThermostatPage page;
    EXPECT_EQ(shownRows(page).size(), 16); // before the first scatter, no type chosen
    ConfigImage image;
    image[1004] = 1;
    image[1004 + 12 * 2] = 4;
    image[1004 + 12 * 20] = 2;
    page.scatter(image);
    EXPECT_EQ(shownRows(page), QList<int>({0, 1, 2, 20}));
    page.setValue(at("trt", 1), 3);
    EXPECT_EQ(shownRows(page), QList<int>({0, 1, 2, 3, 20}));
    page.setValue(at("trt", 0), 0);
    EXPECT_EQ(shownRows(page), QList<int>({0, 1, 2, 20}));
}

} // namespace
