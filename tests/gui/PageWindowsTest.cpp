#include "GuiSupport.h"
#include "TestSupport.h"
#include "editors/ModesPage.h"
#include "editors/PageWindow.h"
#include "image/FieldPage.h"
#include "logic/ThermostatPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

struct PageWindows : ::testing::Test {
    QTemporaryDir dir;
    SimServer sim{adminPassword(QStringLiteral("pw")), SimServer::Faults{}};
    std::unique_ptr<ToolRun> run;
    void SetUp() override {
        ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
        run = std::make_unique<ToolRun>(dir.filePath(QStringLiteral("Quel5_cf.ini")));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Opens a window from "Zobraz" (or brings it forward when it is open already).
    QWidget* open(const char* form) {
        QAction* tick = run->find<QAction>(QStringLiteral("zobraz_") + QLatin1String(form));
        if (!tick->isChecked())
            tick->trigger();
        for (QWidget* w : run->window->allWindows())
            if (auto* managed = qobject_cast<ManagedWindow*>(w))
                if (managed->formName() == QLatin1String(form)) {
                    ToolRun::activate(managed);
                    return managed;
                }
        return nullptr;
    }
    template <typename T> T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }
    void openFile(const QByteArray& image) {
        QFile f(path("in.ql5"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(image);
        f.close();
        run->dialogs.answers << path("in.ql5");
        run->find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    }
    QByteArray saved() {
        QFile::remove(path("out.ql5"));
        run->dialogs.answers << path("out.ql5");
        run->find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
        QFile f(path("out.ql5"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

// Each page window shows every field of its page under the field's name, its row
// captions and its column headings: what the table declares, the window shows.
TEST_F(PageWindows, EveryFieldOfThePageHasItsControlRowAndHeading) {
    int windows = 0;
    for (const WindowRow& row : windowTable())
        run->window->window(row.windowClass());
    for (QWidget* w : run->window->allWindows()) {
        auto* window = qobject_cast<PageWindow*>(w);
        if (!window)
            continue;
        ++windows;
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>())
            texts << label->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        for (const FieldSpec& f : window->page().fields()) {
            const QString name = QLatin1String(f.name);
            EXPECT_EQ(window->findChildren<QObject*>(name).size(), 1)
                << window->objectName().toStdString() << " " << f.name;
            if (*f.row) {
                EXPECT_TRUE(texts.contains(QString::fromUtf8(f.row))) << f.row;
                // A column without a heading names its controls in their tool tips.
                const QString caption = QString::fromUtf8(f.caption);
                EXPECT_TRUE(texts.contains(caption) ||
                            window->findChild<QWidget*>(name)->toolTip() == caption)
                    << f.caption;
            }
        }
    }
    EXPECT_EQ(windows, 6);
}

TEST_F(PageWindows, InputsShowTheirBytesAndStoreWhatIsTyped) {
    QByteArray image(8000, '\0');
    image[360] = 0x11;
    image[363] = 0x08; // X6/SO1 trap 2
    image[365] = 40;
    image[368] = char(0xE8);
    image[369] = 0x03;
    image.replace(5040, 7, QByteArray("Kotel\0", 6) + '\0');
    openFile(image);
    QWidget* w = open("Fvstupy");
    EXPECT_EQ(user::focus(), in<QSpinBox>(w, "sopp0")); // the window opens on it
    EXPECT_TRUE(in<QCheckBox>(w, "inp0")->isChecked());
    EXPECT_TRUE(in<QCheckBox>(w, "inp4")->isChecked());
    EXPECT_FALSE(in<QCheckBox>(w, "inp1")->isChecked());
    EXPECT_TRUE(in<QCheckBox>(w, "int23")->isChecked());
    EXPECT_EQ(in<QSpinBox>(w, "sodp1")->value(), 40);
    EXPECT_EQ(in<QSpinBox>(w, "sopp1")->value(), 1000);
    EXPECT_EQ(in<QLineEdit>(w, "inpop2")->text(), QStringLiteral("Kotel"));
    EXPECT_EQ(in<QLabel>(w, "lp03")->text(), QStringLiteral("X6/SO1"));

    user::click(in<QCheckBox>(w, "inn0"));
    user::retype(in<QSpinBox>(w, "sopp0"), QStringLiteral("1000"));
    user::retype(in<QSpinBox>(w, "sodp0"), QStringLiteral("999")); // takes no third 9
    user::retype(in<QLineEdit>(w, "inpop0"), QStringLiteral("Čerpadlo topení dlouhé"));
    const QByteArray out = saved();
    EXPECT_EQ(out.mid(360, 10), QByteArray::fromHex("110100086328E803E803"));
    EXPECT_EQ(out.mid(5000, 20), QByteArray("\xC8"
                                            "erpadlo topen\xED dlo\0",
                                            20));
}

TEST_F(PageWindows, TheEnergyPresetAppearsOnlyForAnAdministrator) {
    QWidget* w = open("Fvstupy");
    auto* preset = in<QPushButton>(w, "LMDButton1");
    auto typeSequence = [&](Qt::Key second) {
        user::click(in<QSpinBox>(w, "sopp0"));
        user::key(Qt::Key_E, Qt::ControlModifier);
        user::key(second, Qt::ControlModifier);
    };
    typeSequence(Qt::Key_P);
    EXPECT_FALSE(preset->isVisibleTo(w));

    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    ToolRun::activate(w);
    typeSequence(Qt::Key_P);
    EXPECT_TRUE(preset->isVisibleTo(w));
    EXPECT_TRUE(in<QLabel>(w, "Label7")->isVisibleTo(w));
    EXPECT_EQ(in<QLabel>(w, "Label7")->text(),
              QStringLiteral("Energie ( musí sedět počet pulzů) [kWh]"));
    // The first key and then another hides it again.
    typeSequence(Qt::Key_X);
    EXPECT_FALSE(preset->isVisibleTo(w));
    typeSequence(Qt::Key_P);

    user::retype(in<QSpinBox>(w, "sopp0"), QStringLiteral("1000"));
    user::retype(in<QDoubleSpinBox>(w, "PBNumEdit2"), QStringLiteral("12.5"));
    sim.clearRequests();
    user::click(preset);
    ASSERT_EQ(sim.requests().size(), 1);
    EXPECT_EQ(sim.requests()[0].frame, QByteArray::fromHex("23586501050000D4300000"));
}

TEST_F(PageWindows, OutputsFollowTheScreenOrderAndTheRelayList) {
    QByteArray image(8000, '\0');
    image[370] = 0x10; // row 4 is X12
    image[378 + 4] = 15;
    image[378 + 9] = 42; // outside the list
    openFile(image);
    QWidget* w = open("Fvystupy");
    EXPECT_EQ(in<QLabel>(w, "lp04")->text(), QStringLiteral("X12"));
    EXPECT_TRUE(in<QCheckBox>(w, "outp04")->isChecked());
    EXPECT_EQ(in<QComboBox>(w, "outvr04")->currentText(), QStringLiteral("16"));
    EXPECT_EQ(in<QComboBox>(w, "outvr00")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(in<QComboBox>(w, "outvr09")->currentIndex(), -1);
    EXPECT_EQ(in<QComboBox>(w, "outvr09")->count(), 17);

    user::click(in<QCheckBox>(w, "outp09"));
    user::pick(in<QComboBox>(w, "outvr09"), 16); // "OFF"
    user::retype(in<QLineEdit>(w, "outpop09"), QStringLiteral("Čerpadlo"));
    const QByteArray out = saved();
    EXPECT_EQ(out.mid(370, 2), QByteArray::fromHex("1002"));
    EXPECT_EQ(int(std::uint8_t(out.at(378 + 9))), 0x10);
    EXPECT_EQ(out.mid(5160 + 9 * 20, 9), QByteArray("\xC8"
                                                    "erpadlo\0",
                                                    9));
}

TEST_F(PageWindows, TheAnalogOutputShowsModeTenthsAndRows) {
    QByteArray image(8000, '\0');
    image[394] = char(0xFF); // shows the last mode
    image[395] = 25;
    image.replace(407, 6, QByteArray::fromHex("100F050A5A32"));
    openFile(image);
    QWidget* w = open("Favystup");
    EXPECT_TRUE(in<QRadioButton>(w, "lrvp3")->isChecked());
    EXPECT_EQ(in<QRadioButton>(w, "lrvp3")->text(), QStringLiteral("X20/PWM INV"));
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "avhs")->value(), 2.5);
    EXPECT_EQ(in<QComboBox>(w, "atr1")->currentText(), QStringLiteral("MAX"));
    EXPECT_EQ(in<QComboBox>(w, "avr1")->currentText(), QStringLiteral("R16"));
    EXPECT_EQ(in<QComboBox>(w, "aov1")->currentText(), QStringLiteral("~IN2"));
    EXPECT_EQ(in<QSpinBox>(w, "amx1")->value(), 90);

    user::click(in<QRadioButton>(w, "lrvp2"));
    user::retype(in<QSpinBox>(w, "maxpwm"), QStringLiteral("1000"));
    // A step down from the least value stays there: 0.1 and 1.
    user::retype(in<QDoubleSpinBox>(w, "avhs"), QStringLiteral("0.1"));
    user::key(Qt::Key_Down);
    const QByteArray out = saved();
    EXPECT_EQ(out.mid(394, 5), QByteArray::fromHex("020100E803"));
    EXPECT_EQ(out.mid(407, 6), QByteArray::fromHex("100F050A5A32"));
    user::retype(in<QSpinBox>(w, "maxpwm"), QStringLiteral("1"));
    user::key(Qt::Key_Down);
    EXPECT_EQ(saved().mid(397, 2), QByteArray::fromHex("0100"));
}

TEST_F(PageWindows, ThermometersShowMinimumsAndStoreTraps) {
    QByteArray image(8000, '\0');
    image[439] = 0; // LMDreadcount shows 1
    image[456] = 5; // LMDerrdif shows 10
    image[453] = char(0xFF);
    image[448] = 7;
    openFile(image);
    QWidget* w = open("Fquel5");
    EXPECT_EQ(in<QSpinBox>(w, "LMDreadcount")->value(), 1);
    EXPECT_EQ(in<QSpinBox>(w, "LMDerrdif")->value(), 10);
    EXPECT_EQ(in<QComboBox>(w, "temp0")->currentIndex(), -1);
    EXPECT_EQ(in<QComboBox>(w, "temp1")->currentText(), QStringLiteral("X2/1"));
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(in<QCheckBox>(w, qPrintable(QStringLiteral("ttr1%1").arg(k)))->isChecked());

    user::click(in<QCheckBox>(w, "ttr11"));
    user::retype(in<QSpinBox>(w, "LMDbptm"), QStringLiteral("300"));
    user::pick(in<QComboBox>(w, "temp0"), 5);
    const QByteArray out = saved();
    EXPECT_EQ(out.mid(437, 20), QByteArray::fromHex("0000010000002C01000000"
                                                    "0500000000"
                                                    "1D00000A"));
}

TEST_F(PageWindows, EachUlozSendsItsRecordAndRangeAndFollowsTheRights) {
    const struct {
        const char* form;
        QList<int> writes;
    } pages[] = {
        {"Fvstupy", {360, 5000, 5100}},
        {"Fvystupy", {370, 5160, 5260, 5360, 5460}},
        {"Favystup", {394, 5580}},
        {"Fquel5", {437, 5480}},
        {"Ftermostaty", {1000, 1100, 1200, 1300, 1400, 5660, 5760, 5860, 5960, 6060, 6160, 6260}}};
    for (const auto& p : pages)
        EXPECT_FALSE(in<QPushButton>(open(p.form), "LButtU")->isEnabled()) << p.form;
    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    for (const auto& p : pages) {
        QWidget* w = open(p.form);
        sim.clearRequests();
        user::click(in<QPushButton>(w, "LButtU"));
        QList<int> written;
        for (const QString& line : writesSeen(sim))
            written << line.section(QLatin1Char(' '), 0, 0).toInt();
        EXPECT_EQ(written, p.writes) << p.form;
    }
}

// "Porovnej s jednotkou": the edits of two pages, each under its page's tick; the ticked
// page alone goes to the unit, verified; then nothing differs.
TEST_F(PageWindows, CompareWithTheUnitUploadsTheTickedPages) {
    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    run->find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    user::retype(in<QLineEdit>(open("Fvstupy"), "inpop0"), QStringLiteral("Okno"));
    user::click(in<QCheckBox>(open("Fvystupy"), "outn01"));
    run->find<QAction>(QStringLiteral("menuPorovnej"))->trigger();
    auto* tree = run->find<QTreeWidget>(QStringLiteral("Rozdily"));
    ASSERT_TRUE(tree && tree->isVisible());
    QStringList shown;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        shown << QStringList{(*it)->text(0), (*it)->text(1), (*it)->text(2)}.join(QLatin1Char('|'));
    EXPECT_EQ(shown, (QStringList{"Vstupy (1)||", "X8 / Popis|Vstup 1|Okno", "Výstupy (1)||",
                                  "X14 / Negace|ne|ano"}));
    // The first page's tick off with the space bar, then the upload.
    user::click(tree);
    user::key(Qt::Key_Home);
    user::key(Qt::Key_Space);
    EXPECT_EQ(tree->topLevelItem(0)->checkState(0), Qt::Unchecked);
    sim.clearRequests();
    user::click(run->find<QPushButton>(QStringLiteral("BNahrajVybrane")));
    QList<int> written;
    for (const QString& line : writesSeen(sim))
        written << line.section(QLatin1Char(' '), 0, 0).toInt();
    EXPECT_EQ(written, (QList<int>{370, 5160, 5260, 5360, 5460}));
    EXPECT_FALSE(tree->isVisible());
    EXPECT_TRUE(run->find<QPlainTextEdit>(QStringLiteral("Memo1"))
                    ->toPlainText()
                    .contains(QStringLiteral("Vše zapsáno a ověřeno čtením zpět")));
    EXPECT_EQ(run->window->editedPages(), Selectors::only(PageSlot::Inputs));

    run->find<QAction>(QStringLiteral("menuPorovnej"))->trigger();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    user::click(run->find<QPushButton>(QStringLiteral("BNahrajVybrane")));
    run->find<QAction>(QStringLiteral("menuPorovnej"))->trigger();
    EXPECT_EQ(run->dialogs.takeMessages(),
              QStringList{"Okna drží stejnou konfiguraci jako jednotka 127.0.0.1."});
    EXPECT_FALSE(run->window->isWindowModified());
}

TEST_F(PageWindows, EditedPagesSurviveSaveOpenUploadAndReadBack) {
    QWidget* inputs = open("Fvstupy");
    user::click(in<QCheckBox>(inputs, "inp2"));
    user::retype(in<QLineEdit>(inputs, "inpop2"), QStringLiteral("Okno"));
    QWidget* outputs = open("Fvystupy");
    user::pick(in<QComboBox>(outputs, "outvr05"), 7);
    QWidget* analog = open("Favystup");
    user::retype(in<QSpinBox>(analog, "pr2"), QStringLiteral("99"));
    QWidget* thermometers = open("Fquel5");
    user::retype(in<QSpinBox>(thermometers, "LMDsavetm"), QStringLiteral("600"));
    QWidget* thermostats = open("Ftermostaty");
    user::pick(in<QComboBox>(thermostats, "trt00"), 2);
    user::retype(in<QDoubleSpinBox>(thermostats, "trtl000"), QStringLiteral("-7.5"));
    QWidget* modes = open("Frezim");
    user::click(in<QCheckBox>(modes, "re110"));
    user::click(in<QRadioButton>(modes, "rd11"));
    auto check = [&] {
        EXPECT_TRUE(in<QCheckBox>(modes, "re110")->isChecked());
        EXPECT_TRUE(in<QRadioButton>(modes, "rd11")->isChecked());
        EXPECT_EQ(in<QComboBox>(thermostats, "trt00")->currentIndex(), 2);
        EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(thermostats, "trtl000")->value(), -7.5);
        EXPECT_TRUE(in<QCheckBox>(inputs, "inp2")->isChecked());
        EXPECT_EQ(in<QLineEdit>(inputs, "inpop2")->text(), QStringLiteral("Okno"));
        EXPECT_EQ(in<QComboBox>(outputs, "outvr05")->currentText(), QStringLiteral("8"));
        EXPECT_EQ(in<QSpinBox>(analog, "pr2")->value(), 99);
        EXPECT_EQ(in<QSpinBox>(thermometers, "LMDsavetm")->value(), 600);
    };
    auto spoil = [&] {
        user::click(in<QCheckBox>(inputs, "inp2"));
        user::retype(in<QLineEdit>(inputs, "inpop2"), QStringLiteral("x"));
        user::pick(in<QComboBox>(outputs, "outvr05"), 0);
        user::retype(in<QSpinBox>(analog, "pr2"), QStringLiteral("1"));
        user::retype(in<QSpinBox>(thermometers, "LMDsavetm"), QStringLiteral("1"));
        user::retype(in<QDoubleSpinBox>(thermostats, "trtl000"), QStringLiteral("3"));
        user::click(in<QCheckBox>(modes, "re110"));
        user::click(in<QRadioButton>(modes, "rd10"));
    };
    // The caption carries the mark while edits are neither saved nor uploaded; opening a
    // file over them asks first.
    EXPECT_TRUE(caption(run->window.get()).endsWith(QLatin1Char('*')));
    const QByteArray file = saved();
    EXPECT_FALSE(caption(run->window.get()).endsWith(QLatin1Char('*')));
    spoil();
    EXPECT_TRUE(run->window->isWindowModified());
    run->dialogs.saveReplies << UserDialogs::SaveChoice::Cancel;
    run->find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_TRUE(run->window->isWindowModified());
    run->dialogs.saveReplies << UserDialogs::SaveChoice::Discard;
    run->dialogs.answers << path("out.ql5");
    run->find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_FALSE(run->window->isWindowModified());
    check();
    ASSERT_EQ(run->dialogs.questions.size(), 2);
    EXPECT_TRUE(run->dialogs.questions[0].contains(
        QStringLiteral("(Vstupy, Výstupy, Výstup 0-10V, Režim, Quel5, Termostaty)")));

    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    run->find<QAction>(QStringLiteral("menuUlozVseMimoEth"))->trigger();
    EXPECT_FALSE(run->window->isWindowModified());
    spoil();
    run->find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_FALSE(run->window->isWindowModified());
    check();
    EXPECT_EQ(sim.unit().memory().mid(437 + 9, 2), QByteArray::fromHex("5802"));
    EXPECT_EQ(file.mid(437 + 9, 2), QByteArray::fromHex("5802"));
    EXPECT_EQ(sim.unit().memory().mid(425, 12).toHex(), QByteArray("7e0100000000000400000000"));
    EXPECT_EQ(sim.unit().memory().mid(1000, 16), QByteArray::fromHex("01000000020000"
                                                                     "00B5FFB5FF00000000"));
}

} // namespace

namespace {

QByteArray thermostatImage() {
    QByteArray image(8000, '\0');
    image.replace(1004, 12, QByteArray::fromHex("010000000A000A0014001400")); // T1: 1.0/2.0
    image.replace(1004 + 24, 12, QByteArray::fromHex("040100 00D200D20014821482").replace(' ', ""));
    image.replace(5660, 6, QByteArray("Kotel\0", 6));
    return image;
}

QStringList shownRows(QWidget* w) {
    QStringList rows;
    for (int k = 0; k < 32; ++k) {
        auto* name = w->findChild<QLabel*>(QStringLiteral("lp%1").arg(k, 2, 10, QLatin1Char('0')));
        if (name->isVisibleTo(w))
            rows << name->text();
    }
    return rows;
}

} // namespace

// The type picker shows the boxes of its type under their captions, one free row stays on
// show, the mode switch shows the other set of limits, and what is typed lands in the
// records.
TEST_F(PageWindows, ThermostatRowsFollowTheirTypeAndMode) {
    QWidget* w = open("Ftermostaty");
    EXPECT_EQ(shownRows(w).size(), 16); // nothing read yet
    openFile(thermostatImage());
    EXPECT_EQ(shownRows(w), QStringList({"T1", "T2", "T3"}));
    auto visible = [&](const char* name) { return in<QWidget>(w, name)->isVisibleTo(w); };
    EXPECT_TRUE(visible("trf00") && visible("trth000") && !visible("trtp000"));
    EXPECT_FALSE(visible("trte101")); // T2 is free
    EXPECT_EQ(in<QLabel>(w, "trll002")->text(), QStringLiteral("SP"));
    EXPECT_EQ(in<QLabel>(w, "trlh002")->text(), QStringLiteral("dT"));
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "trtp002")->value(), 13.0);
    EXPECT_EQ(in<QLineEdit>(w, "trpop00")->text(), QStringLiteral("Kotel"));
    EXPECT_EQ(in<QComboBox>(w, "trt00")->toolTip(), ThermostatPage::TypeNames[1]);
    // "Mod 1" boxes in red, the second sensor's list not; PB steps by whole degrees.
    EXPECT_EQ(in<QWidget>(w, "trtl100")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_NE(in<QWidget>(w, "trte100")->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "trtp002")->singleStep(), 1.0);

