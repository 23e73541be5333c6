// The looks at many units (state and clock) against simulated units on loopback: a sound
// one, one that refuses, one that is not there; and the history of station backups in a
// scratch repository.
#include "TestSupport.h"
#include "base/Errors.h"
#include "image/ConfigFile.h"
#include "monitor/StationFiles.h"
#include "operations/StationChecks.h"
#include "operations/StationHistory.h"
#include "unit/Clock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int TimeoutMs = 300;

Station stationAt(quint16 port, const QString& name = QStringLiteral("Kotelna")) {
    return Station{name, {}, QStringLiteral("127.0.0.1"), port};
}

// A state with a distinct value in every field the overview shows, so that a field read
// from the wrong offset shows up: Typ 7, Mod 3, Stav 9, outputs 0x0205, thermometer 2
// flagged, two temperatures.
QByteArray knownState() {
    QByteArray s(DeviceStatus::FixedSize + 8, '\0');
    s[0] = 7;
    s[1] = 3;
    s[2] = 9;
    s[6] = 0x05;
    s[7] = 0x02;
    s[27] = 0x02;
    s[48] = 2;
    const float t[] = {21.25f, -3.5f};
    std::memcpy(s.data() + 49, t, sizeof t);
    return s;
}

TEST(StationRuns, AStateRunFillsTheCellsFromTheRightFieldsAndFailsOnRefusalOrSilence) {
    SimOptions options;
    options.state = knownState();
    options.clock = QByteArray::fromHex("80000012010130"); // 2030-01-01 12:00:00, valid
    SimServer sound(options, {});
    ASSERT_TRUE(sound.listen(QHostAddress::LocalHost, 0));
    const stations::StationResult ok = stations::readState(stationAt(sound.port()), TimeoutMs);
    ASSERT_TRUE(ok.ok) << ok.line.toStdString();
    ASSERT_TRUE(ok.state);
    const auto cells = stateCells(*ok.state);
    EXPECT_EQ(cells[0].text, QStringLiteral("7"));
    EXPECT_EQ(cells[1].text, QStringLiteral("3"));
    EXPECT_EQ(cells[2].text, QStringLiteral("9"));
    EXPECT_EQ(cells[3].text, QStringLiteral("0000001000000101"));
    EXPECT_TRUE(cells[4].text.contains(QStringLiteral("!")));
    EXPECT_TRUE(cells[4].marked);
    EXPECT_TRUE(cells[4].text.startsWith(QLocale().toString(21.25, 'f', 1) + QLatin1Char(' ')));
    // The clock stands years ahead: marked, the offset positive.
    ASSERT_TRUE(ok.state->clockOffsetS);
    EXPECT_GT(*ok.state->clockOffsetS, 3 * 365 * 86400LL);
    EXPECT_TRUE(cells[5].marked);
    EXPECT_TRUE(ok.line.startsWith(
        QStringLiteral("Kotelna\t127.0.0.1:%1\tOK\t7\t3\t9\t").arg(sound.port())));
    ASSERT_EQ(sound.requests().size(), 2);
    EXPECT_EQ(sound.requests()[0].frame.left(3), QByteArray("#GS"));
    EXPECT_EQ(sound.requests()[1].frame.left(3), QByteArray("#XI"));
    const QJsonObject json = stateJson(*ok.state);
    EXPECT_EQ(json.value(QStringLiteral("Typ")).toInt(), 7);
    EXPECT_EQ(json.value(QStringLiteral("Outputs")).toInt(), 0x0205);

    // A clock that holds no time is no failure: "—".
    SimOptions garbled = options;
    garbled.clock = QByteArray::fromHex("FFFFFFFFFFFFFF");
    SimServer noTime(garbled, {});
    ASSERT_TRUE(noTime.listen(QHostAddress::LocalHost, 0));
    const stations::StationResult dash = stations::readState(stationAt(noTime.port()), TimeoutMs);
    ASSERT_TRUE(dash.ok);
    EXPECT_FALSE(dash.state->clockOffsetS);
    EXPECT_EQ(stateCells(*dash.state)[5].text, QStringLiteral("—"));
    EXPECT_FALSE(stateCells(*dash.state)[5].marked);

    // A refusal of either request, a short state and a dead port are the station's
    // failures, never zeros.
    const auto refusing = [](const char* command) {
        SimOptions o;
        o.refuseCommand = command;
        return o;
    };
    SimOptions shortState;
    shortState.state = knownState().left(20);
    for (const SimOptions& o : {refusing("GS"), refusing("XI"), shortState}) {
        SimServer bad(o, {});
        ASSERT_TRUE(bad.listen(QHostAddress::LocalHost, 0));
        const stations::StationResult r = stations::readState(stationAt(bad.port()), TimeoutMs);
        EXPECT_FALSE(r.ok) << r.line.toStdString();
        EXPECT_FALSE(r.state);
        EXPECT_TRUE(
            r.line.startsWith(QStringLiteral("Kotelna\t127.0.0.1:%1\tCHYBA\t").arg(bad.port())));
        EXPECT_FALSE(r.why().isEmpty());
    }
    const stations::StationResult dead = stations::readState(stationAt(closedPort()), TimeoutMs);
    EXPECT_FALSE(dead.ok);
    EXPECT_FALSE(dead.why().isEmpty());
}

