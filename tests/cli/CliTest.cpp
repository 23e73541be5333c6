#include "SimServer.h"
#include "SimUnit.h"
#include "TestSupport.h"

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

// A quel5-sim process on a free loopback port.
class SimProcess {
public:
    explicit SimProcess(QStringList extra = {}) {
        process.setProgram(QStringLiteral(QUEL5_SIM_PATH));
        process.setArguments(QStringList{"--port", "0", "--discovery-port", "0"} + extra);
        process.start();
        process.waitForStarted();
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(5000))
            out += process.readAllStandardOutput();
        const auto match = QRegularExpression(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"))
                               .match(QString::fromLatin1(out));
        port = match.hasMatch() ? match.captured(1) : QString();
    }
    ~SimProcess() {
        process.kill();
        process.waitForFinished();
    }
    QProcess process;
    QString port;
};

struct CtlRun {
    int exit;
    QString err;
    QString out;
};

CtlRun ctl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUEL5CTL_PATH), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError()),
            QString::fromUtf8(p.readAllStandardOutput())};
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

struct Cli : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

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

TEST_F(Cli, NormalizeIsOpenThenSave) {
    QByteArray content(8000, '\x5A');
    content[1472] = 10; // relay code length
    content[1473] = 0;
    {
        QFile f(path("in.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const CtlRun r = ctl({"normalize", path("in.ql5"), path("out.ql5")});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    const QByteArray out = readFile(path("out.ql5"));
    ASSERT_EQ(out.size(), 8000);
    EXPECT_EQ(out.at(55), '\0');
    EXPECT_EQ(out.at(56), '\x5A');
    EXPECT_EQ(out.at(312), '\0');
    EXPECT_EQ(out.at(1611), '\x5A');
    EXPECT_EQ(out.at(1612), '\0');
    // The relay gather stores the descriptions of relays 1-16, each cut to 19 characters.
    EXPECT_EQ(out.at(6300 + 18), '\x5A');
    EXPECT_EQ(out.at(6300 + 19), '\0');
    EXPECT_EQ(out.at(6619), '\0');
    EXPECT_EQ(out.at(6620), '\0');

    EXPECT_EQ(ctl({"normalize", path("missing.ql5"), path("o.ql5")}).exit, 1);
}

TEST_F(Cli, RelayCompileAndDecodeReproduceTheWorkedExamples) {
    // Each as the first relay of a gather.
    const QList<std::pair<QString, QString>> examples{
        {"T3|R16", "91 02 FB"},
        {"v1 & t2", "80 01 89"},
        {"V3|~E5", "90 12 A2"},
        {"~(V1|V2)&T1", "30 80 02 88 41 81"},
        {"(V1&~V2)|FTON(30)", "20 80 11 88 42 86 00 1E 00"},
        {"FTOFF(600)&FPULS(5)", "8E 00 58 02 01 96 01 05 00"},
        {"FCNT(2,10)&E1", "B6 01 0A 01 82"},
        {"FPSET(5)", "9E 04"},
        {"P16|FCNR(16)", "FC 02 BE 0F"},
        {"V1^V2", "80 03 88"},
        {"(~V1&V2)", "30 80 01 88 40"},
        {"((V1))", "20 20 80 40 40"},
        {"F TON ( 5 )", "86 00 05 00"},
    };
    for (const auto& [expression, code] : examples) {
        const CtlRun r = ctl({"relay", "compile", expression});
        EXPECT_EQ(r.exit, 0) << expression.toStdString();
        EXPECT_EQ(r.out, code + QLatin1Char('\n'));
    }
    // One gather: timers numbered over all expressions; an empty one prints an empty line.
    CtlRun r =
        ctl({"relay", "compile", "FTON(1)&FTON(2)&FTON(3)", "", "FTOFF(600)&FPULS(5)", "X1"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, QStringLiteral("86 00 01 00 01 86 01 02 00 01 86 02 03 00\n\n"
                                    "8E 03 58 02 01 96 04 05 00\nChyba v zadání\n"));
    QStringList seventeen{"relay", "compile"};
    for (int i = 0; i < 17; ++i)
        seventeen << QStringLiteral("FTON(1)");
    r = ctl(seventeen);
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("86 0F 01 00\nMAX 16 timerů\n")));

    r = ctl({"relay", "decode", "20 80 11 88 42 86 00 1E 00"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, QStringLiteral("( V1 & ~V2 ) | FTON(30) \n"));
    EXPECT_EQ(ctl({"relay", "decode", "8E0058020196010500"}).out,
              QStringLiteral("FTOFF(600) & FPULS(5) \n"));
    EXPECT_EQ(ctl({"relay", "decode", ""}).out, QStringLiteral("\n"));
    // A long program is still byte pairs.
    const CtlRun longProgram = ctl({"relay", "decode", QString(2 * 30000, QLatin1Char('8'))});
    EXPECT_EQ(longProgram.exit, 0);
    EXPECT_TRUE(longProgram.out.startsWith(QStringLiteral("V2 V2 ")));
    EXPECT_EQ(ctl({"relay", "decode", "8"}).exit, 2);
    EXPECT_EQ(ctl({"relay", "decode", "zz"}).exit, 2);
    EXPECT_EQ(ctl({"relay"}).exit, 2);
}

// quel5ctl run against a simulator in this process: events are served while it runs.
CtlRun ctlServed(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUEL5CTL_PATH), args);
    if (!spinUntil([&] { return p.state() == QProcess::NotRunning; }, 30000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, {}};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError()),
            QString::fromUtf8(p.readAllStandardOutput())};
}

