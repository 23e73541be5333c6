// quel5ctl read and write: whole memories, refusals, a short file, the upload's read-back and the
// guard of the unit's address.
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

TEST_F(Cli, ReadReturnsTheSimulatorsMemoryByteForByte) {
    SimProcess sim;
    ASSERT_FALSE(sim.port.isEmpty());
    const CtlRun r = ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("a.ql5")});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("0 - 56\n")));
    EXPECT_TRUE(r.err.endsWith(QStringLiteral("78 - 7856\n")));
    QByteArray expected = SimUnit::defaultImage();
    expected.replace(0, 56, QByteArray(56, '\0'));
    expected.replace(7956, 44, QByteArray(44, '\0'));
    EXPECT_EQ(readFile(path("a.ql5")), expected);
}

TEST_F(Cli, WriteAllThenReadRoundTrips) {
    SimProcess sim;
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("a.ql5")}).exit, 0);
    // Change the NetBIOS name in the file, as an edit would.
    QByteArray content = readFile(path("a.ql5"));
    content.replace(91, 8, QByteArray("CHANGED\0", 8));
    {
        QFile f(path("edited.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const CtlRun w = ctl({"--host", "127.0.0.1", "--port", sim.port, "write", path("edited.ql5"),
                          "--all", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(w.exit, 0) << qPrintable(w.err);
    EXPECT_TRUE(w.err.startsWith(QStringLiteral("Save - App Config\n")));
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("b.ql5")}).exit, 0);
    // The unit now holds what the tool would save from the edited file.
    ASSERT_EQ(ctl({"normalize", path("edited.ql5"), path("saved.ql5")}).exit, 0);
    QByteArray expected = readFile(path("saved.ql5"));
    expected.replace(0, 56, QByteArray(56, '\0'));
    EXPECT_EQ(readFile(path("b.ql5")), expected);
    EXPECT_EQ(readFile(path("b.ql5")).mid(91, 8), QByteArray("CHANGED\0", 8));
}