TEST(StationRuns, AClockRunSetsReadsBackAndFailsWhenTheUnitKeepsItsTime) {
    const QDateTime time(QDate(2031, 5, 6), QTime(7, 8, 9), Qt::UTC);
    SimServer sound({}, {});
    ASSERT_TRUE(sound.listen(QHostAddress::LocalHost, 0));
    const stations::StationResult ok =
        stations::setClock(stationAt(sound.port()), stations::ClockTime::fixed(time),
                           QStringLiteral("admin"), QStringLiteral("admin"), TimeoutMs);
    ASSERT_TRUE(ok.ok) << ok.line.toStdString();
    EXPECT_TRUE(ok.line.endsWith(QStringLiteral("2031-05-06T07:08:09, odchylka 0 s")));
    QStringList commands;
    for (const auto& request : sound.requests())
        commands << QString::fromLatin1(request.frame.mid(1, 2));
    EXPECT_EQ(commands, QStringList({QStringLiteral("IA"), QStringLiteral("Xi"),
                                     QStringLiteral("XI"), QStringLiteral("IA")}));
    // The registers on the wire: device, register 0, seven BCD bytes (Tuesday is 3, with
    // bit 3 set).
    EXPECT_EQ(sound.requests()[1].frame.mid(6),
              QByteArray::fromHex("DE0007") + QByteArray::fromHex("8908070B060531"));

    SimOptions frozen;
    frozen.frozenClock = true;
    SimOptions refusing;
    refusing.refuseCommand = "Xi";
    for (const SimOptions& o : {frozen, refusing, adminPassword(QStringLiteral("jine"))}) {
        SimServer bad(o, {});
        ASSERT_TRUE(bad.listen(QHostAddress::LocalHost, 0));
        const stations::StationResult r =
            stations::setClock(stationAt(bad.port()), stations::ClockTime::fixed(time),
                               QStringLiteral("admin"), QStringLiteral("admin"), TimeoutMs);
        EXPECT_FALSE(r.ok) << r.line.toStdString();
        EXPECT_TRUE(r.line.startsWith(QStringLiteral("CHYBA\tKotelna\t")));
    }
    const stations::StationResult dead =
        stations::setClock(stationAt(closedPort()), stations::ClockTime::workstation(),
                           QStringLiteral("admin"), QStringLiteral("admin"), TimeoutMs);
    EXPECT_FALSE(dead.ok);
}

// The workstation's time is taken once and runs on with the run.
TEST(StationRuns, TheWorkstationsTimeRunsOnThroughTheRun) {
    const stations::ClockTime time = stations::ClockTime::workstation();
    const QDateTime first = time.now();
    QThread::msleep(1100);
    EXPECT_GE(first.secsTo(time.now()), 1);
    const QDateTime fixed(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC);
    EXPECT_EQ(stations::ClockTime::fixed(fixed).now(), fixed);
}

// Backs up the units into the history folder as a run of backup-stations does and commits.
std::vector<history::StationChange> backUpRun(const QString& folder,
                                              const std::vector<Station>& list) {
    history::Repository repository(folder, true);
    QStringList done;
    const QStringList names = stations::uniqueFileNames(list);
    for (size_t i = 0; i < list.size(); ++i)
        if (stations::backUp(list[i], history::Repository::backupFile(folder, names[int(i)]),
                             TimeoutMs, true)
                .ok)
            done << names[int(i)];
    return repository.commit(done, QDateTime::currentDateTime());
}