    // T2 becomes type 3: its loop boxes appear, and T4 as the next free row.
    user::pick(in<QComboBox>(w, "trt01"), 3);
    EXPECT_EQ(shownRows(w), QStringList({"T1", "T2", "T3", "T4"}));
    EXPECT_TRUE(visible("trf01") && visible("trtl001") && visible("trth001"));
    EXPECT_FALSE(visible("trte101") || visible("trtp001"));
    user::pick(in<QComboBox>(w, "trf01"), 2); // AVG shows the second sensor
    EXPECT_TRUE(visible("trte101"));
    user::retype(in<QDoubleSpinBox>(w, "trtl001"), QStringLiteral("19.5"));
    // A type whose box takes less (dT of type 4) keeps the value it holds: type 3 again
    // brings TH -5.0 back whole.
    user::retype(in<QDoubleSpinBox>(w, "trth001"), QStringLiteral("-5"));
    user::pick(in<QComboBox>(w, "trt01"), 4);
    user::pick(in<QComboBox>(w, "trt01"), 3);
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "trth001")->value(), -5.0);
    user::retype(in<QDoubleSpinBox>(w, "trth001"), QStringLiteral("21"));

    // "Mod 1" shows the second set in the same places; labels stay.
    user::click(in<QRadioButton>(w, "LMDRmod1"));
    EXPECT_FALSE(visible("trtl001"));
    EXPECT_TRUE(visible("trtl101") && visible("trth101") && visible("trll001"));
    EXPECT_EQ(in<QDoubleSpinBox>(w, "trtl101")->geometry(),
              in<QDoubleSpinBox>(w, "trtl001")->geometry());
    user::retype(in<QDoubleSpinBox>(w, "trtl101"), QStringLiteral("17"));
    // dT of type 4 holds no more than its byte: the second 9 is refused.
    user::retype(in<QDoubleSpinBox>(w, "trth102"), QStringLiteral("99"));
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "trth102")->value(), 9.0);
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(w, "trth102")->maximum(), 25.5);

    // T1 set free: the later free row goes.
    user::pick(in<QComboBox>(w, "trt00"), 0);
    EXPECT_EQ(shownRows(w), QStringList({"T1", "T2", "T3"}));
    EXPECT_FALSE(visible("trte000") || visible("trpop00"));

    const QByteArray out = saved();
    EXPECT_EQ(out.mid(1000, 4).toHex(), QByteArray("06000000"));
    EXPECT_EQ(out.mid(1004, 12).toHex(), QByteArray(24, '0'));
    // A "Mod 1" with a value of its own is kept as entered, its other box at 0.
    EXPECT_EQ(out.mid(1016, 12).toHex(), QByteArray("03000002c300aa00d2000000"));
    EXPECT_EQ(out.mid(1028 + 4, 8).toHex(), QByteArray("d20000001482"
                                                       "5a00"));
}

