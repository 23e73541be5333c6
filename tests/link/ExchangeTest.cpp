#include "TestSupport.h"
#include "base/Errors.h"
#include "link/Login.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void prepareRead(LinkPacket& p, int address) {
    p.setCommand('X', 'R');
    p.setStatus(0);
    p.setLength(3);
    p.setPayloadU16(0, std::uint16_t(address));
    p.payload()[2] = 100;
}

TEST(Exchange, KeepOpenRunsShareOneConnectionAndCloseAfterReplyEndsIt) {
    SimRig rig;
    prepareRead(rig.link.packet(), 56);
    rig.link.exchange(ExchangeMode::KeepOpen);
    prepareRead(rig.link.packet(), 156);
    rig.link.exchange(ExchangeMode::KeepOpen);
    EXPECT_TRUE(rig.link.isOpen());
    prepareRead(rig.link.packet(), 256);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_EQ(rig.server.connectionsAccepted(), 1);

    prepareRead(rig.link.packet(), 356);
    rig.link.exchange(ExchangeMode::KeepOpen);
    EXPECT_EQ(rig.server.connectionsAccepted(), 2);
    EXPECT_FALSE(rig.link.linkFailed());

    // The wire carries exactly header and payload: 9 bytes for a read request.
    ASSERT_EQ(rig.server.requests().size(), 4);
    EXPECT_EQ(rig.server.requests()[0].frame, QByteArray::fromHex("2358520003003800") + 'd');
    EXPECT_EQ(rig.server.requests()[3].connection, 2);
    // The reply overwrote the header and brought 100 bytes.
    EXPECT_EQ(rig.link.packet().length(), 100);
    EXPECT_EQ(rig.link.packet().payload()[0], std::uint8_t(rig.server.unit().memory().at(356)));
}

TEST(Exchange, UnitThatClosedBetweenExchangesIsConnectedAgain) {
    // A unit that answers one request per connection and then hangs up.
    QTcpServer unit;
    ASSERT_TRUE(unit.listen(QHostAddress::LocalHost, 0));
    int accepted = 0;
    QObject::connect(&unit, &QTcpServer::newConnection, [&] {
        QTcpSocket* peer = unit.nextPendingConnection();
        ++accepted;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            if (peer->bytesAvailable() < 6)
                return;
            peer->readAll();
            peer->write(QByteArray("#GS\0\1\0\x2A", 7));
            peer->disconnectFromHost();
        });
    });
    FixedTarget target(QStringLiteral("127.0.0.1"), unit.serverPort());
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    for (int i = 0; i < 3; ++i) {
        link.packet().setCommand('G', 'S');
        link.packet().setStatus(0);
        link.packet().setLength(0);
        link.exchange(ExchangeMode::KeepOpen);
        EXPECT_EQ(link.packet().payload()[0], 0x2A);
    }
    EXPECT_EQ(accepted, 3);
    EXPECT_TRUE(feedback.messages.isEmpty());
}

TEST(Exchange, EmptyReplyLeavesThePayloadAsItWas) {
    SimRig rig;
    LinkPacket& p = rig.link.packet();
    p.setCommand('U', 'B');
    p.setStatus(0);
    p.setLength(0);
    std::fill_n(p.payload(), LinkPacket::PayloadCapacity, std::uint8_t(0xAB));
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_EQ(p.length(), 0);
    EXPECT_EQ(p.payload()[0], 0xAB);
    EXPECT_EQ(p.payload()[121], 0xAB);
    EXPECT_EQ(rig.server.requests()[0].frame.size(), 6);
}

TEST(Exchange, SendOnlyReadsNothingWaitsAndCloses) {
    SimRig rig;
    rig.link.setSendOnlyWaitMs(150);
    LinkPacket& p = rig.link.packet();
    p.setCommand('I', 'R');
    p.setStatus(0);
    p.setLength(0);
    const auto before = p.bytes;
    rig.link.exchange(ExchangeMode::SendOnly);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_EQ(p.bytes, before);
    EXPECT_EQ(rig.feedback.events, (QStringList{"cursor:on", "cursor:off"}));
    EXPECT_TRUE(spinUntil([&] { return rig.server.requests().size() == 1; }));
    EXPECT_EQ(rig.server.requests()[0].frame, QByteArray("#IR\0\0\0", 6));
}

TEST(ExchangeFailure, EmptyAddressAsksForOneAndSendsNothing) {
    SimRig rig;
    rig.target.setHost(QString());
    rig.link.packet().setCommand('G', 'S');
    rig.link.packet().setStatus(7);
    rig.link.packet().setLength(0);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_TRUE(rig.link.linkFailed());
    EXPECT_EQ(rig.link.packet().status(), 7);
    EXPECT_EQ(rig.feedback.messages, QStringList{"Zadej IP adresu"});
    EXPECT_EQ(rig.server.connectionsAccepted(), 0);
}

TEST(ExchangeFailure, RefusedConnectionShowsTheSocketErrorAndSetsStatusOne) {
    SimRig rig;
    rig.target.setPort(closedPort());
    rig.feedback.setWaitCursor(true);
    rig.link.packet().setCommand('G', 'S');
    rig.link.packet().setStatus(0);
    rig.link.packet().setLength(0);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_TRUE(rig.link.linkFailed());
    EXPECT_EQ(rig.link.packet().status(), 1);
    ASSERT_EQ(rig.feedback.messages.size(), 1);
    EXPECT_EQ(rig.feedback.messages[0], QStringLiteral("Connection refused"));
    EXPECT_FALSE(rig.feedback.waitCursor);

    // A later exchange that reaches the unit clears the flag again.
    rig.target.setPort(rig.server.port());
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_FALSE(rig.link.linkFailed());
}

