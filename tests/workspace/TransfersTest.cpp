#include "TestSupport.h"
#include "base/Errors.h"
#include "image/FieldPage.h"
#include "workspace/Workspace.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

void fillPattern(QByteArray& memory) {
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char((i * 7 + 3) & 0xFF);
}

// Uploads here say yes to the network guard unless a test asks otherwise.
struct Rig : SimRig {
    explicit Rig(SimOptions options = {}, SimServer::Faults faults = {})
        : SimRig(std::move(options), std::move(faults)) {
        workspace.confirmGuarded = [](const QStringList&) { return true; };
    }
    Workspace workspace{link};
};

TEST(ReadAll, Reads79BlocksOverOneConnectionClosedByTheLast) {
    Rig rig;
    fillPattern(rig.server.unit().memory());
    rig.workspace.image().bytes().fill(0xAA);
    ProbePage probe;
    rig.workspace.setPage(PageSlot::Modes, &probe);

    ASSERT_TRUE(rig.workspace.readAll());

    // The 79 blocks, then the check that no reply came twice, on the same connection.
    const auto& requests = rig.server.requests();
    ASSERT_EQ(requests.size(), 80);
    EXPECT_EQ(requests[79].frame, QByteArray("#GS\0\0\0", 6));
    EXPECT_EQ(requests[79].connection, 1);
    QStringList expectedLogs;
    for (int n = 0; n < 79; ++n) {
        const int address = 56 + 100 * n;
        QByteArray frame("#XR\0\3\0", 6);
        frame.append(char(address & 0xFF)).append(char(address >> 8)).append('d');
        EXPECT_EQ(requests[n].frame, frame) << "request " << n;
        EXPECT_EQ(requests[n].connection, 1);
        expectedLogs << QStringLiteral("%1 - %2").arg(n).arg(address);
    }
    EXPECT_EQ(rig.feedback.logs, expectedLogs);
    EXPECT_EQ(rig.feedback.logs.first(), QStringLiteral("0 - 56"));
    EXPECT_EQ(rig.feedback.logs.last(), QStringLiteral("78 - 7856"));
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_TRUE(rig.waitForClosedConnections());

    const QByteArray& memory = rig.server.unit().memory();
    for (int a = 0; a < 8000; ++a) {
        const std::uint8_t expected = (a < 56 || a > 7955) ? 0xAA : std::uint8_t(memory.at(a));
        ASSERT_EQ(rig.workspace.image()[a], expected) << "address " << a;
    }
    EXPECT_EQ(probe.scatters, 1);
    EXPECT_TRUE(rig.feedback.messages.isEmpty());
}

TEST(ReadAll, BrokenConnectionKeepsTheBlocksReadSoFarAndDoesNotScatter) {
    Rig rig({}, {.dropAfter = 10, .stallAfter = -1});
    fillPattern(rig.server.unit().memory());
    rig.workspace.image().bytes().fill(0xAA);
    ProbePage probe;
    rig.workspace.setPage(PageSlot::Network, &probe);

    EXPECT_THROW(rig.workspace.readAll(), LinkBroken);
    EXPECT_EQ(rig.feedback.logs.size(), 10);
    EXPECT_EQ(rig.workspace.image()[56 + 999], std::uint8_t(rig.server.unit().memory().at(1055)));
    EXPECT_EQ(rig.workspace.image()[1056], 0xAA);
    EXPECT_EQ(probe.scatters, 0);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.workspace.isBusy());
}

TEST(ReadAll, UnreachableUnitReportsACommunicationError) {
    Rig rig;
    rig.target.setPort(closedPort());
    EXPECT_FALSE(rig.workspace.readAll());
    EXPECT_EQ(rig.feedback.messages, (QStringList{"Connection refused", "Chyba komunikace"}));
    EXPECT_TRUE(rig.feedback.logs.isEmpty());
}

