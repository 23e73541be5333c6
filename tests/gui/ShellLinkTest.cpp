#include "GuiSupport.h"
#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace {

struct WithUnit : ::testing::Test {
    QTemporaryDir dir;
    SimServer sim{adminPassword(QStringLiteral("s3cret")), SimServer::Faults{}};
    void SetUp() override { ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0)); }
    QString ini() const { return dir.filePath(QStringLiteral("Quel5_cf.ini")); }
    void aim(ToolRun& run) { user::aimAt(run, sim.port()); }
    void aim(ToolRun& run, quint16 port) { user::aimAt(run, port); }
};

struct RightsState {
    bool wcomShown, uploadAll, uploadAllButEth, password, saveButton;
    QString caption;
};

RightsState rightsOf(ToolRun& run) {
    return {run.find<QLineEdit>(QStringLiteral("wcom0"))->isVisibleTo(run.window.get()),
            run.find<QAction>(QStringLiteral("menuUlozVse"))->isEnabled(),
            run.find<QAction>(QStringLiteral("menuUlozVseMimoEth"))->isEnabled(),
            run.find<QAction>(QStringLiteral("menuZmenaHesla"))->isEnabled(),
            run.find<QPushButton>(QStringLiteral("LButtU"))->isEnabled(),
            run.find<QAction>(QStringLiteral("TBXItem8"))->text()};
}

TEST_F(WithUnit, RightsFollowTheLevelTheUnitGrants) {
    ToolRun run(ini());
    aim(run);
    const RightsState none = rightsOf(run);
    EXPECT_FALSE(none.wcomShown || none.uploadAll || none.uploadAllButEth || none.password ||
                 none.saveButton);
    EXPECT_EQ(none.caption, QStringLiteral("Login"));

    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("s3cret"));
    RightsState s = rightsOf(run);
    EXPECT_TRUE(s.wcomShown && s.uploadAll && s.uploadAllButEth && s.password && s.saveButton);
    EXPECT_TRUE(run.find<QLabel>(QStringLiteral("Lwcom"))->isVisibleTo(run.window.get()));
    EXPECT_EQ(s.caption, QStringLiteral("Logout"));
    auto* passwordName =
        run.window->passwordDialog()->findChild<QLineEdit*>(QStringLiteral("Ljmeno"));
    EXPECT_EQ(passwordName->text(), QStringLiteral("admin"));
    EXPECT_TRUE(run.window->passwordDialog()
                    ->findChild<QRadioButton*>(QStringLiteral("RBadmin"))
                    ->isChecked());
    const QByteArray login = sim.requests().last().frame;
    EXPECT_EQ(login.mid(0, 6), QByteArray("#IA\0\x12\0", 6));
    EXPECT_EQ(login.mid(6, 6), QByteArray("admin\0", 6));
    // The password shows as stars.
    auto* password = run.window->loginDialog()->findChild<QLineEdit*>(QStringLiteral("Lheslo"));
    EXPECT_EQ(password->displayText(), QStringLiteral("******"));

    run.find<QAction>(QStringLiteral("TBXItem8"))->trigger(); // logout
    EXPECT_EQ(sim.requests().last().frame, QByteArray("#IA\0\x12\0", 6) + QByteArray(18, '\0'));
    s = rightsOf(run);
    EXPECT_FALSE(s.wcomShown || s.uploadAll || s.uploadAllButEth || s.password || s.saveButton);
    EXPECT_EQ(s.caption, QStringLiteral("Login"));
    // The next person at the workstation types the password again; the name stays.
    EXPECT_EQ(password->text(), QString());
    EXPECT_EQ(run.window->loginDialog()->findChild<QLineEdit*>(QStringLiteral("Ljmeno"))->text(),
              QStringLiteral("admin"));

    user::loginAs(run, QStringLiteral("user"), QStringLiteral("user"));
    s = rightsOf(run);
    EXPECT_FALSE(s.wcomShown || s.uploadAll || s.uploadAllButEth || s.saveButton);
    EXPECT_TRUE(s.password);
    EXPECT_EQ(s.caption, QStringLiteral("Logout"));
    EXPECT_EQ(passwordName->text(), QStringLiteral("user"));
    run.find<QAction>(QStringLiteral("TBXItem8"))->trigger();

    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("wrong"));
    ASSERT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_EQ(run.dialogs.shown[0].severity, Severity::Warning);
    EXPECT_EQ(run.dialogs.takeMessages(), QStringList{"Chyba při přihlášení"});
    EXPECT_EQ(rightsOf(run).caption, QStringLiteral("Login"));
    EXPECT_EQ(run.window->rights(), Rights::Nobody);

    // Neither the settings file nor the log box ever holds a password.
    const QString log = run.find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText();
    run.finish();
    QFile stored(ini());
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray content = stored.readAll();
    EXPECT_FALSE(content.contains("s3cret"));
    EXPECT_FALSE(content.contains("wrong"));
    EXPECT_FALSE(log.contains(QStringLiteral("s3cret")));
}

