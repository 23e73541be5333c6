// The unit's clock: the register form both ways, and the requests on the wire against the
// simulator.
#include "unit/Clock.h"
#include "TestSupport.h"
#include "base/Errors.h"

#include <QRandomGenerator>
#include <ctime>
#include <gtest/gtest.h>

namespace {

unitclock::RegisterBlock block(const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    unitclock::RegisterBlock r{};
    std::copy(bytes.begin(), bytes.end(), r.begin());
    return r;
}

// A wall-clock time, as the unit keeps it.
QDateTime at(const char* iso) {
    const QDateTime local = QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

TEST(UnitClock, RegistersBothWays) {
    const struct {
        const char* registers;
        const char* time; // nullptr: no valid date and time
    } cases[] = {
        {"8307090A050312", "2012-03-05T09:07:03"}, // a Monday
        {"050000010101"
         "05",
         "2005-01-01T00:00:05"},
        {"00000000000000", nullptr}, // month 0: never set
        {"80000008300212", nullptr}, // 30 February
        {"8A000008010112", nullptr}, // a seconds digit above 9
        {"80002408010112", nullptr}, // hour 24
    };
    for (const auto& c : cases) {
        const auto time = unitclock::decode(block(c.registers));
        if (!c.time) {
            EXPECT_FALSE(time) << c.registers;
            continue;
        }
        ASSERT_TRUE(time) << c.registers;
        EXPECT_EQ(*time, at(c.time)) << c.registers;
    }
    const auto sent = unitclock::encode(at("2012-03-05T09:07:03"));
    ASSERT_TRUE(sent);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(sent->data()), 7).toHex(),
              QByteArray("8307090a050312"));
    EXPECT_FALSE(unitclock::encode(at("2100-01-01T00:00:00")));
    EXPECT_FALSE(unitclock::encode(at("1999-12-31T23:59:59")));

    // Every second of the century the clock can hold comes back as it was sent.
    QRandomGenerator random(3);
    const QDateTime first = at("2000-01-01T00:00:00");
    for (int i = 0; i < 2000; ++i) {
        const QDateTime t = first.addSecs(qint64(random.bounded(100.0 * 365.2425 * 86400)));
        if (t.date().year() > 2099)
            continue;
        const auto r = unitclock::encode(t);
        ASSERT_TRUE(r) << t.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(unitclock::decode(*r), t);
        EXPECT_EQ((*r)[3] - 8, t.date().dayOfWeek() % 7 + 1);
    }
}

TEST(UnitClock, SetThenReadAgainstTheUnit) {
    SimRig rig;
    ASSERT_TRUE(unitclock::write(rig.link, at("2012-03-05T09:07:03")));
    EXPECT_EQ(rig.server.requests().last().frame,
              QByteArray::fromHex("235869000A00DE00078307090A050312"));
    const QDateTime back = unitclock::read(rig.link);
    EXPECT_EQ(rig.server.requests().last().frame, QByteArray::fromHex("235849000300DE0007"));
    EXPECT_GE(back, at("2012-03-05T09:07:03"));
    EXPECT_LE(back, at("2012-03-05T09:07:06"));
    EXPECT_FALSE(rig.link.isOpen());

    // A year the clock cannot hold is refused before anything is sent.
    const qsizetype sent = rig.server.requests().size();
    EXPECT_THROW(unitclock::write(rig.link, at("2100-01-01T00:00:00")), OperationError);
    EXPECT_EQ(rig.server.requests().size(), sent);
}

TEST(UnitClock, AClockWithoutATimeOrARefusalIsAFailedRead) {
    SimOptions garbage;
    garbage.clock = QByteArray::fromHex("00000000000000");
    SimRig unset(garbage);
    try {
        unitclock::read(unset.link);
        ADD_FAILURE() << "an unset clock was read";
    } catch (const OperationError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Hodiny jednotky neobsahují platné datum "
                                                       "a čas")));
    }
    SimOptions refusing;
    refusing.refuseCommand = "XI";
    SimRig refused(refusing);
    EXPECT_THROW(unitclock::read(refused.link), OperationError);
    SimRig gone;
    gone.target.setPort(closedPort());
    EXPECT_FALSE(unitclock::read(gone.link).isValid());
    EXPECT_FALSE(unitclock::write(gone.link, at("2012-03-05T09:07:03")));
}

// Registers read as they stand: an hour summer time skips here is a time of the unit all
// the same, and the month's tens are one bit (the bit above it is no part of the month).
TEST(UnitClock, RegistersReadAsTheyStand) {
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Prague");
    tzset();
    const auto skipped = unitclock::decode(block("00300200290326"));
    ASSERT_TRUE(skipped.has_value());
    EXPECT_EQ(skipped->date(), QDate(2026, 3, 29));
    EXPECT_EQ(skipped->time(), QTime(2, 30, 0));
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    const auto month = unitclock::decode(block("00000000052112"));
    ASSERT_TRUE(month.has_value());
    EXPECT_EQ(month->date(), QDate(2012, 1, 5));
}

} // namespace