TEST(ReadAll, ReplySentTwiceEndsTheReadInsteadOfShiftingEveryLaterBlock) {
    Rig rig({}, {.repeatReply = 0});
    ProbePage probe;
    rig.workspace.setPage(PageSlot::Modes, &probe);
    try {
        rig.workspace.readAll();
        FAIL() << "a reply nobody asked for must end the read";
    } catch (const LinkBroken& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("106 bajtů, o které nikdo nežádal")))
            << e.text().toStdString();
    }
    EXPECT_EQ(rig.feedback.logs, QStringList{});
    EXPECT_EQ(probe.scatters, 0);
    EXPECT_FALSE(rig.link.isOpen());
}

// A copy of one reply sent alone a little later is taken for the next reply; only the
// silence that must follow the last reply tells the read or upload that it went wrong.
// A copy of the last block's reply may come after the check's own answer: the read then
// holds the unit's memory all the same.
TEST(LateRepeatedReply, FailsTheReadAtAnyRequestAndScattersNothing) {
    for (int k : {0, 5, 77, 78}) {
        Rig rig({}, {.latencyMs = 10, .lateRepeat = k, .lateRepeatMs = 12});
        ProbePage probe;
        rig.workspace.setPage(PageSlot::Modes, &probe);
        try {
            if (rig.workspace.readAll() && k == 78) {
                EXPECT_TRUE(std::equal(
                    rig.workspace.image().data() + 56, rig.workspace.image().data() + 7956,
                    rig.server.unit().memory().constData() + 56,
                    [](std::uint8_t a, char b) { return a == std::uint8_t(b); }));
                continue;
            }
            ADD_FAILURE() << "read completed with reply " << k << " sent twice";
        } catch (const LinkBroken& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("nikdo nežádal"))) << k;
        }
        EXPECT_EQ(probe.scatters, 0) << k;
        EXPECT_FALSE(rig.link.isOpen());
        EXPECT_FALSE(rig.workspace.isBusy());
    }
}

// An upload of the network page starts with the guard's three reads and its check.
constexpr int GuardRequests = 4;

TEST(LateRepeatedReply, FailsTheUploadAtAnyRequest) {
    const int planned = 39;
    for (int k : {0, GuardRequests, GuardRequests + 20, GuardRequests + planned - 1}) {
        Rig rig({}, {.latencyMs = 10, .lateRepeat = k, .lateRepeatMs = 12});
        rig.workspace.image().setU16(mem::RelayCodeLength, 0);
        rig.workspace.scatterAll();
        EXPECT_THROW(rig.workspace.uploadConfig(Selectors::all()), LinkBroken) << k;
        const QString summary = rig.feedback.logs.last();
        EXPECT_TRUE(summary.contains(QStringLiteral("nebylo dokončeno")) ||
                    summary.contains(QStringLiteral("není jistý")))
            << k << qPrintable(summary);
        EXPECT_FALSE(rig.link.isOpen());
    }
}

// The check at the end is one status request, also behind an upload without read-back.
TEST(LateRepeatedReply, TheEndOfATransferIsOneStatusRequest) {
    Rig rig;
    ASSERT_TRUE(rig.workspace.readAll());
    EXPECT_EQ(rig.server.requests().size(), 80);
    EXPECT_EQ(rig.server.requests().last().frame.left(6), QByteArray("#GS\0\0\0", 6));
    rig.server.clearRequests();
    rig.workspace.setVerifyUploads(false);
    ASSERT_TRUE(rig.workspace.uploadConfig(Selectors::only(PageSlot::Modes)).ok());
    ASSERT_EQ(rig.server.requests().size(), 2);
    EXPECT_EQ(rig.server.requests().last().frame.left(3), QByteArray("#GS"));
}

TEST(ReadAll, SilentUnitTimesOutInsteadOfHanging) {
    Rig rig({}, {.dropAfter = -1, .stallAfter = 5});
    rig.link.setReadTimeoutMs(200);
    EXPECT_THROW(rig.workspace.readAll(), LinkBroken);
    EXPECT_EQ(rig.feedback.logs.size(), 5);
    EXPECT_FALSE(rig.link.isOpen());
}

