// quel5ctl on the unit's live side: passwords, status, clock, energy preset, actions, service
// requests, usage errors.
#include "CliSupport.h"

#include "SimServer.h"
#include "SimUnit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// clock get prints ISO 8601; clock set logs in, sets and logs out; a clock without a time
// and a year the clock cannot hold fail with a message.
// A password need not stand on the command line: standard input or QUEL5_PASSWORD give
// it; one that does is wiped from the process's arguments at once, and none reaches the
// messages.
TEST_F(Cli, PasswordsComeFromInputOrEnvironmentAndLeaveNoTrace) {
    SimProcess sim({"--admin-password", "Tajne-42", "--latency-ms", "300"});
    const QStringList set = {"--host", "127.0.0.1",           "--port", sim.port, "clock",
                             "set",    "2031-12-31T23:59:58", "--user", "admin"};
    CtlOptions watched;
    watched.started = [](QProcess& p) {
        QThread::msleep(200);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(p.processId()));
        ASSERT_TRUE(cmdline.open(QIODevice::ReadOnly));
        EXPECT_FALSE(cmdline.readAll().contains("Tajne-42"));
    };
    const CtlRun given = ctl(set + QStringList{"--password", "Tajne-42"}, watched);
    EXPECT_EQ(given.exit, 0);
    EXPECT_FALSE(given.err.contains(QStringLiteral("Tajne-42")));

    CtlOptions fromInput;
    fromInput.input = "Tajne-42\n";
    const CtlRun input = ctl(set + QStringList{"--password-stdin"}, fromInput);
    EXPECT_EQ(input.exit, 0) << qPrintable(input.err);

    CtlOptions fromEnvironment;
    fromEnvironment.environment = QProcessEnvironment::systemEnvironment();
    fromEnvironment.environment.insert(QStringLiteral("QUEL5_PASSWORD"),
                                       QStringLiteral("Tajne-42"));
    EXPECT_EQ(ctl(set, fromEnvironment).exit, 0);
    // A wrong one is refused without being repeated.
    const CtlRun wrong = ctl(set + QStringList{"--password", "Spatne-Heslo"});
    EXPECT_EQ(wrong.exit, 1);
    EXPECT_FALSE(wrong.err.contains(QStringLiteral("Spatne-Heslo")));
}

// The status request under every fault a unit can show: one message, exit 1, no state
// printed; a refusal is no empty state.
TEST_F(Cli, StatusUnderEveryFaultFailsWithoutPrintingAState) {
    for (const QStringList& fault :
         {QStringList{"--drop-after", "0"}, QStringList{"--stall-after", "0"},
          QStringList{"--wrong-command-at", "0"}, QStringList{"--oversize-at", "0"},
          QStringList{"--refuse-at", "0"}}) {
        SimProcess sim(fault);
        const CtlRun r =
            ctl({"--host", "127.0.0.1", "--port", sim.port, "--timeout-ms", "300", "status"});
        EXPECT_EQ(r.exit, 1) << qPrintable(fault.join(' '));
        EXPECT_TRUE(r.out.isEmpty()) << qPrintable(r.out);
        EXPECT_EQ(r.err.trimmed().count(QLatin1Char('\n')), 0) << qPrintable(r.err);
    }
}