TEST_F(Cli, WriteFailsWithoutAdministratorRightsOrWhenRefused) {
    SimProcess sim;
    const QByteArray image = SimUnit::defaultImage();
    {
        QFile f(path("in.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(image);
    }
    CtlRun r = ctl({"--host", "127.0.0.1", "--port", sim.port, "write", path("in.ql5"), "--all",
                    "--user", "user", "--password", "user"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Chyba při přihlášení")));

    SimProcess refusing({"--refuse-record", "3"});
    r = ctl({"--host", "127.0.0.1", "--port", refusing.port, "write", path("in.ql5"), "--pages",
             "network,relays", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Chyba uložení 3\nSave - Popis\n")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Rele \n0 - 1468 0\n34 - 1568 0\n")));
}

TEST_F(Cli, SimulatorStartsFromAFileAndPersistsWrites) {
    QByteArray image = SimUnit::defaultImage();
    image.replace(5000, 8, QByteArray("Kotel 1\0", 8));
    {
        QFile f(path("unit.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(image);
    }
    SimProcess sim({"--image", path("unit.ql5"), "--persist"});
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("a.ql5")}).exit, 0);
    EXPECT_EQ(readFile(path("a.ql5")).mid(5000, 8), QByteArray("Kotel 1\0", 8));
    QByteArray edited = readFile(path("a.ql5"));
    edited.replace(5000, 8, QByteArray("Kotel 2\0", 8));
    {
        QFile f(path("b.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(edited);
    }
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "write", path("b.ql5"), "--pages",
                   "inputs", "--user", "admin", "--password", "admin"})
                  .exit,
              0);
    EXPECT_EQ(readFile(path("unit.ql5")).mid(5000, 8), QByteArray("Kotel 2\0", 8));
}

TEST_F(Cli, UnreachableOrSilentUnitsFailWithAMessage) {
    CtlRun r = ctl({"--host", "127.0.0.1", "--port", "1", "read", path("x.ql5")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Chyba komunikace")));
    EXPECT_FALSE(QFile::exists(path("x.ql5")));

    SimProcess silent({"--stall-after", "3"});
    r = ctl({"--host", "127.0.0.1", "--port", silent.port, "--timeout-ms", "300", "read",
             path("x.ql5")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("300 ms")));
    EXPECT_FALSE(QFile::exists(path("x.ql5")));
}

TEST_F(Cli, ShortFileIsRefusedBeforeAnyConnection) {
    SimProcess sim;
    {
        QFile f(path("empty.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(7999, '\x01'));
    }
    const CtlRun r = ctl({"--host", "127.0.0.1", "--port", sim.port, "write", path("empty.ql5"),
                          "--all", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("jen 7999 bajtů"))) << qPrintable(r.err);
    // The unit was never asked anything: a read shows it as it started.
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("after.ql5")}).exit, 0);
    EXPECT_EQ(readFile(path("after.ql5")).mid(56, 4), QByteArray::fromHex("7F000001"));
}

TEST_F(Cli, UnaskedReplyFailsTheReadAndWritesNoFile) {
    // At once behind the reply, and alone a little later (then it is taken for the next
    // reply and only the check at the end of the transfer shows it).
    const QList<QStringList> faults{{"--repeat-reply", "0"},
                                    {"--latency-ms", "10", "--late-repeat", "5"},
                                    {"--latency-ms", "10", "--late-repeat", "77"}};
    for (const QStringList& fault : faults) {
        SimProcess sim(fault);
        const CtlRun r = ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("x.ql5")});
        EXPECT_EQ(r.exit, 1) << qPrintable(fault.join(' '));
        EXPECT_TRUE(r.err.contains(QStringLiteral("nikdo nežádal"))) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(path("x.ql5")));
    }
    // An upload whose replies cannot be trusted fails; the logout after it still works.
    SimProcess clean;
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", clean.port, "read", path("a.ql5")}).exit, 0);
    SimProcess late({"--latency-ms", "10", "--late-repeat", "3"});
    const CtlRun w = ctl({"--host", "127.0.0.1", "--port", late.port, "write", path("a.ql5"),
                          "--all", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(w.exit, 1);
    // Caught before a later request, by a reply to another command or by the check at the
    // end, as timing has it.
    EXPECT_TRUE(w.err.contains(QStringLiteral("nikdo nežádal")) ||
                w.err.contains(QStringLiteral("hlavičkou")))
        << qPrintable(w.err);
    EXPECT_FALSE(w.err.contains(QStringLiteral("odhlášení"))) << qPrintable(w.err);
}

TEST_F(Cli, TheUploadDecidesTheExitStatusAndTheLogoutOnlyWarns) {
    {
        QFile f(path("in.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(SimUnit::defaultImage());
    }
    // Login, the inputs record, two chunks, their three read-backs and the check are
    // answered; the logout finds the door shut.
    SimProcess dropsLogout({"--drop-after", "8"});
    CtlRun r = ctl({"--host", "127.0.0.1", "--port", dropsLogout.port, "write", path("in.ql5"),
                    "--pages", "inputs", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Zapsáno záznamů: 1, bloků: 2; nic nebylo "
                                              "odmítnuto.\nVše zapsáno a ověřeno čtením zpět "
                                              "(170 bajtů).\nVarování: odhlášení")))
        << qPrintable(r.err);

    // An upload that stalls fails first; its logout gets a short wait, not a second time-out.
    SimProcess stalls({"--stall-after", "2"});
    r = ctl({"--host", "127.0.0.1", "--port", stalls.port, "--timeout-ms", "1500", "write",
             path("in.ql5"), "--pages", "inputs", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    const int failed = int(r.err.indexOf(QStringLiteral("neodpověděla do 1500 ms")));
    const int warned = int(r.err.indexOf(QStringLiteral("Varování: odhlášení")));
    EXPECT_GE(failed, 0) << qPrintable(r.err);
    EXPECT_GT(warned, failed) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("neodpověděla do 1000 ms"))) << qPrintable(r.err);
}

// write reads back what it wrote: a byte the unit keeps wrongly fails it, unless
// --no-verify.
TEST_F(Cli, WriteVerifiesByReadingBack) {
    {
        QFile f(path("in.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(SimUnit::defaultImage());
    }
    SimProcess sim({"--corrupt-write", "372"});
    const QStringList write = {"--host", "127.0.0.1",    "--port",     sim.port,
                               "write",  path("in.ql5"), "--pages",    "outputs",
                               "--user", "admin",        "--password", "admin"};
    CtlRun r = ctl(write);
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Ověření zápisu selhalo: počet bajtů, které jednotka "
                                              "drží jinak, než byly odeslány: 1 (Výstupy: 372).")))
        << qPrintable(r.err);
    r = ctl(write + QStringList{"--no-verify"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_FALSE(r.err.contains(QStringLiteral("Ověř")));
}

// write refuses a network record that would move the unit, unless --force.
TEST_F(Cli, WriteGuardsTheUnitsAddress) {
    QByteArray moved = SimUnit::defaultImage();
    moved[59] = char(203); // 127.0.0.203
    {
        QFile f(path("moved.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(moved);
    }
    SimProcess sim;
    const QStringList write = {"--host", "127.0.0.1",       "--port",     sim.port,
                               "write",  path("moved.ql5"), "--pages",    "network",
                               "--user", "admin",           "--password", "admin"};
    CtlRun r = ctl(write);
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("IP adresa: 127.0.0.1 → 127.0.0.203")))
        << qPrintable(r.err);
    EXPECT_FALSE(r.err.contains(QStringLiteral("Save - App Config")));
    r = ctl(write + QStringList{"--force"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Save - App Config")));
}

} // namespace