QByteArray pagesImage() {
    QByteArray image = SimUnit::defaultImage();
    image[360] = 0x11;                                          // X8 and X7/SO2 used
    image[361] = char(0xFF);                                    // all negated, kept as 1F
    image[382] = 15;                                            // X12, the fifth row: relay 16
    image.replace(388, 6, QByteArray::fromHex("010203040506")); // carried
    image[394] = 2;                                             // X20/PWM
    image[395] = 25;                                            // 2.5
    image[448] = 4;                                             // thermometer 1 at X4
    image.replace(5500, 8, QByteArray("Chodba\0\0", 8));
    image.replace(5520, 8, QByteArray("Sk\nlad\0\0", 8)); // a control byte stays on its line
    image[1474 + 1] = 3;                                  // relay 1: V1 & T2
    image[1472] = 3;
    image.replace(1602, 3, QByteArray::fromHex("800189"));
    // T1 type 1 on Tepl.2, 20.0/22.5 in both modes; T2 unused; T3 type 4 with its own
    // "Mod 1"; T17, which the unit does not run, type 2.
    image.replace(1000, 1004 + 12 * 32 - 1000, QByteArray(1004 + 12 * 32 - 1000, '\0'));
    image.replace(1004, 12,
                  QByteArray::fromHex("010100"
                                      "00C800C800E100E100"));
    image.replace(1028, 12,
                  QByteArray::fromHex("040000"
                                      "00D200C80014821482"));
    image[1004 + 12 * 16] = 2;
    // Profile 0 on weekdays 6-21, profile 1 at the weekend with no hours.
    image.replace(425, 12, QByteArray::fromHex("3E4100C0FF3F000000000000"));
    return image;
}

TEST_F(Cli, ShowPrintsEveryPageAsTheWindowsShowIt) {
    {
        QFile f(path("pages.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pagesImage());
    }
    CtlRun r = ctl({"show", path("pages.ql5")});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    for (const char* line :
         {"[Ethernet]\nIP adresa: 127.0.0.1\n",
          "\n[Vstupy]\nX8 / Použit: ano\nX8 / Negace: ano\n",
          "X9 / Použit: ne\n",
          "X7/SO2 / Použit: ano\n",
          "[Výstupy]\n",
          "X12 / Virt. relé: 16\n",
          "X13 / Virt. relé: 1\n",
          "[Výstup 0-10V]\nVýstup: X20/PWM\nHystereze setpointu: 2.5\n",
          "A1 / Omezení [ vstup ]: \n",
          "[Quel5]\n",
          "Teploměr1 / Port: X4\n",
          "Teploměr2 / Popis: Chodba\n",
          "Teploměr3 / Port: X2/1\n",
          "[Virtuální relé]\n",
          "R1 / Výraz: V1 & T2\n",
          "Teploměr3 / Popis: Sk\\nlad\n",
          "[Termostaty]\nT1 / Typ: 1: sepne nad TH, vypne pod TL\nT1 / Teplota1: Tepl.2\n",
          "T1 / TH (Mod 0): 22.5\nT1 / TL (Mod 1): 20.0\nT1 / TH (Mod 1): 22.5\n",
          "T2 / Typ: 0: nepoužit\nT3 / Typ: 4",
          "T3 / SP (Mod 1): 20.0\nT3 / dT (Mod 1): 2.0\n"})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(line))) << line;
    EXPECT_TRUE(r.out.contains(QStringLiteral("[Režim]\nProfil 0 / Dny: Po, Út, St, Čt, Pá\n"
                                              "Profil 0 / Hodiny: 6-21\nProfil 1 / Dny: So, Ne\n"
                                              "Profil 1 / Hodiny: žádné\n")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("T17")));

    r = ctl({"show", path("pages.ql5"), "--json"});
    EXPECT_EQ(r.exit, 0);
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_TRUE(
        doc[QStringLiteral("Vstupy")][QStringLiteral("X8")][QStringLiteral("Použit")].toBool());
    EXPECT_EQ(doc[QStringLiteral("Výstup 0-10V")][QStringLiteral("Hystereze setpointu")].toDouble(),
              2.5);
    EXPECT_EQ(doc[QStringLiteral("Quel5")][QStringLiteral("Teploměr2")][QStringLiteral("Popis")]
                  .toString(),
              QStringLiteral("Chodba"));
    EXPECT_EQ(doc[QStringLiteral("Režim")][QStringLiteral("Profil 0")][QStringLiteral("Hodiny")]
                  .toString(),
              QStringLiteral("6-21"));
    EXPECT_EQ(doc[QStringLiteral("Termostaty")][QStringLiteral("T3")][QStringLiteral("PB (Mod 0)")]
                  .toDouble(),
              13.0);
    EXPECT_EQ(
        doc[QStringLiteral("Ethernet")][QStringLiteral("SNMP trap  IP1")][QStringLiteral("Port")]
            .toInt(),
        162);

    // normalize carries the pages through their models.
    ASSERT_EQ(ctl({"normalize", path("pages.ql5"), path("norm.ql5")}).exit, 0);
    const QByteArray norm = readFile(path("norm.ql5"));
    EXPECT_EQ(norm.mid(360, 2), QByteArray::fromHex("111F"));
    EXPECT_EQ(norm.mid(388, 6), QByteArray::fromHex("010203040506"));
    EXPECT_EQ(norm.mid(5500, 7), QByteArray("Chodba\0", 7));
}