// "Tisk" gathers the windows and previews the report: the thermostat rows by position with
// their types, and the pages after them; twice gives the same text.
TEST_F(PageWindows, PrintPreviewsTheReportOfWhatTheWindowsHold) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    openFile(thermostatImage());
    QWidget* w = open("Ftermostaty");
    user::pick(in<QComboBox>(w, "trt01"), 3);
    auto print = [&](const char* item = "menuTisk") {
        run->find<QAction>(QLatin1String(item))->trigger();
        EXPECT_EQ(run->dialogs.previews.size(), 1);
        const QByteArray pdf = run->dialogs.previews.value(0);
        run->dialogs.previews.clear();
        return pdfText(pdf, dir.path());
    };
    const QString first = print();
    EXPECT_TRUE(first.contains(QStringLiteral("Typ 0: 1\nTyp 1: 3\nTyp 2: 4\n")))
        << qPrintable(first);
    EXPECT_FALSE(first.contains(QStringLiteral("Záznam o nastavení")));
    EXPECT_EQ(print(), first);
    // The commissioning record is its own item.
    const QString record = print("menuTiskZaznamu");
    EXPECT_TRUE(record.contains(QStringLiteral("T2 / TL (Mod 0): 0.0"))) << qPrintable(record);
    EXPECT_FALSE(record.contains(QStringLiteral("Typ 1: 3")));
}

