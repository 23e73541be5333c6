#include "GuiSupport.h"
#include "TestSupport.h"
#include "image/MemoryMap.h"
#include "logic/RelayWindow.h"
#include "monitor/DeviceStatus.h"
#include "monitor/StationModel.h"
#include "unit/UnitCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

namespace {

struct Monitor : ::testing::Test {
    QTemporaryDir dir;
    QString ini() const { return dir.filePath(QStringLiteral("Quel5_cf.ini")); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Aims the search at a loopback port, starts the tool and opens the Discoverer.
    QWidget* openDiscoverer(std::unique_ptr<ToolRun>& run, quint16 port) {
        {
            QSettings s(ini(), QSettings::IniFormat);
            s.setValue("TFdiscoverer/SearchAddress", QStringLiteral("127.0.0.1"));
            s.setValue("TFdiscoverer/SearchPort", port);
        }
        run = std::make_unique<ToolRun>(ini());
        run->find<QAction>(QStringLiteral("zobraz_Fdisc"))->trigger();
        QWidget* w = run->window->window(QStringLiteral("TFdiscoverer"));
        ToolRun::activate(w);
        return w;
    }
};

TEST_F(Monitor, HledejListsTheSimulatorAndClearEmptiesTheList) {
    SimServer sim({}, {});
    ASSERT_TRUE(sim.listenDiscovery(QHostAddress::LocalHost, 0));
    std::unique_ptr<ToolRun> run;
    QWidget* w = openDiscoverer(run, sim.discoveryPort());
    auto* log = w->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    EXPECT_FALSE(w->findChild<QPushButton*>(QStringLiteral("BMacUdp"))->isVisibleTo(w));
    EXPECT_FALSE(w->findChild<QSpinBox*>(QStringLiteral("udpport"))->isVisibleTo(w));
    auto* search = w->findChild<QPushButton*>(QStringLiteral("BHledej"));
    auto* stop = w->findChild<QPushButton*>(QStringLiteral("BZrusit"));
    EXPECT_FALSE(stop->isEnabled());
    user::click(search);
    // A search only listens: the transfers stay at hand meanwhile.
    EXPECT_FALSE(search->isEnabled());
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_TRUE(run->find<QAction>(QStringLiteral("menuNactiVse"))->isEnabled());
    ASSERT_TRUE(spinUntil([&] { return search->isEnabled(); }, 3000));
    EXPECT_EQ(log->toPlainText(), QStringLiteral("127.0.0.1   QUEL5SIM  Quel5 simulator  "
                                                 "127.0.0.1  00-1E-C0-12-34-56  "));
    user::click(w->findChild<QPushButton*>(QStringLiteral("BClear")));
    EXPECT_TRUE(log->toPlainText().isEmpty());
}

// Something that answers every 100 ms without end: "Zrušit" ends the search at once.
TEST_F(Monitor, ZrusitEndsASearchThatWouldNotEnd) {
    QUdpSocket chatter;
    ASSERT_TRUE(chatter.bind(QHostAddress::LocalHost, 0));
    QHostAddress asker;
    quint16 askerPort = 0;
    QObject::connect(&chatter, &QUdpSocket::readyRead, [&] {
        const QNetworkDatagram d = chatter.receiveDatagram();
        asker = d.senderAddress();
        askerPort = d.senderPort();
    });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (askerPort)
            chatter.writeDatagram("again", asker, askerPort);
    });
    ticker.start(100);
    std::unique_ptr<ToolRun> run;
    QWidget* w = openDiscoverer(run, chatter.localPort());
    auto* search = w->findChild<QPushButton*>(QStringLiteral("BHledej"));
    auto* log = w->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    user::click(search);
    ASSERT_TRUE(spinUntil([&] { return log->blockCount() >= 3; }, 3000));
    user::click(w->findChild<QPushButton*>(QStringLiteral("BZrusit")));
    EXPECT_TRUE(search->isEnabled());
    EXPECT_TRUE(log->toPlainText().endsWith(QStringLiteral("Hledání bylo zrušeno.")));
    const int lines = log->blockCount();
    spinUntil([] { return false; }, 300);
    EXPECT_EQ(log->blockCount(), lines);
}