// The printed report as a PDF: A4, the thermostat rows by zero-based position 8.5 mm
// apart, T17 never; an unreadable configuration writes nothing.
TEST_F(Cli, ReportWritesThePrintoutAsPdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
    {
        QFile f(path("pages.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pagesImage());
    }
    CtlRun r = ctl({"report", path("pages.ql5"), "--pdf", path("r.pdf")});
    ASSERT_EQ(r.exit, 0) << qPrintable(r.err);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path("r.pdf")});
    info.waitForFinished();
    EXPECT_TRUE(
        QString::fromLatin1(info.readAllStandardOutput())
            .contains(QRegularExpression(QStringLiteral("Page size: +595 x 842 pts \\(A4\\)"))));
    const QString text = pdfText(path("r.pdf"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quel5 - konfigurace pages.ql5 - ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Typ 0: 1\n\nTyp 2: 4\n"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Virtuální relé\nR1: V1 & T2\n")));
    // The printout alone; the record is a report of its own.
    EXPECT_FALSE(text.contains(QStringLiteral("Záznam o nastavení"))) << qPrintable(text);
    ASSERT_EQ(ctl({"report", path("pages.ql5"), "--pdf", path("z.pdf"), "--record"}).exit, 0);
    const QString record = pdfText(path("z.pdf"));
    EXPECT_TRUE(record.contains(QStringLiteral("Záznam o nastavení jednotky")));
    EXPECT_TRUE(record.contains(QStringLiteral("T3 / PB (Mod 1): 13.0")));
    EXPECT_FALSE(record.contains(QStringLiteral("Typ 2: 4")));
    EXPECT_FALSE(text.contains(QStringLiteral("Typ 1:")) ||
                 text.contains(QStringLiteral("Typ 16")));
    // The rows' labels 17 mm apart (two bands), 2.1 mm below the band's top at 34.1 mm.
    const QString boxes = pdfText(path("r.pdf"), {QStringLiteral("-bbox")});
    QList<double> tops;
    const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>Typ<"));
    for (auto it = word.globalMatch(boxes); it.hasNext();)
        tops << it.next().captured(1).toDouble() / 72.0 * 25.4;
    ASSERT_EQ(tops.size(), 2);
    EXPECT_NEAR(tops[1] - tops[0], 17.0, 0.2);
    EXPECT_NEAR(tops[0], 10.0 + 24.1 + 2.1, 1.0);

    // The same file twice gives the same text.
    ASSERT_EQ(ctl({"report", path("pages.ql5"), "--pdf", path("r2.pdf")}).exit, 0);
    EXPECT_EQ(pdfText(path("r2.pdf")), text);

    r = ctl({"report", path("missing.ql5"), "--pdf", path("m.pdf")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_FALSE(QFile::exists(path("m.pdf")));
    EXPECT_EQ(ctl({"report", path("pages.ql5")}).exit, 2);
}

// clock get prints ISO 8601; clock set logs in, sets and logs out; a clock without a time
// and a year the clock cannot hold fail with a message.
// A password need not stand on the command line: standard input or QUEL5_PASSWORD give
// it; one that does is wiped from the process's arguments at once, and none reaches the
// messages.
TEST_F(Cli, PasswordsComeFromInputOrEnvironmentAndLeaveNoTrace) {
    SimProcess sim({"--admin-password", "Tajne-42", "--latency-ms", "300"});
    const QStringList set = {"--host", "127.0.0.1",           "--port", sim.port, "clock",
                             "set",    "2031-12-31T23:59:58", "--user", "admin"};
    QProcess p;
    p.start(QStringLiteral(QUEL5CTL_PATH), set + QStringList{"--password", "Tajne-42"});
    ASSERT_TRUE(p.waitForStarted());
    QThread::msleep(200);
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(p.processId()));
    ASSERT_TRUE(cmdline.open(QIODevice::ReadOnly));
    EXPECT_FALSE(cmdline.readAll().contains("Tajne-42"));
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(p.readAllStandardError().contains("Tajne-42"));

    QProcess fromInput;
    fromInput.start(QStringLiteral(QUEL5CTL_PATH), set + QStringList{"--password-stdin"});
    fromInput.write("Tajne-42\n");
    fromInput.closeWriteChannel();
    fromInput.waitForFinished(30000);
    EXPECT_EQ(fromInput.exitCode(), 0) << fromInput.readAllStandardError().constData();

    QProcess fromEnvironment;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUEL5_PASSWORD"), QStringLiteral("Tajne-42"));
    fromEnvironment.setProcessEnvironment(environment);
    fromEnvironment.start(QStringLiteral(QUEL5CTL_PATH), set);
    fromEnvironment.waitForFinished(30000);
    EXPECT_EQ(fromEnvironment.exitCode(), 0);
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
    CtlRun r = ctlServed({"--host", "127.0.0.1", "--port", port, "energy-preset", "12.5",
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
    r = ctlServed({"--host", "127.0.0.1", "--port", port, "energy-preset", "70000",
                   "--pulses-per-kwh", "65535", "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nevejde do 32 bitů"))) << qPrintable(r.err);
    EXPECT_TRUE(sim.requests().isEmpty());
    // A unit that refuses the preset is reported, not taken for one that set it.
    SimOptions refuseXe;
    refuseXe.refuseCommand = "Xe";
    SimServer refusing(refuseXe, {});
    ASSERT_TRUE(refusing.listen(QHostAddress::LocalHost, 0));
    r = ctlServed({"--host", "127.0.0.1", "--port", QString::number(refusing.port()),
                   "energy-preset", "2.3", "--pulses-per-kwh", "100", "--user", "admin",
                   "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("odmítla (stav 3)"))) << qPrintable(r.err);
    EXPECT_FALSE(r.err.contains(QStringLiteral("nastaven na"))) << qPrintable(r.err);
    EXPECT_EQ(ctl({"--host", "127.0.0.1", "energy-preset", "1.25", "--pulses-per-kwh", "5",
                   "--user", "a", "--password", "b"})
                  .exit,
              2);
}

void writeStations(const QString& path, const QList<QByteArray>& records) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3, '\0'));
    for (const QByteArray& r : records)
        f.write(r);
}