// Dragging along a row of hour switches sets every hour passed to the state the first one
// took; the week strip paints each day's hours in its profile's colour at once.
TEST_F(PageWindows, HourSwitchesSetByDraggingAndTheWeekStripFollows) {
    QWidget* w = open("Frezim");
    auto* strip = in<QWidget>(w, "WeekStrip");
    auto hourPixel = [&](int screenLine, int hour) {
        // Under the hour's switch.
        const QImage image = strip->grab().toImage();
        const int line = strip->property("lineHeight").toInt();
        auto* box = in<QCheckBox>(w, qPrintable(ModesPage::hourName(0, hour)));
        const int x = strip->mapFrom(w, box->mapTo(w, box->rect().center())).x();
        return image.pixelColor(x, screenLine * line + line / 2);
    };
    const QColor monday4 = hourPixel(0, 4);
    auto drag = [&](const char* from, const char* to) {
        auto* first = in<QCheckBox>(w, from);
        auto* last = in<QCheckBox>(w, to);
        QTest::mousePress(first, Qt::LeftButton, {}, first->rect().center());
        // Straight to the last switch, passing the others within one move.
        QTest::mouseMove(last, last->rect().center() + QPoint(0, 3));
        QTest::mouseRelease(last, Qt::LeftButton, {}, last->rect().center());
    };
    drag("re003", "re008");
    QStringList on;
    for (int h = 0; h < 24; ++h)
        if (in<QCheckBox>(w, qPrintable(ModesPage::hourName(0, h)))->isChecked())
            on << QString::number(h);
    EXPECT_EQ(on.join(QLatin1Char(' ')), QStringLiteral("3 4 5 6 7 8"));
    EXPECT_NE(hourPixel(0, 4), monday4); // Monday runs profile 0
    drag("re006", "re004");              // was on: off back to 4
    on.clear();
    for (int h = 0; h < 24; ++h)
        if (in<QCheckBox>(w, qPrintable(ModesPage::hourName(0, h)))->isChecked())
            on << QString::number(h);
    EXPECT_EQ(on.join(QLatin1Char(' ')), QStringLiteral("3 7 8"));
    EXPECT_EQ(hourPixel(0, 4), monday4);
    EXPECT_FALSE(in<QCheckBox>(w, "re103")->isChecked()); // the other row stays
    // Monday on profile 1 leaves its line without profile 0's hours.
    user::click(in<QRadioButton>(w, "rd21"));
    EXPECT_EQ(hourPixel(0, 3), hourPixel(0, 4));
    EXPECT_NE(hourPixel(1, 3), hourPixel(1, 4)); // Tuesday still has hour 3

    const QByteArray out = saved();
    EXPECT_EQ(out.mid(425, 6).toHex(), QByteArray("7d0200880100"));
}