struct Overview : Monitor {
    std::unique_ptr<ToolRun> run;
    QWidget* window = nullptr;
    QTableView* grid = nullptr;
    void SetUp() override {
        QFile list(path("st.dat"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(3, '\0') + stationRecord("Pump1", "192.168.1.20", 9760, 5) +
                   stationRecord("Kotel", "192.168.1.21", 9761, 3) +
                   stationRecord("Pump2", "192.168.1.22", 80, 5) + QByteArray(40, 'z'));
        list.close();
        QDir().mkpath(path("notes"));
        QFile(path("notes/Pump2.pzn")).open(QIODevice::WriteOnly);
        {
            QSettings s(ini(), QSettings::IniFormat);
            s.setValue("TFprehled/ST_file", path("st.dat"));
            s.setValue("TFprehled/ST_pozn", path("notes"));
            s.setValue("TFprehled/ST_pozn_vis", 1);
        }
        run = std::make_unique<ToolRun>(ini());
        run->find<QAction>(QStringLiteral("zobraz_Fprehled"))->trigger();
        window = run->window->window(QStringLiteral("TFprehled"));
        ToolRun::activate(window);
        grid = window->findChild<QTableView*>(QStringLiteral("st_gr"));
    }
    QStringList columnText(int c) const {
        QStringList cells;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (!grid->isRowHidden(row))
                cells << grid->model()->index(row, c).data().toString();
        return cells;
    }
    QPoint headerAt(int column) const {
        QHeaderView* header = grid->horizontalHeader();
        return {header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                header->height() / 2};
    }
    bool yellow(int column) const {
        return grid->model()->headerData(column, Qt::Horizontal, Qt::BackgroundRole) ==
               QVariant(QColor(Qt::yellow));
    }
    // Right-clicks a header and, with its menu open, does what a user does there.
    void withColumnMenu(int column, const std::function<void()>& inMenu) {
        QTimer::singleShot(0, inMenu);
        user::rightClick(grid->horizontalHeader()->viewport(), headerAt(column));
    }
};

TEST_F(Overview, ShowsTheListWithNumbersNotesAndItsTitle) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Přehled - ") + path("st.dat"));
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(columnText(0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(columnText(1), (QStringList{"Pump1", "Kotel", "Pump2"}));
    EXPECT_EQ(columnText(7), (QStringList{"0", "0", "1"}));
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("Ppozn"))->isVisibleTo(window));
    // The first widths are the least; every value and heading fits its column whole.
    const int widths[] = {30, 91, 105, 87, 35, 34, 30, 28};
    const QFontMetrics metrics(grid->font());
    for (int c = 0; c < 8; ++c) {
        EXPECT_GE(grid->columnWidth(c), widths[c]) << c;
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c))
            << qPrintable(heading);
    }
    EXPECT_EQ(grid->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Pozn."));

    // A list of long values, opened from the window: each column widens to its longest.
    QFile list(path("long.dat"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    QByteArray records = QByteArray(3, '\0');
    for (int i = 0; i < 1500; ++i)
        records += stationRecord("S", "10.0.0.1", 1);
    records +=
        stationRecord("WWWWWWWWWWWWWWWW", "192.168.100.200", 65535, 255, QByteArray(50, 'M'), 255);
    list.write(records);
    list.close();
    run->dialogs.answers << path("long.dat");
    window->findChild<QAction*>(QStringLiteral("actOtevri"))->trigger();
    const QStringList last = {QString(), QStringLiteral("WWWWWWWWWWWWWWWW"), QString(50, 'M'),
                              QStringLiteral("192.168.100.200"), QStringLiteral("65535")};
    for (int c = 1; c < last.size(); ++c)
        EXPECT_GT(grid->columnWidth(c), metrics.horizontalAdvance(last[c])) << c;
}

TEST_F(Overview, ColumnMenuSortsAndFiltersAndOpensOnlyOnHeadersOneToSix) {
    bool opened = false;
    for (int column : {0, 7}) {
        withColumnMenu(column, [&] { opened = QApplication::activePopupWidget() != nullptr; });
        QCoreApplication::processEvents();
        EXPECT_FALSE(opened) << column;
    }
    // A right click on a station cell opens nothing either.
    const QRect cell = grid->visualRect(grid->model()->index(0, 1));
    user::rightClick(grid->viewport(), cell.center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    withColumnMenu(4, [] { user::clickMenuItem(QStringLiteral("Třídit sestupně")); });
    EXPECT_EQ(columnText(4), (QStringList{"9761", "9760", "80"}));

    // "Filtr" on "Typ", then on "IP"; "Zruš filtr" on "IP" leaves "Typ" yellow and in force.
    withColumnMenu(5, [] {
        auto* field = QApplication::activePopupWidget()->findChild<QLineEdit*>("Filtr");
        user::click(field);
        user::type(QStringLiteral("5"));
        user::key(Qt::Key_Return);
    });
    EXPECT_EQ(columnText(1), (QStringList{"Pump1", "Pump2"}));
    withColumnMenu(3, [] {
        user::click(QApplication::activePopupWidget()->findChild<QLineEdit*>("Filtr"));
        user::type(QStringLiteral("*.22"));
        user::key(Qt::Key_Return);
    });
    EXPECT_EQ(columnText(1), QStringList{"Pump2"});
    EXPECT_TRUE(yellow(3) && yellow(5));
    withColumnMenu(3, [] { user::clickMenuItem(QStringLiteral("Zruš filtr")); });
    EXPECT_EQ(columnText(1), (QStringList{"Pump1", "Pump2"}));
    EXPECT_FALSE(yellow(3));
    EXPECT_TRUE(yellow(5));
    withColumnMenu(5, [] { user::clickMenuItem(QStringLiteral("Zruš všechny filtry")); });
    EXPECT_EQ(columnText(1).size(), 3);
    // The texts stay: "Filtruj" on "IP" brings its filter back.
    withColumnMenu(3, [] {
        EXPECT_EQ(QApplication::activePopupWidget()->findChild<QLineEdit*>("Filtr")->text(),
                  QStringLiteral("*.22"));
        user::clickMenuItem(QStringLiteral("Filtruj"));
    });
    EXPECT_EQ(columnText(1), QStringList{"Pump2"});
}

// Stations selected in the grid get the relays the windows hold, side by side, with their
// progress in the result column; then one is backed up into a chosen folder.
TEST_F(Overview, SelectedStationsArePushedAndBackedUpSideBySide) {
    SimServer one{adminPassword(QStringLiteral("pw")), SimServer::Faults{}};
    SimServer two{adminPassword(QStringLiteral("pw")), SimServer::Faults{}};
    ASSERT_TRUE(one.listen(QHostAddress::LocalHost, 0) && two.listen(QHostAddress::LocalHost, 0));
    QFile list(path("units.dat"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(3, '\0') + stationRecord("One", "127.0.0.1", one.port(), 5) +
               stationRecord("Two", "127.0.0.1", two.port(), 5) +
               stationRecord("Dead", "127.0.0.1", closedPort(), 5) +
               stationRecord("Left", "127.0.0.1", one.port(), 5));
    list.close();
    run->dialogs.answers << path("units.dat");
    window->findChild<QAction*>(QStringLiteral("actOtevri"))->trigger();

    // R1 typed into the relay window is what goes.
    run->find<QAction>(QStringLiteral("zobraz_Fvrele"))->trigger();
    auto* relays = static_cast<RelayWindow*>(run->window->window(QStringLiteral("TFvrele")));
    ToolRun::activate(relays);
    user::click(relays->box(0));
    user::type(QStringLiteral("V1&T2"));

    ToolRun::activate(window);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 1)).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->visualRect(grid->model()->index(2, 1)).center());
    run->dialogs.chosen << QList<int>{6}; // "Virtuální relé", after the six other pages
    run->dialogs.replies << true;
    run->dialogs.accounts << std::make_pair(QStringLiteral("admin"), QStringLiteral("pw"));
    window->findChild<QAction*>(QStringLiteral("actNahrajVybrane"))->trigger();
    EXPECT_FALSE(grid->isColumnHidden(StationTableModel::ResultColumn));
    QAction* push = window->findChild<QAction*>(QStringLiteral("actNahrajVybrane"));
    const auto settled = [&] {
        const QStringList results = columnText(StationTableModel::ResultColumn);
        return !results.contains(QStringLiteral("čeká")) &&
               !results.contains(QStringLiteral("probíhá")) && push->isEnabled();
    };
    ASSERT_TRUE(QTest::qWaitFor(settled, 30000));
    const QStringList results = columnText(StationTableModel::ResultColumn);
    EXPECT_EQ(results.mid(0, 2), (QStringList{"OK", "OK"}));
    EXPECT_TRUE(results[2].startsWith(QStringLiteral("CHYBA: "))) << qPrintable(results[2]);
    EXPECT_EQ(results[3], QString());
    EXPECT_TRUE(run->dialogs.questions.join('\n').contains(QStringLiteral("Dead (127.0.0.1:")));
    const ConfigImage pushed = run->window->workspace().gatheredCopy();
    const QByteArray relayArea(reinterpret_cast<const char*>(pushed.data()) + mem::RelayArea,
                               mem::RelayCode + 3 - mem::RelayArea);
    for (SimServer* sim : {&one, &two})
        EXPECT_EQ(sim->unit().memory().mid(mem::RelayArea, relayArea.size()).toHex(),
                  relayArea.toHex());

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    run->dialogs.answers << path("backup");
    QDir().mkpath(path("backup"));
    window->findChild<QAction*>(QStringLiteral("actZalohujVybrane"))->trigger();
    ASSERT_TRUE(QTest::qWaitFor(settled, 30000));
    EXPECT_EQ(columnText(StationTableModel::ResultColumn), (QStringList{"", "OK", "", ""}));
    EXPECT_EQ(QFileInfo(path("backup/Two.ql5")).size(), 8000);
}

// "Zálohuj vybrané…" of five stations, each failing in its own way at request k, for the
// chosen k of a backup: five errors in the result column, no message box, no file in the
// folder.
TEST_F(Overview, BackupOfSelectedStationsFailsAtEveryRequestAndWritesNoFile) {
    run->window->link().setReadTimeoutMs(60);
    QDir().mkpath(path("backup"));
    QAction* backup = window->findChild<QAction*>(QStringLiteral("actZalohujVybrane"));
    for (int k : chosenRequests(80)) {
        std::vector<std::unique_ptr<SimServer>> units;
        QByteArray list(3, '\0');
        for (const SimFault& fault : SimFaults) {
            units.push_back(std::make_unique<SimServer>(SimOptions{}, fault.at(k)));
            ASSERT_TRUE(units.back()->listen(QHostAddress::LocalHost, 0));
            list += stationRecord(fault.name, "127.0.0.1", units.back()->port());
        }
        QFile file(path("faults.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(list);
        file.close();
        run->dialogs.answers << path("faults.dat");
        window->findChild<QAction*>(QStringLiteral("actOtevri"))->trigger();
        user::click(grid->viewport());
        user::key(Qt::Key_A, Qt::ControlModifier);
        run->dialogs.answers << path("backup");
        backup->trigger();
        ASSERT_TRUE(spinUntil(
            [&] {
                return backup->isEnabled() && !columnText(StationTableModel::ResultColumn)
                                                   .contains(QStringLiteral("čeká"));
            },
            30000));
        const QStringList results = columnText(StationTableModel::ResultColumn);
        ASSERT_EQ(results.size(), 5) << "at " << k;
        const QModelIndex first = grid->model()->index(0, StationTableModel::ResultColumn);
        EXPECT_EQ(first.data(Qt::ToolTipRole), first.data()) << "at " << k;
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(results[i].startsWith(QStringLiteral("CHYBA: ")))
                << SimFaults[i].name << " at " << k << ": " << qPrintable(results[i]);
        EXPECT_TRUE(QDir(path("backup")).isEmpty()) << "at " << k;
    }
}

// F5 looks at the selected stations: each row shows its state, what is out of the ordinary
// is red; "Automaticky" looks again, and a unit that went away keeps its values in grey.
TEST_F(Overview, LooksAtTheSelectedStationsAgainAndGreysWhatItCouldNotRenew) {
    auto sim = std::make_unique<SimServer>(SimOptions{}, SimServer::Faults{});
    ASSERT_TRUE(sim->listen(QHostAddress::LocalHost, 0));
    const quint16 port = sim->port();
    QFile list(path("units.dat"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(3, '\0') + stationRecord("One", "127.0.0.1", port, 5) +
               stationRecord("Dead", "127.0.0.1", closedPort(), 5));
    list.close();
    run->dialogs.answers << path("units.dat");
    window->findChild<QAction*>(QStringLiteral("actOtevri"))->trigger();
    QAbstractItemModel* model = grid->model();
    const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return model->index(row, column).data(role);
    };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(model->index(0, 1)).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->visualRect(model->index(1, 1)).center());
    user::key(Qt::Key_F5);
    const int result = StationTableModel::ResultColumn;
    const int first = StationTableModel::StateColumn;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return cell(1, result).toString().startsWith(QStringLiteral("CHYBA")) &&
                   cell(0, result).toString() == QStringLiteral("OK");
        },
        10000));
    EXPECT_FALSE(grid->isColumnHidden(first));
    EXPECT_EQ(cell(0, first).toString(), QStringLiteral("5")); // "Typ" of the unit
    EXPECT_EQ(cell(0, first + 3).toString().size(), 16);       // the outputs, bit by bit
    EXPECT_EQ(cell(0, first + 4, Qt::BackgroundRole), QVariant(QColor(Qt::red))); // Teplota2
    EXPECT_EQ(cell(1, result, Qt::BackgroundRole), QVariant(QColor(Qt::red)));
    EXPECT_EQ(cell(1, first).toString(), QString());

    // A double click on what the look found: the station in the status window.
    const QPoint found = grid->visualRect(model->index(0, result)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, found);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, found);
    EXPECT_EQ(run->window->portBox()->value(), port);
    EXPECT_TRUE(run->window->window(QStringLiteral("TFstav"))->isVisible());
    ToolRun::activate(window);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(model->index(0, 1)).center());
    window->findChild<QAction*>(QStringLiteral("actAutomaticky"))->trigger();
    auto* timer = window->findChild<QTimer*>(QStringLiteral("autoTimer"));
    ASSERT_TRUE(timer && timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("Lautomaticky"))->isVisible());
    sim.reset();
    timer->start(10);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return cell(0, result).toString().contains(QStringLiteral("(hodnoty z ")); }, 10000));
    EXPECT_EQ(cell(0, first).toString(), QStringLiteral("5"));
    EXPECT_EQ(cell(0, first, Qt::ForegroundRole), QVariant(QColor(Qt::gray)));
    window->findChild<QAction*>(QStringLiteral("actAutomaticky"))->trigger();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("Lautomaticky"))->isVisible());
}

