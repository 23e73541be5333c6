// Every field of every page, at once: random values within each field's range are set by
// name, the page gathers, and every byte is checked against the records' byte tables as the
// unit's memory map gives them, written out here by hand and never taken from the pages'
// own field tables. A field read from the wrong offset, two fields crossed, a bit set stored
// in its neighbour's byte or a range cut short fails here.
#include "editors/AnalogPage.h"
#include "editors/InputsPage.h"
#include "editors/ModesPage.h"
#include "editors/NetworkPage.h"
#include "editors/OutputsPage.h"
#include "editors/ThermometersPage.h"
#include "image/FieldPage.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <map>

namespace {

enum class Kind {
    Byte,    // arg: -; min..max
    Word,    // 16-bit little-endian; min..max
    Bit,     // arg: bit number in the byte at `at` (a 16-bit set: at + bit / 8)
    Flag,    // one byte, 1 or 0
    List,    // arg: number of items
    Tenths,  // one byte of tenths; min..max in tenths
    Address, // four bytes; copy: the second copy's address
    Text,    // arg: characters that may be typed; copy: where its length goes
};

struct Cell {
    std::string name;
    Kind kind;
    int at;
    int arg = 0;
    int min = 0;
    int max = 255;
    int copy = -1;
};

std::string numbered(const char* stem, int n, int digits = 1) {
    return QStringLiteral("%1%2")
        .arg(QLatin1String(stem))
        .arg(n, digits, 10, QLatin1Char('0'))
        .toStdString();
}

// InpConfig, 360..369.
std::vector<Cell> inputCells() {
    std::vector<Cell> c;
    const char* sets[] = {"inp", "inn", "int1", "int2"};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 5; ++k)
            c.push_back({numbered(sets[s], k), Kind::Bit, 360 + s, k});
    c.push_back({"sodp0", Kind::Byte, 364});
    c.push_back({"sodp1", Kind::Byte, 365});
    c.push_back({"sopp0", Kind::Word, 366, 0, 0, 65535});
    c.push_back({"sopp1", Kind::Word, 368, 0, 0, 65535});
    return c;
}

// OutConfig, 370..387 (388..393 are carried).
std::vector<Cell> outputCells() {
    std::vector<Cell> c;
    const char* sets[] = {"outp", "outn", "outt1", "outt2"};
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 10; ++k)
            c.push_back({numbered(sets[s], k, 2), Kind::Bit, 370 + 2 * s, k});
    for (int k = 0; k < 10; ++k)
        c.push_back({numbered("outvr", k, 2), Kind::List, 378 + k, 17});
    return c;
}

// Out10Config, 394..424. A row is thermostat, relay, condition, MIN, MAX, limitation, as
// the unit's own example of row A2 (10 0F 05 0A 5A 32) has it.
std::vector<Cell> analogCells() {
    std::vector<Cell> c = {
        {"lrvp", Kind::List, 394, 4},        {"avhs", Kind::Tenths, 395, 0, 1, 250},
        {"avik", Kind::Byte, 396},           {"maxpwm", Kind::Word, 397, 0, 1, 1023},
        {"pr2", Kind::Byte, 399, 0, 1, 255}, {"pres", Kind::List, 400, 3},
    };
    for (int n = 0; n < 4; ++n) {
        const int row = 401 + 6 * n;
        c.push_back({numbered("atr", n), Kind::List, row + 0, 18});
        c.push_back({numbered("avr", n), Kind::List, row + 1, 16});
        c.push_back({numbered("aov", n), Kind::List, row + 2, 23});
        c.push_back({numbered("amn", n), Kind::Byte, row + 3});
        c.push_back({numbered("amx", n), Kind::Byte, row + 4});
        c.push_back({numbered("aop", n), Kind::Byte, row + 5});
    }
    return c;
}

// Quel5Config, 437..456.
std::vector<Cell> thermometerCells() {
    std::vector<Cell> c = {
        {"ttyp", Kind::Byte, 437},
        {"pr_temp", Kind::List, 438, 5},
        {"LMDreadcount", Kind::Byte, 439, 0, 1, 255},
        {"LMDerrcount", Kind::Byte, 440},
        {"LMDerrtm", Kind::Byte, 441},
        {"LMDtemptm", Kind::Byte, 442},
        {"LMDbptm", Kind::Word, 443, 0, 0, 65535},
        {"LMDtesttm", Kind::Byte, 445},
        {"LMDsavetm", Kind::Word, 446, 0, 0, 65535},
        {"tdruh", Kind::Byte, 455},
        {"LMDerrdif", Kind::Byte, 456, 0, 10, 255},
    };
    for (int k = 0; k < 5; ++k) {
        c.push_back({numbered("temp", k), Kind::List, 448 + k, 6});
        c.push_back({numbered("ttr1", k), Kind::Bit, 453, k});
        c.push_back({numbered("ttr2", k), Kind::Bit, 454, k});
    }
    return c;
}