// The records and chunks of a full upload, as address, byte count and status byte.
QStringList fullUploadWrites(bool network) {
    QStringList w;
    if (network)
        w << "56 28 1"
          << "91 16 0"
          << "107 50 0"
          << "157 58 0"
          << "215 97 5";
    w << "360 10 6"
      << "5000 100 0"
      << "5100 60 0";
    w << "370 24 7"
      << "5160 100 0"
      << "5260 100 0"
      << "5360 100 0"
      << "5460 20 0";
    w << "394 31 8"
      << "5580 80 0";
    w << "425 12 9";
    w << "437 20 10"
      << "5480 100 0";
    w << "1000 100 0"
      << "1100 100 0"
      << "1200 100 0"
      << "1300 100 0"
      << "1400 68 0";
    for (int a = 5660; a < 6260; a += 100)
        w << QStringLiteral("%1 100 0").arg(a);
    w << "6260 40 0";
    w << "1468 100 0"
      << "1568 34 0";
    for (int a = 6300; a < 6900; a += 100)
        w << QStringLiteral("%1 100 0").arg(a);
    w << "6900 40 0";
    return w;
}

TEST(Upload, EverythingSendsEveryRecordAndRangeInOrder) {
    Rig rig;
    rig.workspace.image().bytes().fill(0x11);
    rig.workspace.image().setU16(mem::RelayCodeLength, 0);
    rig.workspace.scatterAll();
    const UploadReport report = rig.workspace.uploadConfig(Selectors::all());
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(writesSeen(rig.server), fullUploadWrites(true));
    EXPECT_EQ(rig.server.connectionsAccepted(), 1);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_EQ(rig.feedback.events.first(), QStringLiteral("cursor:on"));
    EXPECT_FALSE(rig.feedback.waitCursor);
    // Every upload ends with one line that sums it up, then the read-back's line.
    EXPECT_EQ(rig.feedback.logs.value(rig.feedback.logs.size() - 2),
              QStringLiteral("Zapsáno záznamů: 10, bloků: 29; nic nebylo odmítnuto."));
    EXPECT_TRUE(rig.feedback.logs.last().startsWith(QStringLiteral("Vše zapsáno a ověřeno")));
    EXPECT_EQ(rig.feedback.progressSeen.last(), QStringLiteral("39/39"));

    const QStringList expectedStart{"Save - App Config",
                                    "Save - Bios Name",
                                    "Save - Popis",
                                    "Save - SNMP COMM",
                                    "Save - Eth Config",
                                    "Save - Inp Config",
                                    "Popisy ",
                                    "0 - 5000 0",
                                    "60 - 5100 0",
                                    "Save - Out Config",
                                    "Popisy ",
                                    "0 - 5160 0",
                                    "1 - 5260 0",
                                    "2 - 5360 0",
                                    "20 - 5460 0",
                                    "Save - Out10 Config",
                                    "Popisy ",
                                    "80 - 5580 0",
                                    "Save - Rezim Config",
                                    "Save - Quel5 Config",
                                    "Popisy ",
                                    "0 - 5480 0",
                                    "Term ",
                                    "0 - 1000 0"};
    EXPECT_EQ(rig.feedback.logs.mid(0, expectedStart.size()), expectedStart);
    EXPECT_TRUE(rig.feedback.logs.contains(QStringLiteral("Rele ")));
    EXPECT_TRUE(rig.feedback.logs.contains(QStringLiteral("34 - 1568 0")));

    // The data of each write is the gathered image; everything outside the gathered
    // regions was cleared by the full gather.
    const QByteArray& memory = rig.server.unit().memory();
    EXPECT_EQ(std::uint8_t(memory.at(56)), 0x11);
    EXPECT_EQ(std::uint8_t(memory.at(83)), 0x11);
    EXPECT_EQ(std::uint8_t(memory.at(6618)), 0x11); // relay 16's description, cut to 19
    EXPECT_EQ(std::uint8_t(memory.at(6619)), 0);
    EXPECT_EQ(rig.workspace.image()[312], 0);
    EXPECT_EQ(rig.workspace.image()[7000], 0);
}

TEST(Upload, AllButNetworkSendsNothingToTheNetworkRecords) {
    Rig rig;
    rig.workspace.image().bytes().fill(0x22);
    rig.workspace.uploadConfig(Selectors::allButNetwork());
    EXPECT_EQ(writesSeen(rig.server), fullUploadWrites(false));
    // A partial gather does not clear the image.
    EXPECT_EQ(rig.workspace.image()[312], 0x22);
    EXPECT_EQ(rig.workspace.image()[7000], 0x22);
}

