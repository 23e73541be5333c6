// Every request of a whole read, of "Ulož vše" and of each page's "Ulož" with the network
// guard's reads, the read-back and the check that ends each transfer, of the clock and of
// station backups, pushes, state and clock runs, faulted in turn in
// every way a unit can fail: dropped, stalled, answered with another command, with an
// oversized reply, refused. Each ends in one clear failure within the time-out, never a
// success; a read keeps the blocks that came before the fault and scatters nothing.
#include "TestSupport.h"
#include "base/Errors.h"
#include "operations/StationBackup.h"
#include "operations/StationChecks.h"
#include "unit/Clock.h"
#include "workspace/Workspace.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr int TimeoutMs = 150;
// Walks that assert nothing a late reply could change wait less.
constexpr int QuickTimeoutMs = 60;

// What one faulted operation left: whether it claimed success, its failure texts.
struct Outcome {
    bool succeeded = false;
    QStringList failures;
};

// A short reply is a fault only where a memory read got it; elsewhere the request was
// answered whole.
bool applied(const SimFault& fault, const SimServer& server) {
    return std::string(fault.name) != "short reply" || server.shortened();
}

template <typename Operation> Outcome run(SimRig& rig, Operation operation) {
    Outcome outcome;
    try {
        outcome.succeeded = operation();
    } catch (const OperationError& e) {
        outcome.failures << e.text();
    }
    outcome.failures << rig.feedback.messages;
    return outcome;
}

TEST(FaultWalk, EveryRequestOfAReadFailsClearlyAndKeepsWhatCameBefore) {
    constexpr int Requests = 80; // 79 blocks and the check at the end
    for (const SimFault& fault : LinkFaults)
        for (int k : walkedRequests(fault, Requests)) {
            SimRig rig({}, fault.at(k));
            rig.link.setReadTimeoutMs(TimeoutMs);
            Workspace workspace(rig.link);
            ProbePage probe;
            workspace.setPage(PageSlot::Modes, &probe);
            QElapsedTimer clock;
            clock.start();
            const Outcome outcome = run(rig, [&] { return workspace.readAll(); });
            if (!applied(fault, rig.server))
                continue;
            const std::string where = std::string(fault.name) + " at " + std::to_string(k);
            EXPECT_FALSE(outcome.succeeded) << where;
            EXPECT_EQ(outcome.failures.size(), 1)
                << where << " " << outcome.failures.join(" | ").toStdString();
            EXPECT_LT(clock.elapsed(), 5 * TimeoutMs + 2000) << where;
            EXPECT_EQ(probe.scatters, 0) << where;
            EXPECT_FALSE(rig.link.isOpen()) << where;
            // The blocks before the fault are the unit's; none after it was touched.
            const QByteArray& unit = rig.server.unit().memory();
            const ConfigImage& image = workspace.image();
            const int kept = mem::ReadFirst + 100 * k;
            EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()) + 56, kept - 56),
                      unit.mid(56, kept - 56))
                << where;
            const int after = std::min(kept + 100, mem::ImageSize);
            EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()) + after,
                                 mem::ImageSize - after),
                      QByteArray(mem::ImageSize - after, '\0'))
                << where;
        }
}