// "Načti" reads the unit's clock into the pickers and ends "Synchro"; "Pošli" sets it for an
// administrator; a clock without a time and a year it cannot hold are said, not shown.
TEST_F(PageWindows, TheClockIsReadAndSetFromTheWindow) {
    sim.unit().setClock(QByteArray::fromHex("8307090A050312"));
    QWidget* w = open("Frezim");
    auto* date = in<QDateEdit>(w, "DateTimePicker1");
    auto* time = in<QTimeEdit>(w, "DateTimePicker2");
    EXPECT_TRUE(in<QCheckBox>(w, "LMDCheckBox1")->isChecked());
    EXPECT_EQ(date->date(), QDate::currentDate());
    user::aimAt(*run, sim.port());
    ToolRun::activate(w);
    user::click(in<QPushButton>(w, "LMDButton1"));
    EXPECT_FALSE(in<QCheckBox>(w, "LMDCheckBox1")->isChecked());
    EXPECT_EQ(date->date(), QDate(2012, 3, 5));
    EXPECT_GE(time->time(), QTime(9, 7, 3));
    EXPECT_LE(time->time(), QTime(9, 7, 6));

    EXPECT_FALSE(in<QPushButton>(w, "LButtPC")->isEnabled());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    ToolRun::activate(w);
    // Into the picker, Tab and back selects the hours; each section takes two digits and
    // passes on to the next.
    user::click(time);
    user::key(Qt::Key_Tab);
    user::key(Qt::Key_Backtab);
    user::type(QStringLiteral("235958"));
    EXPECT_EQ(time->time(), QTime(23, 59, 58));
    // Digits typed where the cursor stands, nothing selected, go into that section.
    user::key(Qt::Key_End);
    user::type(QStringLiteral("30"));
    EXPECT_EQ(time->time(), QTime(23, 59, 30));
    user::key(Qt::Key_End);
    user::type(QStringLiteral("58"));
    user::click(in<QPushButton>(w, "LButtPC"));
    // The registers, then the clock read back.
    const auto& set = sim.requests()[sim.requests().size() - 2];
    EXPECT_EQ(set.frame.mid(0, 3), QByteArray("#Xi"));
    EXPECT_EQ(set.frame.mid(9).toHex(), QByteArray("d859230a050312"));
    EXPECT_EQ(sim.requests().last().frame.mid(0, 3), QByteArray("#XI"));

    date->setDate(QDate(2100, 1, 1));
    const qsizetype sent = sim.requests().size();
    user::click(in<QPushButton>(w, "LButtPC"));
    EXPECT_EQ(sim.requests().size(), sent);
    EXPECT_TRUE(run->dialogs.takeMessages().value(0).startsWith(QStringLiteral("Rok 2100")));

    sim.unit().setClock(QByteArray::fromHex("00000000000000"));
    user::click(in<QPushButton>(w, "LMDButton1"));
    EXPECT_EQ(date->date(), QDate(2100, 1, 1)); // kept
    EXPECT_TRUE(run->dialogs.takeMessages().value(0).startsWith(
        QStringLiteral("Hodiny jednotky neobsahují platné datum a čas")));
}