TEST(Upload, SingleSelectorsSendOnlyTheirOwnRecordAndRanges) {
    struct Case {
        Selectors selectors;
        QStringList writes;
    };
    const QList<Case> cases{
        {Selectors::fromArguments(true, 0, false, false),
         {"56 28 1", "91 16 0", "107 50 0", "157 58 0", "215 97 5"}},
        {Selectors::fromArguments(false, 4, false, false), {"394 31 8", "5580 80 0"}},
        {Selectors::fromArguments(false, 8, false, false), {"425 12 9"}},
        {Selectors::fromArguments(false, 16, false, false), {"437 20 10", "5480 100 0"}},
        {Selectors::fromArguments(false, 0, true, false),
         {"1000 100 0", "1100 100 0", "1200 100 0", "1300 100 0", "1400 68 0", "5660 100 0",
          "5760 100 0", "5860 100 0", "5960 100 0", "6060 100 0", "6160 100 0", "6260 40 0"}},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.workspace.uploadConfig(c.selectors);
        EXPECT_EQ(writesSeen(rig.server), c.writes);
    }
}

// Over generated images, each page's "Ulož" writes exactly its records and ranges, with the
// bytes its gather gives, and leaves every other byte of the unit as it was.
TEST(Upload, EachPageOverGeneratedImagesWritesExactlyItsRecordsAndRanges) {
    for (int seed = 0; seed < 6; ++seed)
        for (const PageInfo& page : pageRegistry()) {
            Rig rig;
            fillPattern(rig.server.unit().memory());
            const QByteArray before = rig.server.unit().memory();
            rig.workspace.image() = generatedImage(seed);
            rig.workspace.scatterAll();
            const UploadReport report = rig.workspace.uploadConfig(Selectors::only(page.slot));
            const std::string where = std::string(page.cliName) + " seed " + std::to_string(seed);
            ASSERT_GT(report.planned, 0) << where;
            const ConfigImage& sent = rig.workspace.image();
            std::vector<bool> owned(mem::ImageSize, false);
            for (const UploadRecord& r : page.records)
                std::fill_n(owned.begin() + r.address, r.size, true);
            for (const UploadRange& r : page.ranges)
                std::fill(owned.begin() + r.first, owned.begin() + r.endIn(sent), true);
            std::vector<bool> written(mem::ImageSize, false);
            for (const QString& w : writesSeen(rig.server)) {
                const int address = w.section(QLatin1Char(' '), 0, 0).toInt();
                std::fill_n(written.begin() + address, w.section(QLatin1Char(' '), 1, 1).toInt(),
                            true);
            }
            EXPECT_EQ(written, owned) << where;
            const QByteArray& after = rig.server.unit().memory();
            for (int a = 0; a < mem::ImageSize; ++a) {
                ASSERT_EQ(std::uint8_t(after.at(a)),
                          written[size_t(a)] ? sent[a] : std::uint8_t(before.at(a)))
                    << where << " address " << a;
            }
        }
}

TEST(Upload, RelayRangeFollowsTheStoredCodeLength) {
    Rig rig;
    // Relay 1 holds 70 bytes of code.
    rig.workspace.image().setU16(mem::RelayCodeLength, 70);
    rig.workspace.image()[mem::RelayIndex + 1] = 70;
    rig.workspace.scatterAll();
    rig.workspace.uploadConfig(Selectors::only(PageSlot::Relays));
    EXPECT_EQ(writesSeen(rig.server).mid(0, 3),
              (QStringList{"1468 100 0", "1568 100 0", "1668 4 0"}));

    // Programs that claim more than the memory holds stop at the description area.
    Rig damaged;
    damaged.workspace.image().setU16(mem::RelayCodeLength, 0xFFFF);
    for (int n = 0; n < 16; ++n)
        damaged.workspace.image()[mem::RelayIndex + 4 * n + 1] = 255;
    damaged.workspace.scatterAll();
    damaged.workspace.uploadConfig(Selectors::only(PageSlot::Relays));
    const QStringList writes = writesSeen(damaged.server);
    EXPECT_TRUE(writes.contains(QStringLiteral("4968 32 0")));
    EXPECT_EQ(writes.at(writes.indexOf(QStringLiteral("4968 32 0")) + 1),
              QStringLiteral("6300 100 0"));
}