TEST(FaultWalk, EveryRequestOfAnUploadWithItsReadBackFailsClearly) {
    // "Ulož vše" and each page's "Ulož" of the unit's own configuration with an empty relay
    // program: their records and ranges, then as many reads back.
    std::vector<std::pair<std::string, Selectors>> uploads{{"Ulož vše", Selectors::all()}};
    for (const PageInfo& page : pageRegistry())
        uploads.emplace_back(std::string("Ulož ") + page.cliName, Selectors::only(page.slot));
    for (const auto& [name, selectors] : uploads) {
        SimRig counting;
        Workspace plan(counting.link);
        plan.confirmGuarded = [](const QStringList&) { return true; };
        plan.image().setU16(mem::RelayCodeLength, 0);
        plan.scatterAll();
        ASSERT_TRUE(plan.uploadConfig(selectors).ok());
        const int requests = int(counting.server.requests().size());
        ASSERT_GT(requests, 1) << name;
        // "Ulož vše" meets every request of every page: it is walked whole. A page's own
        // "Ulož" sends the same records and ranges, so its walk faults the chosen requests
        // (its first, middle and last, and the check that ends it).
        const bool whole = name == "Ulož vše";
        for (const SimFault& fault : LinkFaults)
            for (int k : whole ? walkedRequests(fault, requests) : chosenRequests(requests)) {
                SimRig rig({}, fault.at(k));
                rig.link.setReadTimeoutMs(QuickTimeoutMs);
                Workspace workspace(rig.link);
                workspace.confirmGuarded = [](const QStringList&) { return true; };
                workspace.image().setU16(mem::RelayCodeLength, 0);
                workspace.scatterAll();
                UploadReport report;
                const Outcome outcome = run(rig, [&] {
                    report = workspace.uploadConfig(selectors);
                    return report.ok();
                });
                if (!applied(fault, rig.server))
                    continue;
                const std::string where = name + ", " + fault.name + " at " + std::to_string(k);
                EXPECT_FALSE(outcome.succeeded) << where;
                // A refused chunk or read back is in the report (the callers show it),
                // everything else in a message.
                EXPECT_TRUE(!outcome.failures.isEmpty() || !report.refusedAddresses.isEmpty() ||
                            report.verifyIncomplete)
                    << where;
                EXPECT_FALSE(rig.link.isOpen()) << where;
                EXPECT_FALSE(workspace.isBusy()) << where;
                // What was gathered stays the image: a read-back never replaces it.
                EXPECT_TRUE(std::equal(workspace.image().data(),
                                       workspace.image().data() + mem::ImageSize,
                                       plan.image().data()))
                    << where;
            }
    }
}

// The clock's one request and a station backup's 79: a clock under a fault gives no time
// and sets nothing; a backup under a fault fails and writes no file.
TEST(FaultWalk, TheClockAndAStationBackupFailClearlyAndWriteNoFile) {
    QTemporaryDir dir;
    for (const SimFault& fault : LinkFaults) {
        for (const bool writing : {false, true}) {
            SimRig rig({}, fault.at(0));
            rig.link.setReadTimeoutMs(TimeoutMs);
            const Outcome outcome = run(rig, [&] {
                return writing ? unitclock::write(rig.link,
                                                  QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)))
                               : unitclock::read(rig.link).isValid();
            });
            if (!applied(fault, rig.server))
                continue;
            EXPECT_FALSE(outcome.succeeded) << fault.name << (writing ? " set" : " get");
            EXPECT_FALSE(outcome.failures.isEmpty()) << fault.name;
        }
        for (int k : walkedRequests(fault, 80)) {
            SimServer sim({}, fault.at(k));
            ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
            const QString file = dir.filePath(QStringLiteral("unit.ql5"));
            QFile::remove(file); // a fault that did not apply may have left a sound backup
            const Station station{
                QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), sim.port()};
            const stations::StationResult result = stations::backUp(station, file, QuickTimeoutMs);
            if (!applied(fault, sim))
                continue;
            EXPECT_FALSE(result.ok) << fault.name << " at " << k;
            EXPECT_TRUE(result.line.startsWith(QStringLiteral("CHYBA\tUnit\t")));
            EXPECT_FALSE(QFile::exists(file)) << fault.name << " at " << k;
        }
    }
}

