// quel5ctl on station lists: discover, stations, backup-stations and write-stations.
#include "CliSupport.h"

#include "SimServer.h"
#include "SimUnit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST_F(Cli, DiscoverListsTheUnitsThatAnswer) {
    SimServer sim({}, {});
    ASSERT_TRUE(sim.listenDiscovery(QHostAddress::LocalHost, 0));
    const CtlRun r = ctl({"discover", "--target", "127.0.0.1", "--discovery-port",
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

} // namespace

namespace {

// The state and the clock of a list of a sound unit, one that keeps its clock through a
// write and a dead port, and a history of their backups over three runs.
TEST_F(Cli, StationRunsLookAtTheUnitsSetTheirClocksAndKeepAHistory) {
    SimProcess sound;
    SimProcess frozen({"--frozen-clock"});
    const quint16 dead = closedPort();
    writeStations(path("st.dat"), {stationRecord("Kotelna", "127.0.0.1", sound.port.toUShort()),
                                   stationRecord("Sklad", "127.0.0.1", frozen.port.toUShort()),
                                   stationRecord("Mrtva", "127.0.0.1", dead)});
    CtlRun r = ctl({"status-stations", path("st.dat"), "--jobs", "2"});
    EXPECT_EQ(r.exit, 1);
    QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << qPrintable(r.out);
    EXPECT_TRUE(lines[0].startsWith("Kotelna\t127.0.0.1:" + sound.port + "\tOK\t"));
    EXPECT_EQ(lines[0].count(QLatin1Char('\t')), 8);
    EXPECT_TRUE(lines[1].startsWith("Sklad\t127.0.0.1:" + frozen.port + "\tOK\t"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Mrtva\t127.0.0.1:%1\tCHYBA\t").arg(dead)));
    // Qt's own message in the tool's language, as the window says it.
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("\tSpojení bylo odmítnuto")))
        << qPrintable(lines[2]);

    r = ctl({"status-stations", path("st.dat"), "--json"});
    EXPECT_EQ(r.exit, 1);
    const QJsonArray array = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(array.size(), 3);
    const QJsonObject first = array[0].toObject();
    EXPECT_EQ(first["name"].toString(), "Kotelna");
    EXPECT_EQ(first["address"].toString(), "127.0.0.1");
    EXPECT_TRUE(first["ok"].toBool());
    EXPECT_EQ(first["Typ"].toInt(), 5);
    EXPECT_TRUE(first["clock_offset_s"].isDouble());
    const QJsonObject last = array[2].toObject();
    EXPECT_FALSE(last["ok"].toBool());
    EXPECT_FALSE(last["error"].toString().isEmpty());
    EXPECT_FALSE(last.contains("Typ"));

    r = ctl({"clock-stations", path("st.dat"), "set", "2031-05-06T07:08:09", "--user", "admin",
             "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.contains("OK\tKotelna\t127.0.0.1:" + sound.port +
                               "\t2031-05-06T07:08:09, odchylka 0 s"))
        << qPrintable(r.out);
    EXPECT_TRUE(r.out.contains("CHYBA\tSklad\t"));
    EXPECT_TRUE(r.out.contains("CHYBA\tMrtva\t"));
    // One unit's clock set is read back the same way.
    r = ctl({"--host", "127.0.0.1", "--port", frozen.port, "clock", "set", "2031-05-06T07:08:09",
             "--user", "admin", "--password", "admin"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_FALSE(r.out.contains("nastaveny"));

    // The first run keeps the two that answer; a unit changed between runs is the one
    // change of the second; a third finds nothing new.
    r = ctl({"backup-stations", path("st.dat"), path("hist"), "--history"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.out.endsWith("Historie: změněno 2 (Kotelna, Sklad)\n") ||
                r.out.endsWith("Historie: změněno 2 (Sklad, Kotelna)\n"))
        << qPrintable(r.out);
    QByteArray image = readFile(path("hist/Kotelna.ql5"));
    image[5160] = char(image[5160] ^ 1);
    QFile changed(path("changed.ql5"));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write(image);
    changed.close();
    SimProcess other({"--image", path("changed.ql5")});
    writeStations(path("st2.dat"), {stationRecord("Kotelna", "127.0.0.1", other.port.toUShort()),
                                    stationRecord("Sklad", "127.0.0.1", frozen.port.toUShort())});
    r = ctl({"backup-stations", path("st2.dat"), path("hist"), "--history"});
    EXPECT_EQ(r.exit, 0) << qPrintable(r.out);
    EXPECT_TRUE(r.out.endsWith("Historie: změněno 1 (Kotelna)\n")) << qPrintable(r.out);
    r = ctl({"backup-stations", path("st2.dat"), path("hist"), "--history"});
    EXPECT_TRUE(r.out.endsWith("Historie: beze změny\n")) << qPrintable(r.out);

    r = ctl({"history", path("hist")});
    EXPECT_EQ(r.exit, 0);
    lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << qPrintable(r.out);
    EXPECT_TRUE(lines[0].endsWith("\tKotelna"));
    r = ctl({"history", path("hist"), "Kotelna"});
    lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << qPrintable(r.out);
    EXPECT_TRUE(lines[1].startsWith("  Výstupy / ")) << qPrintable(lines[1]);
    EXPECT_EQ(lines[3], "  nová záloha");
    EXPECT_EQ(ctl({"history", path("st.dat")}).exit, 1);
}

} // namespace