TEST(ExchangeFailure, PortZeroBecomesTheDefaultPort) {
    SimRig rig;
    rig.target.setPort(0);
    rig.link.packet().setCommand('G', 'S');
    rig.link.packet().setLength(0);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_EQ(rig.target.port(), DeviceLink::DefaultPort);
}

TEST(ExchangeFailure, OversizedReplyFailsCleanlyWithoutOverrun) {
    SimOptions options;
    options.oversizeReply = true;
    SimRig rig(options);
    prepareRead(rig.link.packet(), 56);
    try {
        rig.link.exchange(ExchangeMode::KeepOpen);
        FAIL() << "an oversized reply must end the exchange";
    } catch (const LinkBroken& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("200")));
    }
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.link.isBusy());
}

TEST(ExchangeFailure, DroppedConnectionEndsTheOperation) {
    SimRig rig({}, {.dropAfter = 1, .stallAfter = -1});
    prepareRead(rig.link.packet(), 56);
    rig.link.exchange(ExchangeMode::KeepOpen);
    prepareRead(rig.link.packet(), 156);
    EXPECT_THROW(rig.link.exchange(ExchangeMode::KeepOpen), LinkBroken);
    EXPECT_FALSE(rig.link.isOpen());
}

TEST(ExchangeFailure, SilentUnitTimesOut) {
    SimRig rig({}, {.dropAfter = -1, .stallAfter = 0});
    rig.link.setReadTimeoutMs(200);
    prepareRead(rig.link.packet(), 56);
    try {
        rig.link.exchange(ExchangeMode::KeepOpen);
        FAIL() << "a silent unit must time out";
    } catch (const LinkBroken& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("200 ms")));
    }
    EXPECT_FALSE(rig.link.isOpen());
}

// A unit that answers every request with the given bytes, and then sends extra unasked.
struct FakeUnit {
    QByteArray reply;
    QByteArray later; // sent 30 ms after the reply
    QTcpServer server;
    FakeUnit(QByteArray r, QByteArray l = {}) : reply(std::move(r)), later(std::move(l)) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* peer = server.nextPendingConnection();
            QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
                peer->readAll();
                peer->write(reply);
                if (!later.isEmpty())
                    QTimer::singleShot(30, peer, [this, peer] { peer->write(later); });
            });
        });
    }
};

TEST(ExchangeFailure, ReplyToAnotherCommandIsRefused) {
    FakeUnit unit(QByteArray("#GS\0\0\0", 6));
    FixedTarget target(QStringLiteral("127.0.0.1"), unit.server.serverPort());
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    prepareRead(link.packet(), 56);
    try {
        link.exchange(ExchangeMode::KeepOpen);
        FAIL() << "a reply to another command must not be taken";
    } catch (const LinkBroken& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("#XR hlavičkou #GS")))
            << e.text().toStdString();
    }
    EXPECT_FALSE(link.isOpen());
}

TEST(ExchangeFailure, BytesThatArriveBetweenExchangesEndTheNextOne) {
    FakeUnit unit(QByteArray("#XW\0\0\0", 6), QByteArray("#XW", 3));
    FixedTarget target(QStringLiteral("127.0.0.1"), unit.server.serverPort());
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    link.packet().setCommand('X', 'W');
    link.packet().setLength(0);
    link.exchange(ExchangeMode::KeepOpen);
    EXPECT_EQ(link.packet().status(), 0);
    spinUntil([] { return false; }, 100);
    EXPECT_THROW(link.exchange(ExchangeMode::KeepOpen), LinkBroken);
    EXPECT_FALSE(link.isOpen());
}

TEST(Login, FramesTheNameAndPasswordAndMapsTheGrantedRights) {
    SimRig rig;
    LinkPacket& p = rig.link.packet();
    std::fill_n(p.payload(), 18, std::uint8_t(0xEE));
    EXPECT_EQ(loginToUnit(rig.link, QStringLiteral("admin"), QStringLiteral("admin")),
              Rights::Admin);
    // Name and zero, then stale bytes up to the password at offset 9.
    EXPECT_EQ(rig.server.requests()[0].frame,
              QByteArray::fromHex("234941001200") + QByteArray("admin\0", 6) +
                  QByteArray::fromHex("EEEEEE") + QByteArray("admin\0", 6) +
                  QByteArray::fromHex("EEEEEE"));
    EXPECT_FALSE(rig.link.isOpen());

    EXPECT_EQ(loginToUnit(rig.link, QStringLiteral("user"), QStringLiteral("user")), Rights::User);
    EXPECT_EQ(loginToUnit(rig.link, QStringLiteral("admin"), QStringLiteral("x")), Rights::Nobody);

    // Eight characters fill bytes 0..7 and the zero goes to byte 8.
    loginToUnit(rig.link, QStringLiteral("abcdefghij"), QString());
    const QByteArray frame = rig.server.requests().last().frame;
    EXPECT_EQ(frame.mid(6, 9), QByteArray("abcdefgh\0", 9));
    EXPECT_EQ(frame.at(15), '\0');

    logoutFromUnit(rig.link);
    EXPECT_EQ(rig.server.requests().last().frame,
              QByteArray("#IA\0\x12\0", 6) + QByteArray(18, '\0'));
}

TEST(Login, UnreachableUnitIsARefusedLoginNotAUser) {
    SimRig rig;
    rig.target.setPort(closedPort());
    EXPECT_EQ(loginToUnit(rig.link, QStringLiteral("admin"), QStringLiteral("admin")),
              Rights::Nobody);
    EXPECT_EQ(rig.link.packet().status(), 1);
}

} // namespace
