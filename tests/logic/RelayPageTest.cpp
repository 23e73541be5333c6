#include "logic/RelayPage.h"
#include "TestSupport.h"
#include "base/Errors.h"
#include "image/RawRegionPage.h"
#include "logic/RelayCompiler.h"
#include "workspace/Workspace.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Lays programs into an image the way a unit stores them.
void storePrograms(ConfigImage& image, const std::vector<std::vector<std::uint8_t>>& programs) {
    int offset = 0;
    std::uint32_t mask = 0;
    for (size_t n = 0; n < programs.size(); ++n) {
        const auto& p = programs[n];
        image[mem::RelayIndex + 4 * int(n) + 1] = std::uint8_t(p.size());
        image.setU16(mem::RelayIndex + 4 * int(n) + 2, std::uint16_t(mem::RelayCode + offset));
        image.copyIn(mem::RelayCode + offset, int(p.size()), p.data());
        offset += int(p.size());
        if (!p.empty())
            mask |= 1u << n;
    }
    image.setU16(mem::RelayMask, std::uint16_t(mask));
    image.setU16(mem::RelayCodeLength, std::uint16_t(offset));
}

std::vector<std::uint8_t> code(const char* hexText) {
    const QByteArray b = QByteArray::fromHex(hexText);
    return {b.begin(), b.end()};
}

std::vector<std::uint8_t> imageBytes(const ConfigImage& image, int first, int count) {
    return {image.data() + first, image.data() + first + count};
}

TEST(RelayPage, ScatterTakesTheProgramsOneAfterAnother) {
    ConfigImage image;
    storePrograms(image, {code("91 02 FB"), {}, code("B6 01 0A 01 82")});
    image.setDescription(6300, QStringLiteral("Čerpadlo"));
    RelayPage page;
    page.scatter(image);
    EXPECT_EQ(page.rows[0].text, QStringLiteral("T3 | R16 "));
    EXPECT_EQ(page.rows[1].text, QString());
    EXPECT_EQ(page.rows[2].text, QStringLiteral("FCNT(2,10) & E1 "));
    EXPECT_EQ(page.rows[3].text, QString());
    EXPECT_EQ(page.rows[0].description, QStringLiteral("Čerpadlo"));
}

TEST(RelayPage, GatherLaysOutLengthsStartsMaskAndCode) {
    RelayPage page;
    page.rows[0].text = QStringLiteral("FTOFF(600)&FPULS(5)&V1"); // 10 bytes
    page.rows[2].text = QStringLiteral("(V1&~V2)"); // 7 bytes: 20 80 11 88 40 ... check below
    page.rows[0].description = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    ConfigImage image;
    page.gather(image);
    const int lengths[3] = {page.entryLength(0), page.entryLength(1), page.entryLength(2)};
    EXPECT_EQ(lengths[0], 11);
    EXPECT_EQ(page.entryStart(0), 1602);
    EXPECT_EQ(lengths[1], 0);
    EXPECT_EQ(page.entryStart(1), 1602 + lengths[0]);
    EXPECT_EQ(page.entryStart(2), 1602 + lengths[0]);
    EXPECT_EQ(image.u16(mem::RelayCodeLength), lengths[0] + lengths[2]);
    EXPECT_EQ(image.u16(mem::RelayMask), 5);
    EXPECT_EQ(image[mem::RelayMask + 2], 0);
    for (int n = 3; n < 16; ++n) {
        EXPECT_EQ(page.entryLength(n), 0);
        EXPECT_EQ(page.entryStart(n), 1602 + lengths[0] + lengths[2]);
    }
    EXPECT_EQ(image.description(6300), QStringLiteral("abcdefghijklmnopqrs"));
    EXPECT_EQ(image[6319], 0);
}

TEST(RelayPage, TenZeroSevenBytesGiveTheKnownIndex) {
    ConfigImage image;
    storePrograms(image, {code("86 00 1E 00 01 8E 01 58 02 01"), {}, code("20 80 11 88 42 81 40")});
    RelayPage page;
    page.scatter(image);
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(imageBytes(out, mem::RelayIndex, 12), code("00 0A 42 06 00 00 4C 06 00 07 4C 06"));
    EXPECT_EQ(out.u16(mem::RelayCodeLength), 17);
    EXPECT_EQ(out.u16(mem::RelayMask), 5);
    EXPECT_EQ(imageBytes(out, mem::RelayCode, 17), imageBytes(image, mem::RelayCode, 17));
}