TEST_F(WithUnit, LoginThatDoesNotReachTheUnitIsRefused) {
    ToolRun run(ini());
    aim(run, closedPort());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("admin"));
    EXPECT_EQ(run.dialogs.takeMessages(),
              (QStringList{"Spojení bylo odmítnuto", "Chyba při přihlášení"}));
    EXPECT_FALSE(rightsOf(run).uploadAll);
}

TEST_F(WithUnit, ReadChangeUploadAndReadAgainShowsTheNewName) {
    ToolRun run(ini());
    aim(run);
    // F5 is "Načti vše".
    user::click(run.find<QLineEdit>(QStringLiteral("LMDpopis")));
    user::key(Qt::Key_F5);
    auto* name = run.find<QLineEdit>(QStringLiteral("LMDnbname"));
    EXPECT_EQ(name->text(), QStringLiteral("QUEL5SIM"));
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("LMAC"))->text(),
              QStringLiteral("00-1E-C0-12-34-56"));
    EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDIP"))->text(), QStringLiteral("127.0.0.1"));
    auto* memo = run.find<QPlainTextEdit>(QStringLiteral("Memo1"));
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("78 - 7856")));

    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("s3cret"));
    user::retype(name, QStringLiteral("NOVE"));
    user::click(run.find<QPushButton>(QStringLiteral("LButtU")));
    EXPECT_EQ(sim.unit().memory().mid(91, 5), QByteArray("NOVE\0", 5));
    EXPECT_TRUE(memo->toPlainText().contains(
        QStringLiteral("Save - Eth Config\nZapsáno záznamů: 5, bloků: 0; nic nebylo odmítnuto.\n"
                       "Vše zapsáno a ověřeno čtením zpět (249 bajtů).")));

    user::retype(name, QStringLiteral("JINE"));
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_EQ(name->text(), QStringLiteral("NOVE"));
    user::click(run.find<QPushButton>(QStringLiteral("BClear")));
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(WithUnit, AddressStillBeingTypedIsTakenBeforeTheReadConnects) {
    ToolRun run(ini());
    user::retype(run.window->portBox(), QString::number(sim.port()));
    user::retype(run.window->addressBox(), QStringLiteral("127.0.0.1"));
    // Straight from the box to the menu: the menu does not take the focus.
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_EQ(sim.requests().size(), 80);
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"127.0.0.1"});

    user::retype(run.window->addressBox(), QStringLiteral("localhost"));
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_EQ(run.dialogs.takeMessages(), QStringList{"Špatná IP adresa"});
    EXPECT_EQ(sim.requests().size(), 80); // nothing was looked up or sent
}

// Waits for the progress dialog of the running operation and clicks its "Zrušit".
void cancelWhenProgressShows(ToolRun& run, bool* readDisabled) {
    QTimer* poll = new QTimer(run.window.get());
    QObject::connect(poll, &QTimer::timeout, [&run, poll, readDisabled] {
        auto* progress = run.window->findChild<QProgressDialog*>(QStringLiteral("Prubeh"));
        if (!progress)
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String("Prubeh"))
                    progress = static_cast<QProgressDialog*>(top);
        if (!progress || !progress->isVisible())
            return;
        poll->stop();
        *readDisabled = !run.find<QAction>(QStringLiteral("menuNactiVse"))->isEnabled();
        user::click(progress->findChild<QPushButton*>());
    });
    poll->start(20);
}