QString git(const QString& folder, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("git"), QStringList{QStringLiteral("-C"), folder} + args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

TEST(StationHistory, RunsCommitWhatChangedAndNothingElse) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("historie"));
    SimServer a({}, {}), b({}, {});
    ASSERT_TRUE(a.listen(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(b.listen(QHostAddress::LocalHost, 0));
    const std::vector<Station> list = {stationAt(a.port(), QStringLiteral("Kotelna")),
                                       stationAt(b.port(), QStringLiteral("Sklad"))};

    // The first run: both new.
    auto changes = backUpRun(folder, list);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].fields, QStringList{QStringLiteral("nová záloha")});
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("Sklad.json"))));

    // A change of one output's negation on one unit: one commit naming that field.
    const int at = 5160; // the first record of the outputs
    b.unit().memory()[at] = char(b.unit().memory()[at] ^ 0x01);
    changes = backUpRun(folder, list);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].name, QStringLiteral("Sklad"));
    ASSERT_FALSE(changes[0].fields.isEmpty());
    EXPECT_TRUE(changes[0].fields[0].startsWith(QStringLiteral("Výstupy / ")))
        << changes[0].fields[0].toStdString();

    // Nothing changed: no commit. A station that fails keeps its last good files.
    const history::Repository repository(folder);
    ASSERT_EQ(repository.runs().size(), 2u);
    EXPECT_TRUE(backUpRun(folder, list).empty());
    const QByteArray before = [&] {
        QFile f(QDir(folder).filePath(QStringLiteral("Kotelna.json")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    changes = backUpRun(folder, {stationAt(closedPort(), QStringLiteral("Kotelna")), list[1]});
    EXPECT_TRUE(changes.empty());
    QFile kept(QDir(folder).filePath(QStringLiteral("Kotelna.json")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);

    // A run whose objects cannot be stored (every new object's folder taken by a file, as
    // a full disk would refuse them) fails and leaves the history as it was.
    b.unit().memory()[5160] = char(b.unit().memory()[5160] ^ 0x02);
    const QDir objects(QDir(folder).filePath(QStringLiteral(".git/objects")));
    QStringList blocked;
    for (int i = 0; i < 256; ++i) {
        const QString prefix = QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0'));
        if (!objects.exists(prefix)) {
            QFile block(objects.filePath(prefix));
            ASSERT_TRUE(block.open(QIODevice::WriteOnly));
            blocked << block.fileName();
        }
    }
    EXPECT_THROW(backUpRun(folder, {list[1]}), OperationError);
    for (const QString& file : blocked)
        QFile::remove(file);
    const std::vector<history::Run> runs = repository.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].stations.size(), 1u); // newest first
    EXPECT_EQ(repository.runs(QStringLiteral("Kotelna")).size(), 1u);
    const auto last = repository.lastChanges();
    EXPECT_EQ(last.at(QStringLiteral("Sklad")).second, runs[0].stations[0].fields);
    EXPECT_EQ(last.at(QStringLiteral("Kotelna")).second,
              QStringList{QStringLiteral("nová záloha")});

    // The ordinary git program reads it: two commits, the working tree clean, the JSON
    // diff readable.
    if (QStandardPaths::findExecutable(QStringLiteral("git")).isEmpty())
        GTEST_SKIP() << "git is not installed";
    EXPECT_EQ(
        git(folder, {QStringLiteral("rev-list"), QStringLiteral("--count"), QStringLiteral("HEAD")})
            .trimmed(),
        QStringLiteral("2"));
    // The next run stores what the failed one could not.
    EXPECT_EQ(backUpRun(folder, {list[1]}).size(), 1u);
    EXPECT_EQ(git(folder, {QStringLiteral("status"), QStringLiteral("--porcelain")}).trimmed(),
              QString());
    EXPECT_TRUE(git(folder, {QStringLiteral("log"), QStringLiteral("-p"), QStringLiteral("-1")})
                    .contains(QStringLiteral("Sklad.json")));
    const QString fsck = git(folder, {QStringLiteral("fsck"), QStringLiteral("--full")});
    EXPECT_FALSE(fsck.contains(QStringLiteral("error")) || fsck.contains(QStringLiteral("missing")))
        << fsck.toStdString();
}

// A folder inside another repository is a history of its own, never a commit to that one.
TEST(StationHistory, AFolderInsideAnotherRepositoryGetsItsOwn) {
    QTemporaryDir dir;
    { history::Repository outer(dir.path(), true); }
    const QString inner = dir.filePath(QStringLiteral("zalohy"));
    EXPECT_THROW(history::Repository{inner}, OperationError);
    history::Repository own(inner, true);
    EXPECT_TRUE(QDir(inner).exists(QStringLiteral(".git")));
}

} // namespace