TEST_F(Cli, ClockSetThenGet) {
    SimProcess sim({"--clock", "8307090A050312"});
    const QStringList unit = {"--host", "127.0.0.1", "--port", sim.port, "clock"};
    CtlRun r = ctl(unit + QStringList{"get"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("2012-03-05T09:07:0"))) << qPrintable(r.out);
    r = ctl(unit +
            QStringList{"set", "2031-12-31T23:59:58", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    r = ctl(unit + QStringList{"get"});
    EXPECT_TRUE(r.out == QStringLiteral("2031-12-31T23:59:58\n") ||
                r.out == QStringLiteral("2031-12-31T23:59:59\n"))
        << qPrintable(r.out);
    r = ctl(unit +
            QStringList{"set", "2100-01-01T00:00:00", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Rok 2100")));
    EXPECT_EQ(ctl(unit + QStringList{"set", "zítra", "--user", "admin"}).exit, 2);
    EXPECT_EQ(ctl(unit + QStringList{"set", "--user", "admin", "--password", "x"}).exit, 1);

    SimProcess unset({"--clock", "00000000000000"});
    r = ctl({"--host", "127.0.0.1", "--port", unset.port, "clock", "get"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("neobsahují platné datum a čas")));
}

TEST_F(Cli, EnergyPresetSendsTheCountOfEnergyTimesPulses) {
    SimServer sim({}, {});
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    const QString port = QString::number(sim.port());
    CtlRun r = ctl({"--host", "127.0.0.1", "--port", port, "energy-preset", "12.5",
                    "--pulses-per-kwh", "1000", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    QStringList commands;
    QByteArray preset;
    for (const auto& request : sim.requests()) {
        commands << QString::fromLatin1(request.frame.mid(1, 2));
        if (request.frame.mid(1, 2) == "Xe")
            preset = request.frame;
    }
    EXPECT_EQ(commands, (QStringList{"IA", "Xe", "IA"})); // login, preset, logout
    EXPECT_EQ(preset, QByteArray::fromHex("23586501050000D4300000"));

    // A count that does not fit 32 bits is refused before anything is sent.
    sim.clearRequests();
    r = ctl({"--host", "127.0.0.1", "--port", port, "energy-preset", "70000", "--pulses-per-kwh",
             "65535", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nevejde do 32 bitů"))) << qPrintable(r.err);
    EXPECT_TRUE(sim.requests().isEmpty());
    // A unit that refuses the preset is reported, not taken for one that set it.
    SimOptions refuseXe;
    refuseXe.refuseCommand = "Xe";
    SimServer refusing(refuseXe, {});
    ASSERT_TRUE(refusing.listen(QHostAddress::LocalHost, 0));
    r = ctl({"--host", "127.0.0.1", "--port", QString::number(refusing.port()), "energy-preset",
             "2.3", "--pulses-per-kwh", "100", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("odmítla (stav 3)"))) << qPrintable(r.err);
    EXPECT_FALSE(r.err.contains(QStringLiteral("nastaven na"))) << qPrintable(r.err);
    EXPECT_EQ(ctl({"--host", "127.0.0.1", "energy-preset", "1.25", "--pulses-per-kwh", "5",
                   "--user", "a", "--password", "b"})
                  .exit,
              2);
}

// status prints the thirteen lines, the bit rows and the value rows; action asks for the
// window's rights; service prints the panel's lines and refuses values past their field.
TEST_F(Cli, StatusActionAndServiceAgainstTheUnit) {
    SimProcess sim;
    const QStringList unit = {"--host", "127.0.0.1", "--port", sim.port};
    CtlRun r = ctl(unit + QStringList{"status"});
    ASSERT_EQ(r.exit, 0) << qPrintable(r.err);
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), QStringLiteral("Typ : 5"));
    EXPECT_EQ(lines.value(12), QStringLiteral("I2C error adr : 0"));
    EXPECT_TRUE(lines.value(13).startsWith(QStringLiteral("TM inputs ........")));
    EXPECT_TRUE(lines.value(19).startsWith(QStringLiteral("Teplota1 ")));

    // A user may not set the outputs: refused before anything is sent.
    r = ctl(unit +
            QStringList{"action", "set-outputs", "8001", "--user", "user", "--password", "user"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Chyba při přihlášení")));
    r = ctl(unit +
            QStringList{"action", "set-outputs", "8001", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    r = ctl(unit + QStringList{"status", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()).object()[QStringLiteral("Outputs")].toInt(),
              0x8001);
    EXPECT_EQ(ctl(unit + QStringList{"action", "set-outputs", "18001", "--user", "admin"}).exit, 2);

    // What changes the unit is an administrator's; numbers are decimal or 0x hexadecimal.
    const QStringList admin{"--user", "admin", "--password", "admin"};
    const QStringList write{"service", "i2c-write", "0x40", "016", "1", "2"};
    EXPECT_EQ(ctl(unit + write).exit, 2);
    r = ctl(unit + write + QStringList{"--user", "user", "--password", "user"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Chyba při přihlášení")));
    EXPECT_EQ(ctl(unit + write + admin).out, QStringLiteral("0\n"));
    EXPECT_EQ(ctl(unit + QStringList{"service", "i2c-read", "64", "16", "2"}).out,
              QStringLiteral("16 - 1\n17 - 2\n"));
    EXPECT_EQ(ctl(unit + QStringList{"service", "i2c-read", "64", "09", "1"}).out,
              QStringLiteral("9 - 0\n"));
    ASSERT_EQ(ctl(unit + QStringList{"service", "flash-write", "4096", "3", "254"} + admin).exit,
              0);
    EXPECT_EQ(ctl(unit + QStringList{"service", "flash-read", "0x1000", "3"}).out,
              QStringLiteral("4096 254\n4097 255\n4098 0\n"));
    const std::pair<QStringList, int> refusedNumbers[] = {
        {{"service", "raw-pwm", "256", "0"}, 2},
        {{"service", "i2c-read", "64", "0", "123"}, 2},
        {{"service", "i2c-read", "64", "0x", "1"}, 2},
        {{"service", "i2c-read", "64", "-1", "1"}, 2},
        {{"service", "i2c-read", "64", "1e", "1"}, 2},
        {{"service", "i2c-read", "64", "+1", "1"}, 2}};
    for (const auto& [args, exit] : refusedNumbers)
        EXPECT_EQ(ctl(unit + args + admin).exit, exit) << qPrintable(args.join(' '));
    r = ctl(unit + QStringList{"action", "set-outputs", "0x01", "--user", "admin"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("not 0x01"))) << qPrintable(r.err);

    // A unit that refuses a request or an action: a failure, and nothing read is printed.
    SimProcess refusing({"--refuse-command", "TR"});
    r = ctl({"--host", "127.0.0.1", "--port", refusing.port, "service", "flash-read", "0", "3"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.isEmpty()) << qPrintable(r.out);
    EXPECT_TRUE(r.err.contains(QStringLiteral("odmítla"))) << qPrintable(r.err);
    SimProcess refusingAction({"--refuse-command", "UB"});
    r = ctl({"--host", "127.0.0.1", "--port", refusingAction.port, "action", "bypass-on", "--user",
             "user", "--password", "user"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_FALSE(r.err.contains(QStringLiteral("Odesláno"))) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("odmítla"))) << qPrintable(r.err);
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(ctl({}).exit, 2);
    EXPECT_EQ(ctl({"frobnicate"}).exit, 2);
    EXPECT_EQ(ctl({"read", path("a.ql5")}).exit, 2); // no --host
    EXPECT_EQ(ctl({"--host", "127.0.0.1", "write", path("a.ql5"), "--user", "a"}).exit, 2);
    EXPECT_EQ(ctl({"--host", "127.0.0.1", "write", path("a.ql5"), "--pages", "bogus", "--user", "a",
                   "--password", "b"})
                  .exit,
              2);
    EXPECT_EQ(ctl({"--port", "99999", "normalize", "a", "b"}).exit, 2);
    EXPECT_EQ(ctl({"normalize", "a"}).exit, 2);
}

} // namespace
