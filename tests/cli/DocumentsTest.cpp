// quel5ctl on files alone: normalize, relay, show, report, diff, export and import.
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

// Under an English locale the reader's words are English and nothing a program reads moves:
// the same lines in the same order, the same JSON, the same document.
TEST_F(Cli, AnEnglishLocaleWordsShowInEnglishAndLeavesMachineOutputAlone) {
    {
        QFile f(path("pages.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pagesImage());
    }
    CtlOptions english;
    english.locale = QStringLiteral("en_US.UTF-8");
    const CtlRun cs = ctl({"show", path("pages.ql5")});
    const CtlRun en = ctl({"show", path("pages.ql5")}, english);
    ASSERT_EQ(en.exit, 0) << qPrintable(en.err);
    const QStringList csLines = cs.out.split(QLatin1Char('\n'));
    const QStringList enLines = en.out.split(QLatin1Char('\n'));
    EXPECT_EQ(enLines.size(), csLines.size());
    // The words before each value: no Czech letter and no Czech caption left.
    const QRegularExpression czech(QStringLiteral(
        "[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]|\\b(Popis|Typ|Druh|Negace|Dny|Hodiny|Profil|Teplota\\d|"
        "Kombinace|Vstupy|Režim|Termostaty|Mod)\\b"));
    for (const QString& line : enLines)
        EXPECT_FALSE(line.section(QStringLiteral(": "), 0, 0).contains(czech)) << qPrintable(line);
    for (const char* line : {"[Inputs]\nX8 / Used: yes\nX8 / Inverted: yes\n",
                             "[Thermostats]\nT1 / Type: 1: on above TH, off below TL\n",
                             "T1 / TH (Mode 0): 22.5\n", "Thermometer2 / Description: Chodba\n",
                             "[Modes]\nProfile 0 / Days: Mon, Tue, Wed, Thu, Fri\n"})
        EXPECT_TRUE(en.out.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(ctl({"--lang", "en", "show", path("pages.ql5")}).out, en.out);

    EXPECT_EQ(ctl({"show", path("pages.ql5"), "--json"}, english).out,
              ctl({"show", path("pages.ql5"), "--json"}).out);
    ASSERT_EQ(ctl({"export", path("pages.ql5"), path("cs.json")}).exit, 0);
    ASSERT_EQ(ctl({"export", path("pages.ql5"), path("en.json")}, english).exit, 0);
    EXPECT_EQ(readFile(path("en.json")), readFile(path("cs.json")));
    // The document imports under either language to the same file.
    ASSERT_EQ(ctl({"import", path("en.json"), path("back.ql5")}, english).exit, 0);
    ASSERT_EQ(ctl({"import", path("cs.json"), path("back-cs.ql5")}).exit, 0);
    EXPECT_EQ(readFile(path("back.ql5")), readFile(path("back-cs.ql5")));
    EXPECT_EQ(ctl({"--lang", "de", "show", path("pages.ql5")}).exit, 2);
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

} // namespace