TEST_F(WithUnit, StalledUnitShowsProgressAndZrusitEndsTheReadAtOnce) {
    SimServer stalled{SimOptions{}, SimServer::Faults{-1, 5}};
    ASSERT_TRUE(stalled.listen(QHostAddress::LocalHost, 0));
    ToolRun run(ini());
    aim(run, stalled.port());
    run.window->link().setReadTimeoutMs(20000);
    bool readDisabled = false;
    cancelWhenProgressShows(run, &readDisabled);
    QElapsedTimer clock;
    clock.start();
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(readDisabled);
    EXPECT_TRUE(run.find<QAction>(QStringLiteral("menuNactiVse"))->isEnabled());
    EXPECT_FALSE(run.window->link().isOpen());
    const QString log = run.find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText();
    EXPECT_TRUE(log.endsWith(QStringLiteral("4 - 456\nPřenos byl přerušen."))) << log.toStdString();
    // The blocks read stay in the image but nothing was shown.
    EXPECT_EQ(run.window->workspace().image()[91], 'Q');
    EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDnbname"))->text(), QStringLiteral("Quel5"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A unit that stops answering half way: the progress box has gone when the time-out is said.
TEST_F(WithUnit, TimeOutIsSaidAfterTheProgressBoxHasGone) {
    SimServer stalled{SimOptions{}, SimServer::Faults{-1, 5}};
    ASSERT_TRUE(stalled.listen(QHostAddress::LocalHost, 0));
    ToolRun run(ini());
    aim(run, stalled.port());
    run.window->link().setReadTimeoutMs(700);
    bool progressSeen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* p = run.window->findChild<QProgressDialog*>(QStringLiteral("Prubeh")))
            progressSeen |= p->isVisible();
    });
    poll.start(50);
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_TRUE(progressSeen);
    ASSERT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_FALSE(run.dialogs.shown[0].progressOpen);
    EXPECT_TRUE(run.dialogs.takeMessages()[0].contains(QStringLiteral("700 ms")));
}

TEST_F(WithUnit, RefusedChunksGiveOneMessageAfterTheUpload) {
    SimOptions options = adminPassword(QStringLiteral("s3cret"));
    options.refuseChunks = true;
    SimServer refusing{options, SimServer::Faults{}};
    ASSERT_TRUE(refusing.listen(QHostAddress::LocalHost, 0));
    ToolRun run(ini());
    aim(run, refusing.port());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("s3cret"));
    run.find<QAction>(QStringLiteral("menuUlozVseMimoEth"))->trigger();
    ASSERT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_EQ(run.dialogs.shown[0].severity, Severity::Warning);
    EXPECT_TRUE(run.dialogs.shown[0].detail.startsWith(
        QStringLiteral("Odmítnuté adresy: 5000, 5100, 5160")));
    EXPECT_EQ(run.dialogs.takeMessages(),
              QStringList{"Jednotka odmítla část nahrávané konfigurace."});
}

// Closing the main window while a transfer waits asks first: "Ne" lets the transfer run
// to its end, "Ano" stops it and the tool closes when it has ended.
TEST(ShellClose, ClosingDuringATransferAsksWhetherToStopItAndQuit) {
    for (const bool stop : {false, true}) {
        QTemporaryDir dir;
        SimServer silent{SimOptions{}, SimServer::Faults{-1, 2}};
        ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
        ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
        user::aimAt(run, silent.port());
        run.window->link().setReadTimeoutMs(stop ? 5000 : 300);
        run.dialogs.replies << stop;
        bool closed = true;
        QTimer::singleShot(50, [&] { closed = run.window->close(); });
        QElapsedTimer clock;
        clock.start();
        run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
        EXPECT_FALSE(closed);
        EXPECT_EQ(run.dialogs.questions.size(), 1);
        if (stop) {
            EXPECT_LT(clock.elapsed(), 4000); // not the whole time-out
            EXPECT_TRUE(run.dialogs.takeMessages().isEmpty());
            EXPECT_TRUE(spinUntil([&] { return !run.window->isVisible(); }));
        } else {
            EXPECT_TRUE(run.window->isVisible());
            const QStringList messages = run.dialogs.takeMessages();
            ASSERT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages[0].contains(QStringLiteral("300 ms")));
        }
        EXPECT_FALSE(run.window->link().isOpen());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

} // namespace