TEST(Upload, RefusedRecordShowsItsNumberThenLogsAndGoesOn) {
    SimOptions options;
    options.refuseRecord = 6;
    Rig rig(options);
    const UploadReport report =
        rig.workspace.uploadConfig(Selectors::fromArguments(false, 1 | 2, false, false));
    EXPECT_EQ(report.refusedRecords, QList<int>{6});
    const int message = int(rig.feedback.events.indexOf(QStringLiteral("msg:Chyba uložení 6")));
    ASSERT_GE(message, 0);
    EXPECT_EQ(rig.feedback.events.at(message + 1), QStringLiteral("log:Save - Inp Config"));
    EXPECT_TRUE(rig.feedback.logs.contains(QStringLiteral("Save - Out Config")));
}

TEST(Upload, RefusedChunkShowsOnlyInItsLogLine) {
    SimOptions options;
    options.refuseChunks = true;
    Rig rig(options);
    const UploadReport report = rig.workspace.uploadConfig(Selectors::only(PageSlot::Inputs));
    EXPECT_EQ(rig.feedback.logs,
              (QStringList{"Save - Inp Config", "Popisy ", "0 - 5000 3", "60 - 5100 3",
                           "Zapsáno záznamů: 1, bloků: 0; odmítnuto na adresách: 5000, 5100."}));
    EXPECT_TRUE(rig.feedback.messages.isEmpty());
    EXPECT_EQ(report.refusedChunks, 2);
    EXPECT_FALSE(report.ok());
}

TEST(Upload, UnreachableUnitAtALinkTestedRecordEndsTheUpload) {
    Rig rig;
    rig.target.setPort(closedPort());
    const UploadReport report = rig.workspace.uploadConfig(Selectors::allButNetwork());
    EXPECT_TRUE(report.endedEarly);
    EXPECT_EQ(rig.feedback.messages, (QStringList{"Connection refused", "Chyba komunikace"}));
    EXPECT_EQ(rig.feedback.logs,
              QStringList{"Zapsáno záznamů: 0, bloků: 0; nic nebylo odmítnuto; bez spojení: 1; "
                          "nahrávání nebylo dokončeno (jednotka odpověděla na 0 z 34 požadavků)."});
    EXPECT_FALSE(rig.feedback.waitCursor);
}

TEST(Upload, BrokenConnectionRestoresTheCursorClosesTheLinkAndSaysHowFarItGot) {
    Rig rig({}, {.dropAfter = GuardRequests + 3, .stallAfter = -1});
    EXPECT_THROW(rig.workspace.uploadConfig(Selectors::all()), LinkBroken);
    EXPECT_FALSE(rig.feedback.waitCursor);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.workspace.isBusy());
    EXPECT_EQ(rig.feedback.logs.last(),
              QStringLiteral("Zapsáno záznamů: 3, bloků: 0; nic nebylo odmítnuto; nahrávání "
                             "nebylo dokončeno (jednotka odpověděla na 3 z 39 požadavků)."));
}