// AppConfig, BiosName, Popis, SnmpComm and EthConfig, 56..311.
std::vector<Cell> networkCells() {
    std::vector<Cell> c = {
        {"LMDIP", Kind::Address, 56, 0, 0, 0, 76},
        {"LMDmaska", Kind::Address, 60, 0, 0, 0, 80},
        {"LMDgw", Kind::Address, 64},
        {"LMDns1", Kind::Address, 68},
        {"LMDns2", Kind::Address, 72},
        {"LMDnbname", Kind::Text, 91, 15},
        {"LMDpopis", Kind::Text, 107, 15},
        {"rcom0", Kind::Text, 157, 8},
        {"rcom1", Kind::Text, 166, 8},
        {"rcom2", Kind::Text, 175, 8},
        {"wcom0", Kind::Text, 184, 8},
        {"wcom1", Kind::Text, 193, 8},
        {"wcom2", Kind::Text, 202, 8},
        {"LMDcom1", Kind::Text, 217, 8, 0, 0, 216},
        {"LMDsnmp1", Kind::Address, 226},
        {"LMDcom2", Kind::Text, 231, 8, 0, 0, 230},
        {"LMDsnmp2", Kind::Address, 240},
        {"LMDuziv", Kind::Text, 244, 8},
        {"LMDAdmin", Kind::Text, 253, 8},
        {"udpport", Kind::Word, 262, 0, 1, 65535},
        {"tcpport1", Kind::Word, 264, 0, 1, 65535},
        {"tcpport2", Kind::Word, 266, 0, 1, 65535},
        {"ntpser", Kind::Text, 268, 17},
        {"tmreload", Kind::Word, 302, 0, 1, 65535},
        {"trt1", Kind::Flag, 304},
        {"trt2", Kind::Flag, 305},
        {"udppt1", Kind::Word, 306, 0, 1, 65535},
        {"udppt2", Kind::Word, 308, 0, 1, 65535},
    };
    return c;
}

// RezimConfig 425..436: the hour switches of both profiles, 428..433 (the day groups are
// the worked examples').
std::vector<Cell> modeCells() {
    std::vector<Cell> c;
    for (int p = 0; p < 2; ++p)
        for (int h = 0; h < 24; ++h)
            c.push_back({"re" + std::to_string(p) + numbered("", h, 2), Kind::Bit,
                         428 + 3 * p + h / 8, h % 8});
    return c;
}

struct Layout {
    const char* page;
    std::unique_ptr<FieldPage> (*make)();
    std::vector<Cell> (*cells)();
};

template <typename P> std::unique_ptr<FieldPage> make() {
    return std::make_unique<P>();
}

const Layout Layouts[] = {
    {"inputs", make<InputsPage>, inputCells},
    {"outputs", make<OutputsPage>, outputCells},
    {"analog", make<AnalogPage>, analogCells},
    {"thermometers", make<ThermometersPage>, thermometerCells},
    {"network", make<NetworkPage>, networkCells},
    {"modes", make<ModesPage>, modeCells},
};