TEST(RelayPage, AllRowsEmptyGiveA134ByteArea) {
    RelayPage page;
    ConfigImage image;
    image.bytes().fill(0x77);
    page.gather(image);
    EXPECT_EQ(image.u16(mem::RelayCodeLength), 0);
    EXPECT_EQ(imageBytes(image, mem::RelayMask, 4), code("00 00 00 00"));
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(page.entryLength(n), 0);
        EXPECT_EQ(page.entryStart(n), 1602);
    }
    EXPECT_EQ(relayAreaEnd(image) - mem::RelayArea, 134);
}

TEST(RelayPage, TimersAreNumberedAcrossRowsAndTheSeventeenthIsRefused) {
    RelayPage page;
    QStringList messages;
    QStringList rows;
    page.onMessage = [&](const QString& m, const QString& row) {
        messages << m;
        rows << row;
    };
    // Rows 1-5 hold 3 timers each (15), row 6 two more: the 17th fails there; row 7's
    // timer fails too; row 8 without a timer compiles.
    for (int n = 0; n < 5; ++n)
        page.rows[size_t(n)].text = QStringLiteral("FTON(1)&FTOFF(2)&FPULS(3)");
    page.rows[5].text = QStringLiteral("FTON(4)|FTON(5)");
    page.rows[6].text = QStringLiteral("FTON(6)");
    page.rows[7].text = QStringLiteral("V1");
    ConfigImage image;
    page.gather(image);
    EXPECT_EQ(messages, (QStringList{"MAX 16 timerů", "MAX 16 timerů"}));
    EXPECT_EQ(rows, (QStringList{"R6", "R7"}));
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(page.failedRows()[size_t(n)], n == 5 || n == 6) << n;
    for (int n = 0; n < 5; ++n)
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(page.program(n)[size_t(5 * t + 1)], 3 * n + t);
    EXPECT_TRUE(page.program(5).empty()); // a new row that fails keeps what it had: nothing
    EXPECT_TRUE(page.program(6).empty());
    EXPECT_EQ(page.program(7), code("80"));
}

TEST(RelayPage, EntriesSeventeenToThirtyTwoAndByteZeroAreWrittenBackAsLoaded) {
    ConfigImage image;
    storePrograms(image, {code("80"), code("88")});
    for (int a = mem::RelayIndex + 64; a < mem::RelayCode; ++a)
        image[a] = std::uint8_t(a);
    for (int n = 0; n < 32; ++n)
        image[mem::RelayIndex + 4 * n] = std::uint8_t(0xA0 + n);
    RelayPage page;
    page.scatter(image);
    page.rows[0].text = QStringLiteral("V3");
    ConfigImage out;
    page.gather(out);
    for (int n = 0; n < 32; ++n)
        EXPECT_EQ(out[mem::RelayIndex + 4 * n], 0xA0 + n);
    EXPECT_EQ(imageBytes(out, mem::RelayIndex + 64, 64),
              imageBytes(image, mem::RelayIndex + 64, 64));
    EXPECT_EQ(out[mem::RelayCode], 0x90);
}

TEST(RelayPage, UneditedRowsKeepTheirBytesEvenWhenTheDecodedTextCompilesOtherwise) {
    ConfigImage image;
    // Typed as ((~V1&V2)|V3): decodes to "( ~( V1 & V2 ) | V3 ) ", which compiles to
    // 30 20 80 01 88 42 90 40.
    storePrograms(image, {code("20 30 80 01 88 42 90 40"), code("86 05 1E 00")});
    RelayPage page;
    page.scatter(image);
    EXPECT_EQ(page.rows[0].text, QStringLiteral("( ~( V1 & V2 ) | V3 ) "));
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(page.program(0), code("20 30 80 01 88 42 90 40"));
    // Its timer index is renumbered in turn.
    EXPECT_EQ(page.program(1), code("86 00 1E 00"));

    // A typo in an edited row keeps the relay's program and says so.
    QStringList messages;
    page.onMessage = [&](const QString& m, const QString&) { messages << m; };
    page.scatter(out);
    page.rows[0].text = QStringLiteral("V1 && X");
    page.gather(out);
    EXPECT_EQ(messages, QStringList{"Chyba v zadání"});
    EXPECT_EQ(page.program(0), code("20 30 80 01 88 42 90 40"));
    EXPECT_EQ(out.u16(mem::RelayCodeLength), 12);
}

