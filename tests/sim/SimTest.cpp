#include "TestSupport.h"
#include "unit/I2c.h"

#include <QDateTime>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

TEST(SimClock, SetRegistersReadBackAsTheSameTime) {
    SimRig rig;
    const std::uint8_t set[] = {0x83, 0x07, 0x09, 0x0A, 0x05, 0x03, 0x12};
    prepareI2cWrite(rig.link.packet(), 0xDE, 0, set, 7);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_EQ(rig.link.packet().status(), 0);

    prepareI2cRead(rig.link.packet(), 0xDE, 0, 7);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    const LinkPacket& p = rig.link.packet();
    ASSERT_EQ(p.length(), 7);
    // 2012-03-05 was a Monday: weekday 2 with bit 3 set. Seconds may have ticked on.
    EXPECT_GE(p.payload()[0], 0x83);
    EXPECT_LE(p.payload()[0], 0x85);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.payload() + 1), 6),
              QByteArray::fromHex("07090A050312"));
}

TEST(SimI2c, OtherDevicesArePlainMemory) {
    SimRig rig;
    const std::uint8_t data[] = {1, 2};
    prepareI2cWrite(rig.link.packet(), 64, 16, data, 2);
    EXPECT_EQ(rig.link.packet().length(), 5);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    prepareI2cRead(rig.link.packet(), 64, 15, 4);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rig.link.packet().payload()), 4),
              QByteArray::fromHex("00010200"));
}

TEST(SimStatus, DeviceStatusCarriesSixTemperatures) {
    SimRig rig;
    LinkPacket& p = rig.link.packet();
    p.setCommand('G', 'S');
    p.setStatus(0);
    p.setLength(0);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    ASSERT_EQ(p.length(), 73);
    EXPECT_EQ(p.payload()[48], 6);
}

TEST(SimDiscovery, AnswersTheSearchTextWithLinesNamingItself) {
    SimServer server({}, {});
    ASSERT_TRUE(server.listenDiscovery(QHostAddress::LocalHost, 0));
    QUdpSocket client;
    ASSERT_TRUE(client.bind(QHostAddress::LocalHost, 0));
    client.writeDatagram(QByteArray("Discovery: Who is out there?"), QHostAddress::LocalHost,
                         server.discoveryPort());
    ASSERT_TRUE(spinUntil([&] { return client.hasPendingDatagrams(); }));
    QByteArray reply(int(client.pendingDatagramSize()), '\0');
    client.readDatagram(reply.data(), reply.size());
    EXPECT_TRUE(reply.startsWith("QUEL5SIM\r\n"));
    EXPECT_TRUE(reply.contains("00-1E-C0-12-34-56\r\n"));
}

} // namespace