namespace {

// "Ulož" reads back what it wrote: a byte the unit keeps wrongly is said, with its page;
// unticking "Ověřit zápis" leaves the read-back out, and the tick is remembered.
TEST(VerifiedUpload, AByteKeptWronglyIsSaidAndTheTickIsRemembered) {
    QTemporaryDir dir;
    SimOptions options = adminPassword(QStringLiteral("pw"));
    options.corruptAddress = 372;
    SimServer sim{options, SimServer::Faults{}};
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    const QString ini = dir.filePath(QStringLiteral("Quel5_cf.ini"));
    {
        ToolRun run(ini);
        user::aimAt(run, sim.port());
        user::loginAs(run, QStringLiteral("admin"), QStringLiteral("pw"));
        run.find<QAction>(QStringLiteral("zobraz_Fvystupy"))->trigger();
        QPushButton* save = nullptr;
        for (QWidget* w : run.window->allWindows())
            if (w->objectName() == QLatin1String("TFvystupy"))
                save = w->findChild<QPushButton*>(QStringLiteral("LButtU"));
        ASSERT_NE(save, nullptr);
        user::click(save);
        ASSERT_EQ(run.dialogs.shown.size(), 1u);
        EXPECT_EQ(run.dialogs.shown[0].text,
                  QStringLiteral("Jednotka nedrží vše, co jí bylo zapsáno."));
        EXPECT_TRUE(run.dialogs.shown[0].detail.contains(QStringLiteral("(Výstupy: 372)")));
        run.dialogs.takeMessages();
        auto* verify = run.find<QAction>(QStringLiteral("menuOveritZapis"));
        EXPECT_TRUE(verify->isChecked());
        verify->trigger();
        user::click(save);
        EXPECT_TRUE(run.dialogs.takeMessages().isEmpty());
    }
    ToolRun again(ini);
    EXPECT_FALSE(again.find<QAction>(QStringLiteral("menuOveritZapis"))->isChecked());
}

} // namespace