TEST(RelayPage, DamagedIndexNeverReadsPastTheCode) {
    ConfigImage image;
    storePrograms(image, {code("80 01 88")});
    image[mem::RelayIndex + 1] = 200; // claims more than the 3 stored bytes
    image[mem::RelayIndex + 5] = 200;
    RelayPage page;
    page.scatter(image);
    EXPECT_EQ(page.rows[0].text, QStringLiteral("V1 & V2 "));
    EXPECT_TRUE(page.rows[1].text.isEmpty());

    ConfigImage huge;
    huge.setU16(mem::RelayCodeLength, 0xFFFF);
    for (int n = 0; n < 32; ++n)
        huge[mem::RelayIndex + 4 * n + 1] = 255;
    for (int a = mem::RelayCode; a < 8000; ++a)
        huge[a] = 0x80;
    page.scatter(huge);
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(mem::RelayCode + out.u16(mem::RelayCodeLength), mem::RelayCodeLimit);
}

TEST(RelayPage, ProgramsThatDoNotFitAreRefusedBeforeTheImageChanges) {
    RelayPage page;
    QString big = QStringLiteral("V1");
    for (int i = 0; i < 127; ++i)
        big += QStringLiteral("&V1");
    for (auto& row : page.rows)
        row.text = big; // 16 x 255 bytes
    ConfigImage image;
    image.bytes().fill(0x33);
    EXPECT_THROW(page.gather(image), GatherError);
    EXPECT_EQ(image[mem::RelayCodeLength], 0x33);
    EXPECT_EQ(image[4999], 0x33);
}

TEST(RelayPage, OpenThenSaveKeepsEveryRelaysBytesOverAGeneratedCorpus) {
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::vector<std::uint8_t>> programs(16);
        int timers = 0;
        for (auto& p : programs) {
            // Valid programs of random bytes: operands, functions with parameters, marks.
            const int tokens = int(random.bounded(0, 12));
            for (int t = 0; t < tokens; ++t) {
                switch (random.bounded(3)) {
                case 0:
                    p.push_back(std::uint8_t(0x80 + 8 * random.bounded(16) + random.bounded(5)));
                    break;
                case 1: {
                    int k = int(random.bounded(8));
                    if (k <= 2 && timers >= 16)
                        k = 3;
                    p.push_back(std::uint8_t(0x86 + 8 * k));
                    if (k <= 2) {
                        p.push_back(std::uint8_t(timers++));
                        p.push_back(std::uint8_t(random.bounded(256)));
                        p.push_back(std::uint8_t(random.bounded(256)));
                    } else if (k == 6) {
                        p.push_back(std::uint8_t(random.bounded(16)));
                        p.push_back(std::uint8_t(random.bounded(256)));
                    } else {
                        p.push_back(std::uint8_t(random.bounded(16)));
                    }
                    break;
                }
                default:
                    p.push_back(std::uint8_t(random.bounded(1, 0x80) & 0x73));
                }
            }
        }
        ConfigImage image;
        storePrograms(image, programs);
        RelayPage page;
        page.scatter(image);
        ConfigImage out;
        page.gather(out);
        for (int n = 0; n < 16; ++n)
            ASSERT_EQ(page.program(n), programs[size_t(n)]) << "round " << round << " relay " << n;
    }
}

TEST(RelayWorkspace, RelaysSurviveSaveOpenUploadAndReadBack) {
    SimRig rig;
    Workspace workspace(rig.link);
    workspace.pageAs<RelayPage>(PageSlot::Relays).rows[0].text =
        QStringLiteral("(V1&~V2)|FTON(30)");
    workspace.pageAs<RelayPage>(PageSlot::Relays).rows[1].text = QStringLiteral("FCNT(2,10)&E1");
    workspace.uploadConfig(Selectors::only(PageSlot::Relays));
    Workspace reader(rig.link);
    ASSERT_TRUE(reader.readAll());
    EXPECT_EQ(reader.pageAs<RelayPage>(PageSlot::Relays).rows[0].text,
              QStringLiteral("( V1 & ~V2 ) | FTON(30) "));
    EXPECT_EQ(reader.pageAs<RelayPage>(PageSlot::Relays).rows[1].text,
              QStringLiteral("FCNT(2,10) & E1 "));
    EXPECT_EQ(rig.server.unit().memory().mid(mem::RelayCode, 9),
              QByteArray::fromHex("20801188428600 1E00"));
}

} // namespace
