#include "editors/NetworkPage.h"
#include "TestSupport.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesAt(const ConfigImage& image, int first, int count) {
    return QByteArray(reinterpret_cast<const char*>(image.data() + first), count);
}

TEST(IpAddress, AcceptsFourNumbersUpTo255AndNothingElse) {
    EXPECT_EQ(parseIpAddress(QStringLiteral("192.168.1.20")),
              (std::array<std::uint8_t, 4>{192, 168, 1, 20}));
    EXPECT_TRUE(parseIpAddress(QStringLiteral("0.0.0.0")));
    for (const char* bad : {"192.168.1.256", "abc", "10.0.0", "1.2.3.4.5", "", "1..2.3", " 1.2.3.4",
                            "1.2.3.-4", "1.2.3.4 "})
        EXPECT_FALSE(parseIpAddress(QString::fromLatin1(bad))) << bad;
}

TEST(NetworkGather, InitialFieldsGiveTheKnownEthConfigAndChecksum) {
    NetworkPage page;
    ConfigImage image;
    page.gather(image);
    const QByteArray eth = bytesAt(image, 215, 97);
    QByteArray expected(97, '\0');
    expected[0] = 2;
    auto u16 = [&](int at, int v) {
        expected[at] = char(v & 0xFF);
        expected[at + 1] = char(v >> 8);
    };
    u16(47, 30305);
    u16(49, 9760);
    u16(51, 9761);
    expected[86] = 44;
    u16(87, 1000);
    u16(91, 162);
    u16(93, 162);
    expected[95] = char(0xC1);
    expected[96] = 0x03;
    EXPECT_EQ(eth, expected);

    // Addresses in written order, the IP and mask twice.
    EXPECT_EQ(bytesAt(image, 56, 28), QByteArray::fromHex("C1A80167FFFFFF00C0A801010000000000000000"
                                                          "C1A80167FFFFFF00"));
    EXPECT_EQ(bytesAt(image, 91, 6), QByteArray("Quel5\0", 6));
}

TEST(NetworkGather, TextsStayInsideTheirFieldsWithTheirZeroByte) {
    NetworkPage page;
    ConfigImage image;
    page.setValue(QStringLiteral("LMDnbname"), QStringLiteral("ABCDEFGHIJKLMNO")); // 15
    page.gather(image);
    EXPECT_EQ(bytesAt(image, 91, 16), QByteArray("ABCDEFGHIJKLMNO\0", 16));
    EXPECT_EQ(image[216], 0); // empty trap community: length 0
    EXPECT_EQ(image[217], 0); // and a zero at its first text position

    // Texts longer than the fields allow, as a unit or a file may hold them.
    ConfigImage source;
    source.bytes().fill('x');
    page.scatter(source);
    EXPECT_EQ(page.text(QStringLiteral("LMDnbname")).size(), 16);
    EXPECT_EQ(page.text(QStringLiteral("LMDpopis")).size(), 50);
    EXPECT_EQ(page.text(QStringLiteral("ntpser")).size(), 30);
    ConfigImage out;
    for (const char* name :
         {"LMDIP", "LMDmaska", "LMDgw", "LMDns1", "LMDns2", "LMDsnmp1", "LMDsnmp2"})
        page.setValue(QLatin1String(name), QStringLiteral("1.2.3.4"));
    page.gather(out);
    EXPECT_EQ(bytesAt(out, 91, 16), QByteArray(15, 'x') + '\0');
    EXPECT_EQ(bytesAt(out, 107, 50), QByteArray(49, 'x') + '\0');
    EXPECT_EQ(bytesAt(out, 157, 9), QByteArray(8, 'x') + '\0');
    EXPECT_EQ(out[216], 8); // trap community length
    EXPECT_EQ(bytesAt(out, 215 + 53, 30), QByteArray(29, 'x') + '\0');
    EXPECT_EQ(bytesAt(out, 215 + 29, 9), QByteArray(8, 'x') + '\0');
}

