#include "TestSupport.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "image/RawRegionPage.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray pattern(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 13 + 5) & 0xFF);
    return b;
}

struct Files : ::testing::Test {
    QTemporaryDir dir;
    FixedTarget target;
    RecordingFeedback feedback;
    DeviceLink link{target, feedback};
    Workspace workspace{link};
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// Stand-ins that carry every page's regions as raw bytes.
struct RawPages {
    std::vector<std::unique_ptr<RawRegionPage>> pages;
    RawPages(Workspace& workspace, std::initializer_list<PageSlot> replaced) {
        for (PageSlot slot : replaced) {
            pages.push_back(std::make_unique<RawRegionPage>(pageInfo(slot).regions));
            workspace.setPage(slot, pages.back().get());
        }
    }
};

TEST_F(Files, SaveThenOpenRoundTripsTheGatheredRegions) {
    // Raw bytes throughout, so that every region must come back as it was.
    RawPages raw(workspace, {PageSlot::Network, PageSlot::Inputs, PageSlot::Outputs,
                             PageSlot::Analog, PageSlot::Relays});
    ProbePage probe;
    workspace.setPage(PageSlot::Thermometers, &probe);
    const QByteArray content = pattern(8000);
    writeFile(path("in.ql5"), content);
    workspace.setCurrentFile(path("in.ql5"));
    workspace.loadConfigFile();
    EXPECT_EQ(probe.scatters, 1);
    EXPECT_EQ(workspace.caption(), QStringLiteral("Quel5.00.04 - in.ql5"));

    RawPages rawThermometers(workspace,
                             {PageSlot::Thermometers, PageSlot::Thermostats, PageSlot::Modes});
    workspace.scatterAll();
    workspace.setCurrentFile(path("out.ql5"));
    workspace.saveConfigFile();
    const QByteArray saved = readFile(path("out.ql5"));
    ASSERT_EQ(saved.size(), 8000);
    // What the pages hold survives; every byte outside their regions is 0.
    auto inRegion = [](int a) {
        const mem::Region regions[] = {mem::AppConfig,   mem::BiosName,         mem::Popis,
                                       mem::SnmpComm,    mem::EthConfig,        mem::InpConfig,
                                       mem::OutConfig,   mem::Out10Config,      mem::RezimConfig,
                                       mem::Quel5Config, mem::ThermostatRegion, {1468, 5000 - 1468},
                                       {5000, 1940}};
        for (const auto& r : regions)
            if (a >= r.first && a < r.end())
                return true;
        return false;
    };
    const int relayEnd =
        mem::RelayCode + (std::uint8_t(content[1472]) | (std::uint8_t(content[1473]) << 8));
    for (int a = 0; a < 8000; ++a) {
        const bool kept = inRegion(a) && (a < mem::RelayArea || a >= 5000 || a < relayEnd);
        ASSERT_EQ(saved[a], kept ? content[a] : '\0') << "address " << a;
    }

    ConfigImage before = workspace.image();
    workspace.setCurrentFile(path("out.ql5"));
    workspace.loadConfigFile();
    EXPECT_EQ(workspace.image().bytes(), before.bytes());
}

TEST_F(Files, ShortFileFillsOnlyItsOwnLength) {
    workspace.image().bytes().fill(0x77);
    writeFile(path("short.ql5"), pattern(100));
    workspace.setCurrentFile(path("short.ql5"));
    workspace.loadConfigFile();
    EXPECT_EQ(workspace.image()[99], std::uint8_t(pattern(100)[99]));
    EXPECT_EQ(workspace.image()[100], 0x77);
    EXPECT_EQ(workspace.image()[7999], 0x77);
}

TEST_F(Files, LongerFileLoadsItsFirst8000BytesAndKeepsItsTailOnSave) {
    const QByteArray content = pattern(8100);
    writeFile(path("long.ql5"), content);
    workspace.setCurrentFile(path("long.ql5"));
    workspace.loadConfigFile();
    workspace.saveConfigFile();
    const QByteArray saved = readFile(path("long.ql5"));
    ASSERT_EQ(saved.size(), 8100);
    EXPECT_EQ(saved.mid(8000), content.mid(8000));
    EXPECT_EQ(saved.left(8000),
              QByteArray(reinterpret_cast<const char*>(workspace.image().data()), 8000));
}

TEST_F(Files, UnreadableFileLeavesImageAndCaptionAlone) {
    workspace.image().bytes().fill(0x33);
    workspace.setCurrentFile(path("missing.ql5"));
    EXPECT_THROW(workspace.loadConfigFile(), FileError);
    EXPECT_EQ(workspace.image()[0], 0x33);
    EXPECT_EQ(workspace.caption(), QStringLiteral("Quel5.00.04"));
    // A folder is not a configuration file either.
    workspace.setCurrentFile(dir.path());
    EXPECT_THROW(workspace.loadConfigFile(), FileError);
    EXPECT_EQ(workspace.image()[0], 0x33);
}

TEST_F(Files, FailedSaveLeavesNoFile) {
    workspace.setCurrentFile(path("no/such/folder/x.ql5"));
    EXPECT_THROW(workspace.saveConfigFile(), FileError);
    EXPECT_FALSE(QFile::exists(path("no/such/folder/x.ql5")));

    // A gather that refuses abandons the save before any file is touched.
    ProbePage refusing;
    refusing.refuse = true;
    workspace.setPage(PageSlot::Network, &refusing);
    writeFile(path("keep.ql5"), pattern(8000));
    workspace.setCurrentFile(path("keep.ql5"));
    EXPECT_THROW(workspace.saveConfigFile(), GatherError);
    EXPECT_EQ(readFile(path("keep.ql5")), pattern(8000));
    EXPECT_EQ(workspace.caption(), QStringLiteral("Quel5.00.04 - keep.ql5"));
}

TEST_F(Files, DamagedRelayAreaSavesInsideTheRelayArea) {
    // The other pages carry the description area as it was.
    RawPages raw(workspace, {PageSlot::Inputs, PageSlot::Outputs, PageSlot::Analog,
                             PageSlot::Thermometers, PageSlot::Thermostats, PageSlot::Modes});
    QByteArray content = pattern(8000);
    content[1472] = char(0xFF);
    content[1473] = char(0xFF);
    writeFile(path("damaged.ql5"), content);
    workspace.setCurrentFile(path("damaged.ql5"));
    workspace.loadConfigFile();
    workspace.setCurrentFile(path("damaged-out.ql5"));
    workspace.saveConfigFile();
    const QByteArray saved = readFile(path("damaged-out.ql5"));
    ASSERT_EQ(saved.size(), 8000);
    const int length = std::uint8_t(saved[1472]) | (std::uint8_t(saved[1473]) << 8);
    EXPECT_LE(mem::RelayCode + length, mem::RelayCodeLimit);
    EXPECT_EQ(saved.mid(5000, 1940 - 640), content.mid(5000, 1940 - 640));
}

TEST(Gather, EverythingClearsTheImageAPartialSelectionDoesNot) {
    FixedTarget target;
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    Workspace workspace(link);
    ProbePage network;
    workspace.setPage(PageSlot::Network, &network);
    // Pages whose copies are zero before any scatter.
    RawPages raw(workspace, {PageSlot::Inputs, PageSlot::Outputs, PageSlot::Analog,
                             PageSlot::Thermometers, PageSlot::Thermostats, PageSlot::Modes});
    workspace.image().bytes().fill(0x44);
    workspace.gatherPages(Selectors::allButNetwork());
    EXPECT_EQ(workspace.image()[0], 0x44);
    EXPECT_EQ(network.gathers, 0);
    workspace.gatherPages(Selectors::all());
    EXPECT_EQ(network.gathers, 1);
    // Nothing was scattered yet: the copies are zero like the rest, but for the start
    // addresses of the empty relay programs.
    for (int a = 0; a < 8000; ++a) {
        const int entryByte = (a - mem::RelayIndex) % 4;
        const bool start = a >= mem::RelayIndex && a < mem::RelayIndex + 64 && entryByte >= 2;
        ASSERT_EQ(workspace.image()[a], start ? (entryByte == 2 ? 0x42 : 0x06) : 0) << a;
    }
}

TEST(Descriptions, NineteenCharactersAndAZeroInWindows1250) {
    ConfigImage image;
    image.bytes().fill(0x55);
    image.setDescription(5000, QStringLiteral("Žluťoučký kůň 12345"));
    EXPECT_EQ(image[5000], 0x8E); // Ž
    EXPECT_EQ(image[5003], 0x9D); // ť
    EXPECT_EQ(image[5018], '5');
    EXPECT_EQ(image[5019], 0);
    EXPECT_EQ(image.description(5000), QStringLiteral("Žluťoučký kůň 12345"));

    // Longer text is cut to 19; a short one leaves the bytes after its zero alone.
    image.setDescription(5020, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(image.description(5020), QStringLiteral("abcdefghijklmnopqrs"));
    image.setDescription(5040, QStringLiteral("ab"));
    EXPECT_EQ(image[5042], 0);
    EXPECT_EQ(image[5043], 0x55);

    // A slot without a zero byte reads 20 characters and no further.
    ConfigImage full;
    full.bytes().fill('x');
    EXPECT_EQ(full.description(5000).size(), 20);
    EXPECT_EQ(full.description(7990).size(), 10);
}

} // namespace

namespace {

// Text from a unit, a file or a list stays one value on one line and reads in its order.
TEST(VisibleText, ControlAndFormatCharactersAreShown) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Žluťoučký kůň"), QStringLiteral("Žluťoučký kůň")},
        {QStringLiteral("a\tb\nc\rd"), QStringLiteral("a\\tb\\nc\\rd")},
        {QString(QChar(0x7F)) + QChar(0x85), QStringLiteral("\\x7f\\x85")},
        {QString(QChar(0x2028)), QStringLiteral("\\u2028")},
        {QStringLiteral("zaloha") + QChar(0x202E) + QStringLiteral("fdp.ql5"),
         QStringLiteral("zaloha\\u202efdp.ql5")},
        {QString(QChar(0x200B)) + QChar(0xFEFF), QStringLiteral("\\u200b\\ufeff")},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(visibleText(text), shown) << text.toStdString();
}

} // namespace