// A push to a station under every fault at every request, the login first among them:
// the station's result is a failure, nothing escapes its work. A login that gives only a
// user's rights writes nothing and is logged out again.
TEST(FaultWalk, EveryRequestOfAStationPushFailsAsThatStationsResult) {
    ConfigImage image;
    {
        SimRig rig;
        Workspace source(rig.link);
        ASSERT_TRUE(source.readAll());
        image = source.image();
    }
    const Selectors pages = Selectors::only(PageSlot::Outputs);
    int requests = 0;
    {
        SimServer sound({}, {});
        ASSERT_TRUE(sound.listen(QHostAddress::LocalHost, 0));
        const Station station{
            QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), sound.port()};
        const stations::StationResult result = stations::push(
            station, image, pages, QStringLiteral("admin"), QStringLiteral("admin"), TimeoutMs);
        ASSERT_TRUE(result.ok) << result.line.toStdString();
        requests = int(sound.requests().size());
        EXPECT_EQ(sound.requests().last().frame, QByteArray("#IA\0\x12\0", 6) + QByteArray(18, 0));
    }
    for (const SimFault& fault : LinkFaults)
        for (int k : walkedRequests(fault, requests - 1)) {
            SimServer sim({}, fault.at(k));
            ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
            const Station station{
                QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), sim.port()};
            const stations::StationResult result =
                stations::push(station, image, pages, QStringLiteral("admin"),
                               QStringLiteral("admin"), QuickTimeoutMs);
            if (!applied(fault, sim))
                continue;
            EXPECT_FALSE(result.ok) << fault.name << " at " << k;
            EXPECT_TRUE(result.line.startsWith(QStringLiteral("CHYBA\tUnit\t")))
                << fault.name << " at " << k << " " << result.line.toStdString();
        }

    SimServer sim({}, {});
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    const Station station{QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), sim.port()};
    const stations::StationResult user = stations::push(
        station, image, pages, QStringLiteral("user"), QStringLiteral("user"), TimeoutMs);
    EXPECT_FALSE(user.ok);
    EXPECT_TRUE(writesSeen(sim).isEmpty());
    ASSERT_EQ(sim.requests().size(), 2);
    EXPECT_EQ(sim.requests().last().frame, QByteArray("#IA\0\x12\0", 6) + QByteArray(18, 0));
}

// A state run's two requests and a clock run's four (login, set, read back, logout) under
// every fault: that station's failure, with why, and no state shown as if it had come.
TEST(FaultWalk, EveryRequestOfAStateOrAClockRunIsThatStationsFailure) {
    const QDateTime time(QDate(2030, 1, 2), QTime(3, 4, 5), Qt::UTC);
    for (const SimFault& fault : LinkFaults)
        for (const bool clock : {false, true})
            for (int k : walkedRequests(fault, clock ? 4 : 2)) {
                SimServer sim({}, fault.at(k));
                ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
                const Station station{
                    QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), sim.port()};
                const stations::StationResult result =
                    clock ? stations::setClock(station, stations::ClockTime::fixed(time),
                                               QStringLiteral("admin"), QStringLiteral("admin"),
                                               QuickTimeoutMs)
                          : stations::readState(station, QuickTimeoutMs);
                if (!applied(fault, sim))
                    continue;
                // A fault at the logout leaves the clock set: its result stands.
                if (clock && k == 3 && result.ok)
                    continue;
                EXPECT_FALSE(result.ok) << fault.name << " at " << k << (clock ? " clock" : "");
                EXPECT_FALSE(result.state) << fault.name << " at " << k;
                EXPECT_FALSE(result.why().isEmpty()) << fault.name << " at " << k;
            }
}

// Whatever a station's job throws becomes its own failure, and the run goes on.
TEST(FaultWalk, AStationJobThatThrowsIsThatStationsFailure) {
    QEventLoop loop;
    std::vector<stations::StationRun::Job> jobs;
    jobs.push_back([]() -> stations::StationResult { throw LinkBroken(QStringLiteral("pryč")); });
    jobs.push_back([]() -> stations::StationResult { throw 42; });
    jobs.push_back([] { return stations::StationResult{true, QStringLiteral("OK")}; });
    const Station unit{QStringLiteral("U"), {}, QStringLiteral("127.0.0.1"), 1};
    jobs.push_back([unit] {
        return stations::stationWork(unit,
                                     [](const stations::StationLines&) -> stations::StationResult {
                                         throw std::runtime_error("x");
                                     });
    });
    std::vector<stations::StationResult> results(jobs.size());
    size_t done = 0;
    stations::StationRun run(2);
    run.start(
        std::move(jobs), &loop, [](int) {},
        [&](int i, const stations::StationResult& r) {
            results[size_t(i)] = r;
            if (++done == results.size())
                loop.quit();
        });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(done, results.size());
    EXPECT_FALSE(results[0].ok);
    EXPECT_TRUE(results[0].line.contains(QStringLiteral("pryč")));
    EXPECT_FALSE(results[1].ok);
    EXPECT_TRUE(results[2].ok);
    EXPECT_EQ(results[3].line, QStringLiteral("CHYBA\tU\t127.0.0.1:1\tx"));
}

} // namespace
