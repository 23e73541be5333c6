// The unit's commands: the action frames on the wire, the service panel's payloads and log
// lines, and what the command line makes of the table.
#include "unit/UnitCommands.h"
#include "TestSupport.h"
#include "monitor/DeviceStatus.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(UnitActions, FramesOnTheWire) {
    SimRig rig;
    const struct {
        const char* name;
        const char* frame;
    } cases[] = {{"bypass-on", "235542000000"},     {"bypass-off", "235562000000"},
                 {"reset-tcp", "234954010000"},     {"5v-on", "235835010000"},
                 {"5v-off", "235835000000"},        {"set-outputs", "23554F0002000180"},
                 {"cancel-outputs", "23556F000000"}};
    for (const auto& c : cases) {
        const unit::Command* a = unit::byCliName(unit::Group::Action, QLatin1String(c.name), 1);
        ASSERT_TRUE(a) << c.name;
        unit::prepare(rig.link.packet(), *a, {0x8001});
        rig.link.exchange(a->mode);
        EXPECT_EQ(rig.server.requests().last().frame.toHex(), QByteArray(c.frame).toLower())
            << c.name;
    }
    // Reset: sent, nothing read, about three seconds, the connection closed.
    QElapsedTimer clock;
    clock.start();
    prepareAction(rig.link.packet(), "reset");
    rig.link.exchange(ExchangeMode::SendOnly);
    EXPECT_GE(clock.elapsed(), 2500);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_EQ(rig.server.requests().last().frame.toHex(), QByteArray("234952000000"));

    // A restarting unit refuses connections for about a second, then answers again.
    rig.link.setSendOnlyWaitMs(50);
    prepareAction(rig.link.packet(), "reset");
    rig.link.exchange(ExchangeMode::SendOnly);
    prepareStatusRequest(rig.link.packet());
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_TRUE(rig.link.linkFailed());
    EXPECT_EQ(rig.feedback.messages.size(), 1);
    QElapsedTimer rebooting;
    rebooting.start();
    spinUntil([&] { return rebooting.elapsed() > 1300; }, 3000);
    service::rawPwm(rig.link.packet(), 0x10, 0x02);
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    ASSERT_FALSE(rig.link.linkFailed());
    prepareStatusRequest(rig.link.packet());
    rig.link.exchange(ExchangeMode::CloseAfterReply);
    EXPECT_EQ(decodeStatus(rig.link.packet().payload(), rig.link.packet().length()).pwm(), 528.0f);
}

TEST(ServicePanel, PayloadsAndLogLines) {
    LinkPacket p;
    service::i2cWrite(p, 64, 16, {1, 2});
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.bytes.data()), 11).toHex(),
              QByteArray("235869000500401002"
                         "0102"));
    service::flashWrite(p, 4096, 3, 254);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.bytes.data()), 14).toHex(),
              QByteArray("23545700080000100000"
                         "03feff00"));
    service::flashWrite(p, 4096, 0, 254);
    EXPECT_EQ(p.length(), 5);

    // Replies as the unit gives them.
    p.setStatus(0);
    p.setLength(4);
    const std::uint8_t bytes[] = {10, 20, 30, 40};
    std::memcpy(p.payload(), bytes, 4);
    EXPECT_EQ(service::recvManyLines(p, 8),
              QStringList({"8 - 10", "9 - 20", "10 - 30", "11 - 40"}));
    EXPECT_EQ(service::flashReadLines(p, 4294967295u, 2),
              QStringList({"4294967295 10", "4294967296 20"}));
    p.setLength(1);
    EXPECT_EQ(service::recvOneLine(p), QStringLiteral("1 - 10 : 0"));
    p.setLength(2);
    EXPECT_EQ(service::recvTwoLine(p), QStringLiteral("2 - 10  20 : 0"));
    p.setStatus(2);
    EXPECT_TRUE(service::recvManyLines(p, 8).isEmpty());
    EXPECT_EQ(service::sendLine(p), QStringLiteral("2"));
}

// The usage is said from the rows: a row that adds a trailing argument to its neighbour
// of the same name is one entry with the argument in brackets.
TEST(UnitCommands, UsageAndArguments) {
    EXPECT_EQ(unit::usage(unit::Group::Service),
              QStringLiteral("i2c-read DEV MEM COUNT | i2c-write DEV MEM B1 [B2] | raw-outputs B1 "
                             "B2 | raw-pwm B1 B2 | flash-write ADDR COUNT START | flash-read ADDR "
                             "COUNT | energy-reset"));
    EXPECT_TRUE(unit::usage(unit::Group::Action)
                    .endsWith(QStringLiteral("set-outputs PATTERN | cancel-outputs")));
    // The manual page names every command the table gives the command line.
    QFile man(QStringLiteral(QUEL5_MAN_PAGE));
    ASSERT_TRUE(man.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(man.readAll()).remove(QLatin1Char('\\'));
    for (const unit::Command& c : unit::commands())
        EXPECT_TRUE(!*c.cliName ||
                    page.contains(QStringLiteral("fB%1fR").arg(QLatin1String(c.cliName))))
            << c.cliName;
    std::set<std::string> names;
    for (const unit::Command& c : unit::commands())
        EXPECT_TRUE(names.insert(c.objectName).second) << c.objectName;
    EXPECT_EQ(unit::byCliName(unit::Group::Service, QStringLiteral("i2c-write"), 4)->objectName,
              std::string("BSend2"));

    const unit::Argument byte{"B1", nullptr, 255}, pattern{"PATTERN", nullptr, 0xFFFF, 4};
    const struct {
        const unit::Argument& argument;
        const char* text;
        qint64 value; // -1: refused
    } cases[] = {{byte, "255", 255},        {byte, "0xff", 255},   {byte, "016", 16},
                 {byte, "256", -1},         {byte, "0x", -1},      {byte, "-1", -1},
                 {byte, "+1", -1},          {byte, "1e", -1},      {byte, "", -1},
                 {pattern, "8001", 0x8001}, {pattern, "0x01", -1}, {pattern, "801", -1}};
    for (const auto& c : cases) {
        QString why;
        const auto v = unit::parseArgument(c.argument, QLatin1String(c.text), &why);
        EXPECT_EQ(v ? qint64(*v) : -1, c.value) << c.text;
        EXPECT_EQ(why.isEmpty(), c.value >= 0) << c.text;
    }
}

// A refusal or a reply shorter than the request reads is no answer; a reset is never checked.
TEST(UnitCommands, ReplyProblems) {
    LinkPacket reply;
    reply.setStatus(0);
    reply.setLength(2);
    const unit::Command& read = *unit::byObjectName(QStringLiteral("BRecvP"));
    EXPECT_TRUE(unit::replyProblem(read, reply, {64, 0, 2}).isEmpty());
    EXPECT_TRUE(unit::replyProblem(read, reply, {64, 0, 3}).contains(QStringLiteral("2 z 3")));
    reply.setStatus(4);
    EXPECT_TRUE(unit::replyProblem(read, reply, {64, 0, 0}).contains(QStringLiteral("stav 4")));
    EXPECT_TRUE(unit::replyProblem(*unit::byObjectName(QStringLiteral("actBypassOn")), reply, {})
                    .contains(QStringLiteral("Bypass ON")));
    EXPECT_TRUE(
        unit::replyProblem(*unit::byObjectName(QStringLiteral("actReset")), reply, {}).isEmpty());
}

} // namespace