TEST(NetworkScatter, ShowsTheRecordsAndCarriesUneditedBytes) {
    ConfigImage image;
    const std::uint8_t app[35] = {10,  1,   2, 3, 255,  255,  0,    0,    10,   1,    2,   254,
                                  8,   8,   8, 8, 8,    8,    4,    4,    10,   1,    2,   3,
                                  255, 255, 0, 0, 0x5A, 0x00, 0x1E, 0xC0, 0x12, 0x34, 0x56};
    image.copyIn(56, 35, app);
    image.copyIn(91, 16, reinterpret_cast<const std::uint8_t*>("Name\0tail-bytes!"));
    image[157 + 54] = 0x99;
    image[157 + 57] = 0x98;
    const QByteArray user("jana\0", 5);
    image.copyIn(215 + 29, 5, reinterpret_cast<const std::uint8_t*>(user.constData()));
    image.setU16(215 + 49, 9760);
    image[215 + 89] = 1;

    NetworkPage page;
    page.scatter(image);
    EXPECT_EQ(page.text(QStringLiteral("LMDIP")), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(page.text(QStringLiteral("LMDgw")), QStringLiteral("10.1.2.254"));
    EXPECT_EQ(page.text(QStringLiteral("LMDns2")), QStringLiteral("8.8.4.4"));
    EXPECT_EQ(page.text(QStringLiteral("LMDnbname")), QStringLiteral("Name"));
    EXPECT_EQ(page.text(QStringLiteral("LMDuziv")), QStringLiteral("jana"));
    EXPECT_EQ(page.value(QStringLiteral("tcpport1")).toInt(), 9760);
    EXPECT_TRUE(page.value(QStringLiteral("trt1")).toBool());
    EXPECT_FALSE(page.value(QStringLiteral("trt2")).toBool());
    EXPECT_EQ(page.macText(), QStringLiteral("00-1E-C0-12-34-56"));

    page.setValue(QStringLiteral("LMDIP"), QStringLiteral("10.1.2.4"));
    ConfigImage out;
    page.gather(out);
    EXPECT_EQ(out[56 + 28], 0x5A); // carried
    EXPECT_EQ(bytesAt(out, 56 + 29, 6), QByteArray::fromHex("001EC0123456"));
    EXPECT_EQ(bytesAt(out, 56 + 20, 4), QByteArray::fromHex("0A010204")); // second copy
    EXPECT_EQ(bytesAt(out, 91, 16), QByteArray("Name\0tail-bytes!", 16));
    EXPECT_EQ(out[157 + 54], 0x99);
    EXPECT_EQ(out[157 + 57], 0x98);
    EXPECT_EQ(out.u16(215 + 95), NetworkPage::ethChecksum(out.data() + 215));
}

TEST(NetworkGather, BadAddressStopsTheGatherAndTheSave) {
    NetworkPage page;
    page.setValue(QStringLiteral("LMDgw"), QStringLiteral("10.0.0"));
    ConfigImage image;
    image.bytes().fill(0x42);
    try {
        page.gather(image);
        FAIL();
    } catch (const GatherError& e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("The string 10.0.0 does not translate into a valid IP."));
    }
    EXPECT_EQ(image[56], 0x42);
    EXPECT_EQ(image[215], 0x42);

    QTemporaryDir dir;
    FixedTarget target;
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    Workspace workspace(link);
    workspace.pageAs<NetworkPage>(PageSlot::Network)
        .setValue(QStringLiteral("LMDgw"), QStringLiteral("10.0.0"));
    workspace.setCurrentFile(dir.filePath(QStringLiteral("x.ql5")));
    EXPECT_THROW(workspace.saveConfigFile(), GatherError);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.ql5"))));
}

TEST(NetworkUpload, RecordsReachTheUnit) {
    SimRig rig;
    Workspace workspace(rig.link);
    workspace.confirmGuarded = [](const QStringList&) { return true; };
    workspace.pageAs<NetworkPage>(PageSlot::Network)
        .setValue(QStringLiteral("LMDnbname"), QStringLiteral("NOVY"));
    workspace.uploadConfig(Selectors::only(PageSlot::Network));
    EXPECT_EQ(rig.server.unit().memory().mid(91, 5), QByteArray("NOVY\0", 5));
    EXPECT_EQ(writesSeen(rig.server),
              (QStringList{"56 28 1", "91 16 0", "107 50 0", "157 58 0", "215 97 5"}));
}

} // namespace