TEST_F(Overview, DoubleClickMakesTheStationTheTargetAndSettingsAreKept) {
    const QRect cell = grid->visualRect(grid->model()->index(1, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(run->window->addressBox()->currentText(), QStringLiteral("192.168.1.21"));
    EXPECT_EQ(run->window->portBox()->value(), 9761);
    EXPECT_EQ(run->window->addressBox()->history(), QStringList{"192.168.1.21"});
    // The header row is no station.
    QTest::mouseDClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, headerAt(3));
    EXPECT_EQ(run->window->addressBox()->currentText(), QStringLiteral("192.168.1.21"));

    run->find<QAction>(QStringLiteral("zobraz_Fprehled"))->trigger();
    window->findChild<QAction*>(QStringLiteral("actPoznamky"))->trigger(); // panel off
    window->close();
    run->finish();
    QSettings stored(ini(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("TFprehled/ST_file").toString(), path("st.dat"));
    EXPECT_EQ(stored.value("TFprehled/ST_pozn").toString(), path("notes"));
    EXPECT_EQ(stored.value("TFprehled/ST_pozn_vis").toInt(), 0);
}

} // namespace

namespace {

// "Stav" fills the tables and colours the page windows' state labels; a double click edits
// the output pattern that "Nastav výstup" sends; "Automaticky" repeats until the link fails.
TEST(StatusWindow, ShowsTheUnitAndSendsItsActions) {
    QTemporaryDir dir;
    auto unit =
        std::make_unique<SimServer>(adminPassword(QStringLiteral("pw")), SimServer::Faults{});
    SimServer& sim = *unit;
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    run.find<QAction>(QStringLiteral("zobraz_Fstav"))->trigger();
    QWidget* w = nullptr;
    for (QWidget* window : run.window->allWindows())
        if (window->objectName() == QLatin1String("TFstav"))
            w = window;
    ASSERT_NE(w, nullptr);
    auto* values = w->findChild<QTableWidget*>(QStringLiteral("valueTable"));
    auto* bits = w->findChild<QTableWidget*>(QStringLiteral("bitTable"));
    auto* log = w->findChild<QPlainTextEdit*>(QStringLiteral("statusLog"));
    EXPECT_EQ(log->maximumBlockCount(), 1000);
    user::aimAt(run, sim.port());
    // The inputs window open beside it takes the colours of the state.
    run.find<QAction>(QStringLiteral("zobraz_Fvstupy"))->trigger();
    auto* status = w->findChild<QAction*>(QStringLiteral("actStav"));
    status->trigger();
    status->trigger();
    EXPECT_EQ(log->blockCount(), 26);
    EXPECT_EQ(values->item(1, 0)->text(), QStringLiteral("Teplota2"));
    EXPECT_EQ(values->item(1, 1)->background().color(), QColor(Qt::red)); // the sim flags it
    EXPECT_EQ(values->item(0, 1)->background().color(), QColor(Qt::white));
    EXPECT_EQ(bits->item(2, 16)->text(), QStringLiteral("1")); // input 1 closed
    EXPECT_EQ(bits->item(2, 1)->text(), QString());            // an 8-bit row leaves "16" empty
    QLabel* input1 = nullptr;
    for (QWidget* window : run.window->allWindows())
        if (window->objectName() == QLatin1String("TFvstupy"))
            input1 = window->findChild<QLabel*>(QStringLiteral("lp00"));
    ASSERT_NE(input1, nullptr);
    EXPECT_EQ(input1->palette().color(QPalette::WindowText), QColor(Qt::red));

    // Outputs: the column headed "16" set by a double click, then sent by an administrator.
    auto* set = w->findChild<QAction*>(QStringLiteral("actNastavVystup"));
    EXPECT_FALSE(set->isEnabled());
    user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
    EXPECT_TRUE(set->isEnabled());
    const QRect cell = bits->visualItemRect(bits->item(3, 1));
    const QString before = bits->item(3, 1)->text();
    // A double click as the platform gives it: a click, then the second press.
    ToolRun::activate(w);
    QTest::mouseClick(bits->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(bits->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_NE(bits->item(3, 1)->text(), before);
    std::uint16_t pattern = 0;
    for (int c = 1; c <= 16; ++c)
        pattern = std::uint16_t((pattern << 1) | (bits->item(3, c)->text() == QLatin1String("1")));
    set->trigger();
    EXPECT_EQ(sim.requests().last().frame,
              QByteArray("#UO\0\2\0", 6) + char(pattern & 0xFF) + char(pattern >> 8));
    status->trigger();
    EXPECT_EQ(bits->item(3, 1)->text(),
              before == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));

    // "Automaticky" asks every two seconds and stops, with the usual message, when the unit
    // is gone.
    auto* automatic = w->findChild<QAction*>(QStringLiteral("actAutomaticky"));
    const int lines = log->blockCount();
    automatic->trigger();
    EXPECT_TRUE(spinUntil([&] { return log->blockCount() >= lines + 26; }, 5000));
    unit.reset();
    EXPECT_TRUE(spinUntil([&] { return !automatic->isChecked(); }, 5000));
    EXPECT_FALSE(run.dialogs.takeMessages().isEmpty());
}

} // namespace

namespace {

QColor labelColour(ToolRun& run, const char* window, int k) {
    for (QWidget* w : run.window->allWindows())
        if (w->objectName() == QLatin1String(window))
            if (auto* label =
                    w->findChild<QLabel*>(QStringLiteral("lp%1").arg(k, 2, 10, QLatin1Char('0'))))
                return label->palette().color(QPalette::WindowText);
    return {};
}

// Each page window's state labels take their own bit row of the reply, and rows 0-4 of the
// value table their thermometer's flag, whether a temperature came for them or not.
TEST(StatusWindow, EachPageTakesItsOwnBitRowAndEveryFlagItsRow) {
    QTemporaryDir dir;
    SimOptions options;
    // Every row differs: TM inputs 0x02, Inputs 0xA1, Outputs 0x0006, Vrele 0x0010,
    // Vterm 0x0008; flags 0x3C (thermometers 3-6); two temperatures only.
    options.state = QByteArray(49 + 8, '\0');
    options.state[3] = 0x02;
    options.state[4] = char(0xA1);
    options.state[6] = 0x06;
    options.state[8] = 0x10;
    options.state[12] = 0x08;
    options.state[27] = 0x3C;
    options.state[48] = 2;
    SimServer sim(options, SimServer::Faults{});
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    for (const char* item : {"zobraz_Fstav", "zobraz_Fvstupy", "zobraz_Fvystupy",
                             "zobraz_Ftermostaty", "zobraz_Fvrele"})
        run.find<QAction>(QLatin1String(item))->trigger();
    user::aimAt(run, sim.port());
    QWidget* w = nullptr;
    for (QWidget* window : run.window->allWindows())
        if (window->objectName() == QLatin1String("TFstav"))
            w = window;
    ASSERT_NE(w, nullptr);
    w->findChild<QAction*>(QStringLiteral("actStav"))->trigger();

    const QColor red(Qt::red), black(Qt::black);
    const std::pair<const char*, std::vector<int>> redOnes[] = {
        {"TFvstupy", {0}}, {"TFvystupy", {1, 2}}, {"TFvrele", {4}}, {"TFtermostaty", {3}}};
    for (const auto& [window, on] : redOnes)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(labelColour(run, window, k),
                      std::find(on.begin(), on.end(), k) != on.end() ? red : black)
                << window << " lp" << k;
    auto* values = w->findChild<QTableWidget*>(QStringLiteral("valueTable"));
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(values->item(r, 1)->background().color(), r >= 2 ? red : QColor(Qt::white))
            << "value row " << r;
    EXPECT_NE(values->item(5, 1)->background().color(), red); // bit 5 flags no row
}

} // namespace

namespace {

// What changes the unit waits for an administrator: the service panel's writing buttons
// are shown, and the status window's actions enabled, by the rights a login gave.
TEST(Rights, ServiceButtonsAndActionsFollowTheLogin) {
    QTemporaryDir dir;
    SimServer sim(adminPassword(QStringLiteral("pw")), SimServer::Faults{});
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    user::aimAt(run, sim.port());
    run.find<QAction>(QStringLiteral("zobraz_servis"))->trigger();
    run.find<QAction>(QStringLiteral("zobraz_Fstav"))->trigger();
    QWidget* status = run.window->window(QStringLiteral("TFstav"));
    ASSERT_NE(status, nullptr);
    auto* panel = run.window->findChild<QWidget*>(QStringLiteral("servicePanel"));
    ASSERT_TRUE(panel->isVisible());
    const char* writing[] = {"BSend1", "BSend2", "BOutputs", "BPwm", "BFlashUloz", "BNulujEn"};
    const char* reading[] = {"BRecv1", "BRecv2", "BRecvP", "BFlashNacti"};
    const std::pair<int, std::function<void()>> logins[] = {
        {0, [] {}},
        {1, [&] { user::loginAs(run, QStringLiteral("user"), QStringLiteral("user")); }},
        {2, [&] {
             run.find<QAction>(QStringLiteral("TBXItem8"))->trigger(); // "Logout"
             user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
         }}};
    for (const auto& [rights, login] : logins) {
        login();
        for (const char* name : writing)
            EXPECT_EQ(panel->findChild<QWidget*>(QLatin1String(name))->isVisible(), rights == 2)
                << name << " for rights " << rights;
        for (const char* name : reading)
            EXPECT_TRUE(panel->findChild<QWidget*>(QLatin1String(name))->isVisible()) << name;
        for (const unit::Command& action : unit::commands()) {
            if (action.group == unit::Group::Action) {
                EXPECT_EQ(
                    status->findChild<QAction*>(QLatin1String(action.objectName))->isEnabled(),
                    rights >= int(action.needs))
                    << action.objectName << " for rights " << rights;
            }
        }
    }

    // Two bytes into the device at "Adr. mem" 8, then read back: the lines count from there.
    const std::pair<const char*, int> fields[] = {
        {"PBadrmem", 8}, {"PBpoc", 2}, {"PBB1", 10}, {"PBB2", 20}};
    for (const auto& [name, value] : fields) {
        auto* box = panel->findChild<QSpinBox*>(QLatin1String(name));
        user::click(box);
        user::key(Qt::Key_A, Qt::ControlModifier);
        user::type(box->displayIntegerBase() == 2 ? QString::number(value, 2)
                                                  : QString::number(value));
        EXPECT_EQ(box->value(), value) << name;
    }
    auto* log = run.window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    log->clear();
    user::click(panel->findChild<QPushButton*>(QStringLiteral("BSend2")));
    user::click(panel->findChild<QPushButton*>(QStringLiteral("BRecvP")));
    EXPECT_EQ(log->toPlainText(), QStringLiteral("0\n8 - 10\n9 - 20"));

    // Zeroing the energy counters asks first; a no sends nothing.
    sim.clearRequests();
    run.dialogs.replies << false << true;
    user::click(panel->findChild<QPushButton*>(QStringLiteral("BNulujEn")));
    EXPECT_TRUE(sim.requests().isEmpty());
    user::click(panel->findChild<QPushButton*>(QStringLiteral("BNulujEn")));
    ASSERT_EQ(sim.requests().size(), 1);
    EXPECT_EQ(sim.requests().first().frame, QByteArray("#XE\0\0\0", 6));
    EXPECT_EQ(run.dialogs.questions.size(), 2);
}

} // namespace

namespace {

// "Automaticky" leaves out a tick that meets another transfer and stays on; its item says so.
TEST(StatusWindow, AutomaticOutlastsAnotherTransfer) {
    QTemporaryDir dir;
    SimServer sim({}, {.latencyMs = 30});
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    ToolRun run(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    run.find<QAction>(QStringLiteral("zobraz_Fstav"))->trigger();
    user::aimAt(run, sim.port());
    auto* automatic = run.window->window(QStringLiteral("TFstav"))
                          ->findChild<QAction*>(QStringLiteral("actAutomaticky"));
    automatic->trigger();
    EXPECT_EQ(automatic->text(), QStringLiteral("Auto&maticky: zapnuto"));
    // 80 requests 30 ms apart: at least one tick comes while the read runs.
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_TRUE(automatic->isChecked());
    automatic->trigger();
    EXPECT_EQ(automatic->text(), QStringLiteral("Auto&maticky"));
}

} // namespace