// Sets a random value in range on every cell and returns the bytes the gather must write.
std::map<int, std::uint8_t> setRandomValues(FieldPage& page, const std::vector<Cell>& cells,
                                            QRandomGenerator& random) {
    std::map<int, std::uint8_t> expected;
    auto between = [&](int min, int max) { return int(random.bounded(min, max + 1)); };
    for (const Cell& c : cells) {
        const QString name = QString::fromStdString(c.name);
        switch (c.kind) {
        case Kind::Byte:
        case Kind::Word: {
            const int v = between(c.min, c.max);
            page.setValue(name, v);
            expected[c.at] = std::uint8_t(v);
            if (c.kind == Kind::Word)
                expected[c.at + 1] = std::uint8_t(v >> 8);
            break;
        }
        case Kind::Tenths: {
            const int v = between(c.min, c.max);
            page.setValue(name, v / 10.0);
            expected[c.at] = std::uint8_t(v);
            break;
        }
        case Kind::List: {
            const int v = between(0, c.arg - 1);
            page.setValue(name, v);
            expected[c.at] = std::uint8_t(v);
            break;
        }
        case Kind::Bit:
        case Kind::Flag: {
            const bool on = random.bounded(2) == 1;
            page.setValue(name, on);
            if (c.kind == Kind::Flag) {
                expected[c.at] = on ? 1 : 0;
            } else {
                std::uint8_t& byte = expected[c.at + c.arg / 8];
                if (on)
                    byte |= std::uint8_t(1 << (c.arg % 8));
            }
            break;
        }
        case Kind::Address: {
            std::uint8_t b[4];
            for (std::uint8_t& x : b)
                x = std::uint8_t(random.bounded(256));
            page.setValue(name,
                          QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]));
            for (int i = 0; i < 4; ++i) {
                expected[c.at + i] = b[i];
                if (c.copy >= 0)
                    expected[c.copy + i] = b[i];
            }
            break;
        }
        case Kind::Text: {
            const int length = between(0, c.arg);
            QByteArray text;
            for (int i = 0; i < length; ++i)
                text.append(char('a' + random.bounded(26)));
            page.setValue(name, QString::fromLatin1(text));
            for (int i = 0; i < length; ++i)
                expected[c.at + i] = std::uint8_t(text[i]);
            expected[c.at + length] = 0;
            if (c.copy >= 0)
                expected[c.copy] = std::uint8_t(length);
            break;
        }
        }
    }
    return expected;
}

TEST(ByteTables, EveryFieldLandsOnItsOwnBytes) {
    for (const Layout& layout : Layouts) {
        const std::vector<Cell> cells = layout.cells();
        for (quint32 seed = 1; seed <= 24; ++seed) {
            QRandomGenerator random(seed);
            auto page = layout.make();
            const std::map<int, std::uint8_t> expected = setRandomValues(*page, cells, random);
            ConfigImage image;
            page->gather(image);
            for (const auto& [address, byte] : expected)
                ASSERT_EQ(image[address], byte)
                    << layout.page << " address " << address << " seed " << seed;
        }
    }
}

// The network page's own rules: fixed bytes and the checksum over what was gathered.
TEST(ByteTables, EthConfigFixedBytesAndChecksum) {
    QRandomGenerator random(7);
    NetworkPage page;
    setRandomValues(page, networkCells(), random);
    ConfigImage image;
    page.gather(image);
    EXPECT_EQ(image[215], 2);
    EXPECT_EQ(image[298], 0);
    EXPECT_EQ(image[301], 44);
    int sum = 0;
    for (int a = 215; a < 310; ++a)
        sum += image[a];
    EXPECT_EQ(image[310] | (image[311] << 8), sum & 0xFFFF);
}

// Values at and past the ends of the ranges: a lower bound dropped or the last item of a
// list lost shows here.
TEST(ByteTables, RangeEndsAndOutOfRangeStoredValues) {
    const struct {
        const char* page;
        const char* name;
        int address;
        int stored;  // scattered from the image
        int written; // what the next gather writes
    } cases[] = {
        {"analog", "lrvp", 394, 4, 3}, // 4 or more selects the last mode
        {"analog", "lrvp", 394, 3, 3},
        {"analog", "lrvp", 394, 0xFF, 3},
        {"analog", "maxpwm", 397, 0, 1}, // MAX PWM cannot go below 1
        {"analog", "pr2", 399, 0, 1},
        {"analog", "avhs", 395, 0, 0}, // hysteresis outside 1..250 stays as stored
        {"analog", "avhs", 395, 255, 255},
        {"analog", "pres", 400, 3, 255}, // past the list: no selection
        {"thermometers", "LMDreadcount", 439, 0, 1},
        {"thermometers", "LMDerrdif", 456, 5, 10},
        {"thermometers", "temp4", 452, 6, 255},
        {"outputs", "outvr09", 387, 17, 255},
        {"outputs", "outvr09", 387, 16, 16},
    };
    for (const auto& c : cases) {
        std::unique_ptr<FieldPage> page;
        for (const Layout& layout : Layouts)
            if (qstrcmp(layout.page, c.page) == 0)
                page = layout.make();
        ConfigImage image;
        image[c.address] = std::uint8_t(c.stored);
        page->scatter(image);
        ConfigImage out;
        page->gather(out);
        EXPECT_EQ(out[c.address], c.written) << c.page << " " << c.name << " " << c.stored;
    }
}

} // namespace
