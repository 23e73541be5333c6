#include "GuiSupport.h"
#include "TestSupport.h"
#include "editors/PageWindow.h"
#include "image/FieldPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

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
                EXPECT_TRUE(texts.contains(QString::fromUtf8(f.caption))) << f.caption;
            }
        }
    }
    EXPECT_EQ(windows, 4);
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
    } pages[] = {{"Fvstupy", {360, 5000, 5100}},
                 {"Fvystupy", {370, 5160, 5260, 5360, 5460}},
                 {"Favystup", {394, 5580}},
                 {"Fquel5", {437, 5480}}};
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
    auto check = [&] {
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
    };
    const QByteArray file = saved();
    spoil();
    run->dialogs.answers << path("out.ql5");
    run->find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    check();

    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("pw"));
    run->find<QAction>(QStringLiteral("menuUlozVseMimoEth"))->trigger();
    spoil();
    run->find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    check();
    EXPECT_EQ(sim.unit().memory().mid(437 + 9, 2), QByteArray::fromHex("5802"));
    EXPECT_EQ(file.mid(437 + 9, 2), QByteArray::fromHex("5802"));
}

} // namespace