TEST(Cancel, ReadKeepsTheBlocksSoFarWithoutAScatterAndClosesTheConnection) {
    Rig rig({}, {.dropAfter = -1, .stallAfter = 4});
    rig.link.setReadTimeoutMs(5000);
    fillPattern(rig.server.unit().memory());
    rig.workspace.image().bytes().fill(0xAA);
    ProbePage probe;
    rig.workspace.setPage(PageSlot::Modes, &probe);
    QTimer::singleShot(100, [&] { rig.link.cancel(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(rig.workspace.readAll(), Cancelled);
    EXPECT_LT(clock.elapsed(), 3000); // at once, not at the time-out
    EXPECT_EQ(rig.feedback.progressSeen, (QStringList{"1/79", "2/79", "3/79", "4/79"}));
    EXPECT_EQ(rig.workspace.image()[455], std::uint8_t(rig.server.unit().memory().at(455)));
    EXPECT_EQ(rig.workspace.image()[456], 0xAA);
    EXPECT_EQ(probe.scatters, 0);
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_TRUE(rig.waitForClosedConnections());

    // Until cleared, a cancelled link refuses the next exchange too.
    EXPECT_THROW(rig.workspace.readAll(), Cancelled);
    rig.link.clearCancel();
    Rig fresh;
    fresh.link.cancel();
    fresh.link.clearCancel();
    EXPECT_TRUE(fresh.workspace.readAll());
}

TEST(Cancel, UploadReportsWhatItWrote) {
    Rig rig({}, {.dropAfter = -1, .stallAfter = GuardRequests + 2});
    rig.link.setReadTimeoutMs(5000);
    QTimer::singleShot(100, [&] { rig.link.cancel(); });
    EXPECT_THROW(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)), Cancelled);
    EXPECT_EQ(rig.feedback.logs.last(),
              QStringLiteral("Zapsáno záznamů: 2, bloků: 0; nic nebylo odmítnuto; nahrávání "
                             "nebylo dokončeno (jednotka odpověděla na 2 z 5 požadavků)."));
    EXPECT_FALSE(rig.feedback.waitCursor);
}

TEST(Upload, GatherThatFailsSendsNothing) {
    Rig rig;
    ProbePage page;
    page.refuse = true;
    rig.workspace.setPage(PageSlot::Network, &page);
    EXPECT_THROW(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)), GatherError);
    EXPECT_TRUE(rig.server.requests().isEmpty());
    EXPECT_FALSE(rig.feedback.waitCursor);
}

TEST(Upload, SecondOperationIsRefusedWhileOneWaits) {
    Rig rig({}, {.dropAfter = -1, .stallAfter = 0});
    rig.link.setReadTimeoutMs(300);
    bool refused = false;
    // Something that runs while the first read waits (a timer here, a click in the GUI).
    QTimer::singleShot(50, [&] {
        try {
            rig.workspace.uploadConfig(Selectors::all());
        } catch (const LinkBusy&) {
            refused = true;
        }
    });
    EXPECT_THROW(rig.workspace.readAll(), LinkBroken);
    EXPECT_TRUE(refused);
    EXPECT_EQ(rig.server.requests().size(), 1);
}

} // namespace

namespace {

// The read-back after an upload: a byte the unit keeps wrongly fails the upload and is named
// with its page.
TEST(Upload, ReadBackFindsAByteTheUnitKeptWrongly) {
    SimOptions options;
    options.corruptAddress = 372; // the negations of the outputs
    Rig rig(options);
    const UploadReport report = rig.workspace.uploadConfig(Selectors::only(PageSlot::Outputs));
    EXPECT_FALSE(report.ok());
    ASSERT_EQ(report.mismatches.size(), 1);
    EXPECT_EQ(report.mismatches[0], std::make_pair(372, QStringLiteral("Výstupy")));
    EXPECT_EQ(rig.feedback.logs.last(),
              QStringLiteral("Ověření zápisu selhalo: počet bajtů, které jednotka drží jinak, než "
                             "byly odeslány: 1 (Výstupy: 372)."));
    EXPECT_FALSE(rig.link.isOpen());
    // Turned off, the same upload reads nothing back.
    rig.workspace.setVerifyUploads(false);
    rig.server.clearRequests();
    EXPECT_TRUE(rig.workspace.uploadConfig(Selectors::only(PageSlot::Outputs)).ok());
    for (const auto& request : rig.server.requests())
        EXPECT_NE(request.frame.mid(1, 2), QByteArray("XR"));
}

} // namespace