namespace {

// "Načti vše" under every fault at the chosen requests of the read (the core walks every
// one): one message, no success, the windows keep what they showed, and the tool goes on
// to the next read.
TEST(FaultWalkWindow, EveryRequestOfNactiVseFailsWithOneMessageAndKeepsTheWindows) {
    QTemporaryDir dir;
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    run.window->link().setReadTimeoutMs(150);
    auto* name = run.find<QLineEdit>(QStringLiteral("LMDnbname"));
    const QString before = name->text();
    for (const SimFault& fault : SimFaults)
        for (int k : chosenRequests(80)) {
            SimServer sim(SimOptions{}, fault.at(k));
            ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
            run.window->setTarget(QStringLiteral("127.0.0.1"), sim.port());
            run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
            EXPECT_EQ(run.dialogs.takeMessages().size(), 1) << fault.name << " at " << k;
            EXPECT_EQ(name->text(), before) << fault.name << " at " << k;
            EXPECT_FALSE(run.window->operationRunning());
        }
}

} // namespace

namespace {

// "Ulož vše", the outputs window's "Ulož" (each with its read-back), the clock's "Načti" and
// "Pošli" and the status window's "Stav", each under every fault at the
// chosen requests: one message, no success logged, the windows and their edit marks as they
// were.
TEST(FaultWalkWindow, EveryRequestOfTheUploadsTheClockAndTheStatusFailsWithOneMessage) {
    QTemporaryDir dir;
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    SimServer unit(adminPassword(QStringLiteral("pw")), SimServer::Faults{});
    ASSERT_TRUE(unit.listen(QHostAddress::LocalHost, 0));
    user::aimAt(run, unit.port());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    run.window->link().setReadTimeoutMs(60);
    run.find<QAction>(QStringLiteral("zobraz_Fvystupy"))->trigger();
    run.find<QAction>(QStringLiteral("zobraz_Frezim"))->trigger();
    QWidget* outputs = run.window->window(QStringLiteral("TFvystupy"));
    QWidget* modes = run.window->window(QStringLiteral("TFrezim"));
    QWidget* status = run.window->window(QStringLiteral("TFstav"));
    auto* date = modes->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    const struct {
        const char* name;
        std::function<void()> act;
    } operations[] = {
        {"Ulož vše", [&] { run.find<QAction>(QStringLiteral("menuUlozVse"))->trigger(); }},
        {"Výstupy Ulož",
         [&] { user::click(outputs->findChild<QPushButton*>(QStringLiteral("LButtU"))); }},
        {"hodiny Načti",
         [&] { user::click(modes->findChild<QPushButton*>(QStringLiteral("LMDButton1"))); }},
        {"hodiny Pošli",
         [&] { user::click(modes->findChild<QPushButton*>(QStringLiteral("LButtPC"))); }},
        {"Stav", [&] { status->findChild<QAction*>(QStringLiteral("actStav"))->trigger(); }},
    };
    // How many requests each sends to a sound unit.
    std::vector<int> requests;
    for (const auto& op : operations) {
        unit.clearRequests();
        op.act();
        requests.push_back(int(unit.requests().size()));
        ASSERT_GT(requests.back(), 0) << op.name;
    }
    ASSERT_TRUE(run.dialogs.takeMessages().isEmpty());
    // An edit waiting in the main window, and the clock pickers' own time.
    user::retype(run.find<QLineEdit>(QStringLiteral("LMDnbname")), QStringLiteral("WALK"));
    modes->findChild<QCheckBox*>(QStringLiteral("LMDCheckBox1"))->setChecked(false);
    date->setDate(QDate(2031, 2, 3));
    const Selectors edited = run.window->editedPages();
    ASSERT_FALSE(edited.isEmpty());
    auto* log = run.find<QPlainTextEdit>(QStringLiteral("Memo1"));
    for (size_t o = 0; o < std::size(operations); ++o)
        for (const SimFault& fault : SimFaults)
            for (int k : chosenRequests(requests[o])) {
                SimServer sim(SimOptions{}, fault.at(k));
                ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
                run.window->setTarget(QStringLiteral("127.0.0.1"), sim.port());
                log->clear();
                operations[o].act();
                const std::string where = std::string(operations[o].name) + ", " + fault.name +
                                          " at " + std::to_string(k);
                EXPECT_EQ(run.dialogs.takeMessages().size(), 1) << where;
                EXPECT_FALSE(log->toPlainText().contains(QStringLiteral("Vše zapsáno a ověřeno")))
                    << where;
                EXPECT_EQ(run.window->editedPages(), edited) << where;
                EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDnbname"))->text(),
                          QStringLiteral("WALK"))
                    << where;
                EXPECT_EQ(date->date(), QDate(2031, 2, 3)) << where;
                EXPECT_FALSE(run.window->operationRunning()) << where;
                EXPECT_FALSE(run.window->link().isOpen()) << where;
            }
}

} // namespace