TEST_F(Cli, DiscoverListsTheUnitsThatAnswer) {
    SimServer sim({}, {});
    ASSERT_TRUE(sim.listenDiscovery(QHostAddress::LocalHost, 0));
    const CtlRun r = ctlServed({"discover", "--target", "127.0.0.1", "--discovery-port",
                                QString::number(sim.discoveryPort()), "--wait-ms", "300"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("127.0.0.1   QUEL5SIM  Quel5 simulator  127.0.0.1  "
                                    "00-1E-C0-12-34-56  \n"));
}

TEST_F(Cli, StationsPrintsTheVisibleRowsSortedAndFiltered) {
    writeStations(path("st.dat"), {stationRecord("Alpha", "10.0.0.1", 9760, 5),
                                   stationRecord("Beta", "10.0.0.2", 80, 3),
                                   stationRecord("Gama", "10.0.0.3", 100, 5)});
    QDir().mkpath(path("notes"));
    QFile(path("notes/Gama.pzn")).open(QIODevice::WriteOnly);
    CtlRun r = ctl({"stations", path("st.dat"), "--notes", path("notes"), "--sort", "Port:desc",
                    "--filter", "Typ=5", "--filter", "Jméno=!B*"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("1\tAlpha\t\t10.0.0.1\t9760\t5\t0\t0\n"
                                    "3\tGama\t\t10.0.0.3\t100\t5\t0\t1\n"));
    EXPECT_EQ(ctl({"stations", path("st.dat"), "--sort", "Pozn."}).exit, 2);
    EXPECT_EQ(ctl({"stations", path("none.dat")}).exit, 1);
}

// Whatever bytes a name holds, each station is one row of eight cells and each value is
// printed whole.
TEST_F(Cli, StationsPrintsOneRowPerStationWithControlCharactersVisible) {
    writeStations(path("st.dat"),
                  {stationRecord(QByteArray("Ni\0ce", 5), "10.0.0.1", 1),
                   stationRecord("Tab\tLf\nCr\rEsc\x1b", "10.0.0.2", 2, 0, "po\npis"),
                   stationRecord("Plain", "10.0.0.3", 3)});
    const CtlRun r = ctl({"stations", path("st.dat")});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("1\tNi\\x00ce\t\t10.0.0.1\t1\t0\t0\t0\n"
                                    "2\tTab\\tLf\\nCr\\rEsc\\x1b\tpo\\npis\t10.0.0.2\t2\t0\t0\t0\n"
                                    "3\tPlain\t\t10.0.0.3\t3\t0\t0\t0\n"));

    // A list longer than the format holds says what was left out.
    QFile f(path("long.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(3, '\0') + QByteArray(91 * 65537, 'x'));
    f.close();
    const CtlRun longer = ctl({"stations", path("long.dat"), "--filter", "Jméno=nothing"});
    EXPECT_EQ(longer.exit, 0);
    EXPECT_TRUE(longer.err.contains(QStringLiteral("zbylých 2 nebylo načteno")))
        << qPrintable(longer.err);
}

TEST_F(Cli, BackupNeverWritesThroughALinkInTheFolder) {
    SimProcess sim;
    writeStations(path("st.dat"), {stationRecord("Alpha", "127.0.0.1", sim.port.toUShort(), 0),
                                   stationRecord("Beta", "127.0.0.1", sim.port.toUShort(), 0)});
    QDir().mkpath(path("backup"));
    QFile outside(path("outside.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write("keep");
    outside.close();
    ASSERT_TRUE(QFile::link(path("outside.txt"), path("backup/Alpha.ql5")));
    const CtlRun r = ctl({"backup-stations", path("st.dat"), path("backup")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("CHYBA\tAlpha\t"))) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("OK\tBeta\t"))) << qPrintable(r.out);
    EXPECT_EQ(readFile(path("outside.txt")), QByteArray("keep"));
}

// write-stations: the chosen pages of one file to every station, each verified; the other
// pages of each unit stay as they were; the network page is refused before anything starts.
TEST_F(Cli, WriteStationsPushesThePagesToEveryStation) {
    SimProcess first;
    SimProcess second;
    SimProcess third({"--admin-password", "other"});
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", first.port, "read", path("a.ql5")}).exit, 0);
    ASSERT_EQ(ctl({"export", path("a.ql5"), path("a.json")}).exit, 0);
    QByteArray doc = readFile(path("a.json"));
    doc.replace("-expression\": \"\"", "-expression\": \"V1 & T2\"");
    // Every negation of the inputs (inn0..4) and outputs (outn00..09).
    doc = QString::fromUtf8(doc)
              .replace(QRegularExpression(QStringLiteral("\"(inn\\d|outn\\d\\d)\": false")),
                       QStringLiteral("\"\\1\": true"))
              .toUtf8();
    {
        QFile f(path("b.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(doc);
    }
    ASSERT_EQ(ctl({"import", path("b.json"), path("push.ql5")}).exit, 0);
    writeStations(path("st.dat"), {stationRecord("One", "127.0.0.1", first.port.toUShort(), 0),
                                   stationRecord("Two", "127.0.0.1", second.port.toUShort(), 0),
                                   stationRecord("Three", "127.0.0.1", third.port.toUShort(), 0),
                                   stationRecord("Dead", "127.0.0.1", closedPort(), 0),
                                   stationRecord("Named", "localhost", first.port.toUShort(), 0)});
    const QStringList push = {"write-stations", path("st.dat"), path("push.ql5"), "--user",
                              "admin",          "--password",   "admin"};
    const CtlRun r = ctl(push + QStringList{"--pages", "relays", "--jobs", "3"});
    EXPECT_EQ(r.exit, 1) << qPrintable(r.err);
    QStringList ok, failed;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        (line.startsWith(QLatin1String("OK\t")) ? ok : failed) << line.section('\t', 1, 1);
    ok.sort();
    failed.sort();
    EXPECT_EQ(ok, (QStringList{"One", "Two"}));
    EXPECT_EQ(failed, (QStringList{"Dead", "Named", "Three"}));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Vše zapsáno a ověřeno čtením zpět")));
    for (const QString& port : {first.port, second.port}) {
        ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", port, "read", path("u.ql5")}).exit, 0);
        // The relays went; the negations of the inputs and outputs did not.
        const CtlRun d = ctl({"diff", path("push.ql5"), path("u.ql5")});
        EXPECT_EQ(d.out.count(QStringLiteral("Negace: ano → ne")), 15) << qPrintable(d.out);
        EXPECT_EQ(d.out.count(QLatin1Char('\n')), 15) << qPrintable(d.out);
        EXPECT_FALSE(d.out.contains(QStringLiteral("Virtuální relé"))) << qPrintable(d.out);
    }
    // The network page never goes, and nobody is contacted to find that out.
    EXPECT_EQ(ctl(push + QStringList{"--pages", "relays,network"}).exit, 2);
    EXPECT_EQ(ctl(push + QStringList{"--all"}).exit, 2);
    EXPECT_EQ(ctl({"write-stations", path("none.dat"), path("push.ql5"), "--pages", "network",
                   "--user", "admin"})
                  .exit,
              2);
}

// What the command line says is what happened: a short state is no zeros, a character the
// unit cannot keep or a field given twice is refused, a password is never repeated, and a
// station list without stations or with one unit twice says so.
TEST_F(Cli, ReportsOnlyWhatHappened) {
    SimProcess shortState({"--state", "050102"});
    CtlRun r = ctl({"--host", "127.0.0.1", "--port", shortState.port, "status", "--json"});
    EXPECT_EQ(r.exit, 1);
    const QJsonObject state = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(state.value(QStringLiteral("Stav")).toInt(), 2);
    EXPECT_FALSE(state.contains(QStringLiteral("Outputs")));
    EXPECT_FALSE(state.contains(QStringLiteral("PWM")));

    SimProcess sim;
    ASSERT_EQ(ctl({"--host", "127.0.0.1", "--port", sim.port, "read", path("a.ql5")}).exit, 0);
    ASSERT_EQ(ctl({"export", path("a.ql5"), path("a.json")}).exit, 0);
    const QByteArray doc = readFile(path("a.json"));
    ASSERT_TRUE(doc.contains("\"Simulátor\""));
    const std::pair<QByteArray, const char*> refused[] = {
        {QByteArray(doc).replace("\"Simulátor\"", "\"a😀b\""), "U+1F600"},
        {QByteArray(doc).replace("\"Simulátor\"", "\"a\\ud800b\""), "U+FFFD"},
        {QByteArray(doc).replace("\"LMDpopis\": \"Simulátor\"",
                                 "\"LMDpopis\": \"Jiný\", \"LMDpopis\": \"Simulátor\""),
         "dvakrát"}};
    for (const auto& [text, why] : refused) {
        QFile f(path("b.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        r = ctl({"import", path("b.json"), path("b.ql5")});
        EXPECT_EQ(r.exit, 1) << why;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(why))) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(path("b.ql5")));
    }
    // The bytes Windows-1250 leaves unmapped still travel as U+0081 and the like.
    {
        QFile f(path("c.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(doc).replace("\"Simulátor\"", "\"a\\u0081b\""));
    }
    ASSERT_EQ(ctl({"import", path("c.json"), path("c.ql5")}).exit, 0);
    EXPECT_EQ(readFile(path("c.ql5")).mid(107, 4), QByteArray("a\x81"
                                                              "b\0",
                                                              4));

    r = ctl({"--host", "127.0.0.1", "--port", sim.port, "clock", "set", "2030-01-01T00:00:00",
             "--user", "admin", "--password=Tajne-42"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_FALSE(r.err.contains(QStringLiteral("Tajne-42"))) << qPrintable(r.err);

    const QStringList push = {"write-stations", path("st.dat"), path("a.ql5"), "--pages", "relays",
                              "--user",         "admin",        "--password",  "admin"};
    writeStations(path("st.dat"), {});
    r = ctl(push);
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("žádnou stanici"))) << qPrintable(r.err);
    writeStations(path("st.dat"), {stationRecord("One", "127.0.0.1", sim.port.toUShort(), 0),
                                   stationRecord("Again", "127.0.0.1", sim.port.toUShort(), 0)});
    r = ctl(push);
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("OK\tOne\t"))) << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains(QStringLiteral("CHYBA\tAgain\t127.0.0.1:%1\tJednotka je v seznamu "
                                              "znovu")
                                   .arg(sim.port)))
        << qPrintable(r.out);
}

TEST_F(Cli, BackupStationsReadsEveryStationSideBySide) {
    SimProcess first({"--latency-ms", "20"});
    SimProcess second({"--latency-ms", "20"});
    writeStations(path("st.dat"), {stationRecord("Alpha", "127.0.0.1", first.port.toUShort(), 0),
                                   stationRecord("Alpha", "127.0.0.1", second.port.toUShort(), 0),
                                   stationRecord("a/b:c", "127.0.0.1", first.port.toUShort(), 0),
                                   stationRecord("Dead", "127.0.0.1", closedPort(), 0),
                                   stationRecord("Named", "localhost", first.port.toUShort(), 0)});
    const CtlRun r = ctl({"backup-stations", path("st.dat"), path("backup"), "--jobs", "4"});
    EXPECT_EQ(r.exit, 1) << qPrintable(r.err);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 5);
    QStringList ok, failed;
    for (const QString& line : lines)
        (line.startsWith(QLatin1String("OK\t")) ? ok : failed) << line.section('\t', 1, 1);
    ok.sort();
    failed.sort();
    EXPECT_EQ(ok, (QStringList{"Alpha", "Alpha", "a/b:c"}));
    EXPECT_EQ(failed, (QStringList{"Dead", "Named"}));
    QDir backup(path("backup"));
    QStringList files = backup.entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Alpha (2).ql5", "Alpha.ql5", "a_b_c.ql5"}));
    QByteArray expected = SimUnit::defaultImage();
    expected.replace(0, 56, QByteArray(56, '\0'));
    expected.replace(7956, 44, QByteArray(44, '\0'));
    EXPECT_EQ(readFile(backup.filePath(QStringLiteral("Alpha.ql5"))), expected);
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

namespace {

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

} // namespace

namespace {

// diff: one line per field that differs; 0 equal, 1 different, 2 trouble.
TEST_F(Cli, DiffComparesFilesAndTheUnit) {
    SimProcess sim;
    const QStringList unit = {"--host", "127.0.0.1", "--port", sim.port};
    ASSERT_EQ(ctl(unit + QStringList{"read", path("a.ql5")}).exit, 0);
    EXPECT_EQ(ctl(unit + QStringList{"diff", path("a.ql5"), "--unit"}).exit, 0);
    QByteArray changed = readFile(path("a.ql5"));
    changed[372] = 0x02; // X14 negated
    {
        QFile f(path("b.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(changed);
    }
    CtlRun r = ctl({"diff", path("a.ql5"), path("b.ql5")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, QStringLiteral("Výstupy / X14 / Negace: ne → ano\n"));
    EXPECT_EQ(ctl(unit + QStringList{"diff", path("b.ql5"), "--unit"}).exit, 1);
    EXPECT_EQ(ctl({"diff", path("a.ql5"), path("none.ql5")}).exit, 2);
    EXPECT_EQ(ctl({"diff", path("a.ql5")}).exit, 2);

    // export / import: a text edit of the document is the one difference; a document the
    // pages refuse names the field and writes nothing.
    ASSERT_EQ(ctl({"export", path("a.ql5"), path("a.json")}).exit, 0);
    QByteArray doc = readFile(path("a.json"));
    ASSERT_GT(doc.indexOf("\"outn01\": false"), 0); // X14
    doc.replace("\"outn01\": false", "\"outn01\": true");
    {
        QFile f(path("b.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(doc);
    }
    ASSERT_EQ(ctl({"import", path("b.json"), path("c.ql5")}).exit, 0);
    EXPECT_EQ(ctl({"diff", path("a.ql5"), path("c.ql5")}).out, r.out);
    doc.replace("\"outn01\": true", "\"outn01\": 1");
    {
        QFile f(path("d.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(doc);
    }
    r = ctl({"import", path("d.json"), path("d.ql5")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Výstupy: Pole „X14 / Negace“")))
        << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(path("d.ql5")));
}

} // namespace

namespace {

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

} // namespace

namespace {

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

namespace {

// A command walked under every fault at chosen requests it sends to a sound unit: exit 1,
// no success said, no file left behind; a command without a log of its own gives exactly
// one message. A logout that fails after the work was done leaves its result standing,
// with a warning unless the unit answered it at all (its reply is not used).
struct CtlWalk {
    const char* name;
    std::function<QStringList(quint16 port)> args;
    QString leavesNoFile; // a file, or a folder that must stay empty
    bool oneMessage;      // its standard error holds the message alone (and progress lines)
    bool endsWithLogout = false;
};

bool nothingLeft(const QString& path) {
    return QFileInfo(path).isDir() ? QDir(path).isEmpty(QDir::Files) : !QFile::exists(path);
}

void walkEveryRequest(const CtlWalk& walk) {
    int requests = 0;
    {
        SimServer sound(SimOptions{}, SimServer::Faults{});
        ASSERT_TRUE(sound.listen(QHostAddress::LocalHost, 0));
        const CtlRun r = ctlServed(walk.args(sound.port()));
        ASSERT_EQ(r.exit, 0) << walk.name << " " << qPrintable(r.err);
        requests = int(sound.requests().size());
        ASSERT_GT(requests, 0) << walk.name;
        if (QFileInfo(walk.leavesNoFile).isDir())
            for (const QFileInfo& f : QDir(walk.leavesNoFile).entryInfoList(QDir::Files))
                QFile::remove(f.filePath());
        else
            QFile::remove(walk.leavesNoFile);
    }
    const QRegularExpression progress(QStringLiteral("^\\d+ - \\d+$"));
    // Each request under every fault is walked in the core; here the chosen ones.
    for (const SimFault& fault : SimFaults)
        for (int k : chosenRequests(requests)) {
            SimServer sim(SimOptions{}, fault.at(k));
            ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
            const CtlRun r = ctlServed(walk.args(sim.port()));
            const std::string where =
                std::string(walk.name) + ", " + fault.name + " at " + std::to_string(k);
            if (walk.endsWithLogout && k == requests - 1) {
                EXPECT_EQ(r.exit, 0) << where << " " << qPrintable(r.err);
                EXPECT_EQ(r.err.contains(QStringLiteral("odhlášení z jednotky se nezdařilo")),
                          std::string(fault.name) != "refusal")
                    << where << " " << qPrintable(r.err);
                continue;
            }
            EXPECT_EQ(r.exit, 1) << where << " " << qPrintable(r.err);
            EXPECT_FALSE(r.out.startsWith(QStringLiteral("OK\t")) ||
                         r.err.contains(QStringLiteral("Vše zapsáno a ověřeno")))
                << where;
            if (walk.oneMessage) {
                QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                lines.removeIf([&](const QString& l) { return progress.match(l).hasMatch(); });
                EXPECT_EQ(lines.size(), 1) << where << " " << qPrintable(r.err);
            }
            EXPECT_TRUE(nothingLeft(walk.leavesNoFile)) << where;
        }
}

// The unit's options, with a short time-out: a late reply only makes a failure earlier.
QStringList at(quint16 port, const QStringList& command) {
    return QStringList{"--host",       "127.0.0.1", "--port", QString::number(port),
                       "--timeout-ms", "100"} +
           command;
}

TEST_F(Cli, ReadTheClockAndTheStatusFailAtEveryRequestUnderEveryFault) {
    const QString out = path("out.ql5");
    const CtlWalk walks[] = {
        {"read",
         [&](quint16 port) {
             return at(port, {"read", out});
         },
         out, true},
        {"clock get",
         [](quint16 port) {
             return at(port, {"clock", "get"});
         },
         out, true},
        {"clock set",
         [](quint16 port) {
             return at(port, {"clock", "set", "2030-01-02T03:04:05", "--user", "admin",
                              "--password", "admin"});
         },
         out, false, true},
        {"status", [](quint16 port) { return at(port, {"status"}); }, out, true},
    };
    for (const CtlWalk& walk : walks)
        walkEveryRequest(walk);
}

TEST_F(Cli, WriteWithItsReadBackFailsAtEveryRequestUnderEveryFault) {
    QFile in(path("in.ql5"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(SimUnit::defaultImage());
    in.close();
    // "Ulož vše" and one page's "Ulož".
    const QStringList admin{"--user", "admin", "--password", "admin"};
    const std::pair<const char*, QStringList> uploads[] = {
        {"write --all", {"--all"}}, {"write --pages outputs", {"--pages", "outputs"}}};
    for (const auto& [name, pages] : uploads) {
        const QStringList write = QStringList{"write", path("in.ql5")} + pages + admin;
        walkEveryRequest(
            {name, [&](quint16 port) { return at(port, write); }, path("none"), false, true});
    }
}

TEST_F(Cli, BackupStationsFailsAtEveryRequestUnderEveryFaultAndWritesNoFile) {
    QDir().mkpath(path("backup"));
    walkEveryRequest({"backup-stations",
                      [&](quint16 port) {
                          writeStations(path("st.dat"), {stationRecord("Unit", "127.0.0.1", port)});
                          return at(port, {"backup-stations", path("st.dat"), path("backup")});
                      },
                      path("backup"), false});
}

} // namespace