namespace {

// An upload of the network page that would move the unit (IP, mask, gateway) or that
// carries another unit's MAC asks first; a no sends nothing.
TEST(Upload, NetworkChangesThatMoveTheUnitAskFirst) {
    Rig rig;
    ASSERT_TRUE(rig.workspace.readAll());
    QStringList asked;
    bool answer = false;
    rig.workspace.confirmGuarded = [&](const QStringList& changes) {
        asked = changes;
        return answer;
    };
    auto& network = rig.workspace.pageAs<FieldPage>(PageSlot::Network);
    network.setValue(QStringLiteral("LMDnbname"), QStringLiteral("JINE"));
    EXPECT_TRUE(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)).ok());
    EXPECT_TRUE(asked.isEmpty()); // a name moves nothing

    network.setValue(QStringLiteral("LMDIP"), QStringLiteral("10.1.2.203"));
    network.setValue(QStringLiteral("LMDgw"), QStringLiteral("10.1.2.1"));
    rig.server.clearRequests();
    EXPECT_THROW(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)), Cancelled);
    EXPECT_EQ(asked,
              QStringList({"IP adresa: 127.0.0.1 → 10.1.2.203", "Gateway: 127.0.0.1 → 10.1.2.1"}));
    EXPECT_TRUE(writesSeen(rig.server).isEmpty());
    // Another unit's MAC in the configuration.
    rig.workspace.image()[85] = 0x02;
    rig.workspace.scatterAll();
    asked.clear();
    EXPECT_THROW(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)), Cancelled);
    EXPECT_TRUE(asked.last().startsWith(QStringLiteral("MAC: 00-1E-C0-12-34-56 (jednotka) → 02-")));
    answer = true;
    EXPECT_TRUE(rig.workspace.uploadConfig(Selectors::only(PageSlot::Network)).ok());
    EXPECT_EQ(rig.server.unit().memory().mid(56, 4), QByteArray::fromHex("0A0102CB"));
}

} // namespace

namespace {

// A unit scripted from a seed: some replies late (the last one too), some sent again a
// little later, some refused, and maybe a drop or a stall at one request. Whatever it
// does, a read that reports success holds the unit's memory, and an upload that reports
// success left the unit holding what was sent.
SimServer::Faults scripted(std::uint32_t seed) {
    SimServer::Faults faults;
    auto rng = std::make_shared<std::mt19937>(seed);
    // Seeds alternate between reads and uploads; each kind meets every shape and density.
    const int shape = int((seed / 2) % 8);   // 1: a drop, 2: a stall, others neither
    const int density = int((seed / 8) % 3); // none, rare or frequent copies and refusals
    const int dropAt = shape == 1 ? int((*rng)() % 90) : -1;
    const int stallAt = shape == 2 ? int((*rng)() % 90) : -1;
    if (dropAt >= 0)
        faults.dropAfter = dropAt;
    if (stallAt >= 0)
        faults.stallAfter = stallAt;
    faults.script = [rng, density](int) {
        SimServer::Faults::Step step;
        const std::uint32_t r = (*rng)();
        if (r % 16 == 0)
            step.delayMs = int((r >> 8) % 30); // late, the last reply too
        const std::uint32_t odds = density == 1 ? 150 : 13;
        if (density > 0 && r % odds == 1)
            step.repeatAfterMs = int((r >> 16) % 30);
        step.refuse = density > 0 && r % (3 * odds) == 2;
        return step;
    };
    return faults;
}

TEST(TransferProperty, ASuccessIsAlwaysTheUnitsTruth) {
    int reads = 0, uploads = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        const ConfigImage sent = generatedImage(int(seed));
        SimRig rig({}, scripted(seed));
        // Late replies stay well inside the time-out on a busy machine too.
        rig.link.setReadTimeoutMs(250);
        fillPattern(rig.server.unit().memory());
        const QByteArray before = rig.server.unit().memory();
        Workspace workspace(rig.link);
        if (seed % 2 == 0) {
            bool ok = false;
            ConfigImage read;
            try {
                ok = workspace.readUnit(read);
            } catch (const OperationError&) {
            }
            if (ok) {
                ++reads;
                for (int a = 56; a < 7956; ++a)
                    if (read[a] != std::uint8_t(before[a])) {
                        ADD_FAILURE() << "seed " << seed << " first wrong byte " << a;
                        break;
                    }
                EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read.data()) + 56, 7900),
                          before.mid(56, 7900))
                    << "seed " << seed;
            }
            continue;
        }
        // One page, verified or not.
        const PageInfo& page = pageRegistry()[(seed / 2) % pageRegistry().size()];
        workspace.setVerifyUploads(seed % 4 == 1);
        workspace.image() = sent;
        workspace.image().setU16(mem::RelayCodeLength, 0);
        workspace.scatterAll();
        bool ok = false;
        try {
            ok = workspace.uploadConfig(Selectors::only(page.slot)).ok();
        } catch (const OperationError&) {
        }
        if (!ok)
            continue;
        ++uploads;
        const ConfigImage& gathered = workspace.image(); // what was sent
        const QByteArray& unit = rig.server.unit().memory();
        for (const UploadRecord& record : page.records)
            EXPECT_EQ(unit.mid(record.address, record.size),
                      QByteArray(reinterpret_cast<const char*>(gathered.data()) + record.address,
                                 record.size))
                << "seed " << seed << " " << page.cliName << " record " << record.number;
        for (const UploadRange& range : page.ranges) {
            const int end = range.endIn(gathered);
            EXPECT_EQ(unit.mid(range.first, end - range.first),
                      QByteArray(reinterpret_cast<const char*>(gathered.data()) + range.first,
                                 end - range.first))
                << "seed " << seed << " " << page.cliName << " range " << range.first;
        }
    }
    // The seeds reach both outcomes.
    EXPECT_GT(reads, 5);
    EXPECT_GT(uploads, 5);
}

} // namespace

namespace {

// The guard reads the unit it uploads to, whatever was read before and from where: the
// ports and the account names the tool reaches it by count as much as its address.
TEST(Upload, TheGuardReadsTheUnitItUploadsTo) {
    Rig first;
    ASSERT_TRUE(first.workspace.readAll());
    SimRig other;
    other.server.unit().memory()[56 + 3] = 7; // another unit at 127.0.0.7 in its record
    Workspace workspace(other.link);
    workspace.image() = first.workspace.image();
    workspace.scatterAll();
    QStringList asked;
    workspace.confirmGuarded = [&](const QStringList& changes) {
        asked = changes;
        return false;
    };
    EXPECT_THROW(workspace.uploadConfig(Selectors::only(PageSlot::Network)), Cancelled);
    EXPECT_EQ(asked, QStringList({"IP adresa: 127.0.0.7 → 127.0.0.1"}));
    EXPECT_TRUE(writesSeen(other.server).isEmpty());

    auto& network = workspace.pageAs<FieldPage>(PageSlot::Network);
    const std::pair<const char*, QVariant> edits[] = {
        {"LMDIP", "127.0.0.7"}, {"tcpport1", 9999},  {"tcpport2", 9998},
        {"udpport", 30000},     {"LMDuziv", "jiny"}, {"LMDAdmin", "spravce"}};
    for (const auto& [name, value] : edits)
        network.setValue(QLatin1String(name), value);
    EXPECT_THROW(workspace.uploadConfig(Selectors::only(PageSlot::Network)), Cancelled);
    EXPECT_EQ(asked, QStringList({"UDP port: 30305 → 30000", "TCP port1: 9760 → 9999",
                                  "TCP port2: 9761 → 9998", "Uživatel: „user“ → „jiny“",
                                  "Admin: „admin“ → „spravce“"}));
    EXPECT_TRUE(writesSeen(other.server).isEmpty());
}

} // namespace

namespace {

// The read-back compares every byte it sent, the last of a record and of a range too.
TEST(Upload, TheReadBackComparesTheLastByteOfEveryRecordAndRange) {
    for (const int address : {360, 369, 5000, 5159}) {
        SimOptions options;
        options.corruptAddress = address;
        Rig rig(options);
        rig.workspace.image()[address] = 0x20;
        rig.workspace.scatterAll();
        const UploadReport report = rig.workspace.uploadConfig(Selectors::only(PageSlot::Inputs));
        EXPECT_FALSE(report.ok()) << address;
        ASSERT_EQ(report.mismatches.size(), 1) << address;
        EXPECT_EQ(report.mismatches[0].first, address);
    }
}

} // namespace
