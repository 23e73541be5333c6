#include "GuiSupport.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Shell : ::testing::Test {
    QTemporaryDir dir;
    QString ini() const { return dir.filePath(QStringLiteral("Quel5_cf.ini")); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

void typeAddress(ToolRun& run, const QString& text) {
    QLineEdit* edit = run.window->addressBox()->lineEdit();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList titles(ToolRun& run) {
    QStringList list;
    for (const auto& [window, prefix] : run.window->addressTitledWindows())
        list << window->windowTitle();
    return list;
}

TEST_F(Shell, AddressBoxAcceptsValidAddressesOnceAndRetitlesNineWindows) {
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("192.168.1.20"));
    typeAddress(run, QStringLiteral("192.168.1.20"));
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"192.168.1.20"});
    EXPECT_EQ(titles(run), (QStringList{"Vstupy - 192.168.1.20", "Výstupy - 192.168.1.20",
                                        "Výstup 0-10V - 192.168.1.20", "Rezim - 192.168.1.20",
                                        "Quel5.00.04 - 192.168.1.20", "Termostaty - 192.168.1.20",
                                        "Viruální relé - 192.168.1.20", "Přihlášení - 192.168.1.20",
                                        "Změna hesla - 192.168.1.20"}));
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("Quel5.00.04"));
    EXPECT_EQ(run.window->window(QStringLiteral("TFstav"))->windowTitle(), QStringLiteral("Fstav"));
    EXPECT_TRUE(run.dialogs.messages.isEmpty());
}

TEST_F(Shell, AddressBoxRefusesBadAddressesAndKeepsItsText) {
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("10.0.0.1"));
    for (const char* bad : {"192.168.1.256", "abc"}) {
        typeAddress(run, QString::fromLatin1(bad));
        EXPECT_EQ(run.dialogs.messages.takeLast(), QStringLiteral("Špatná IP adresa"));
        EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
    }
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.0.0.1"});

    // Esc throws the typing away.
    QLineEdit* edit = run.window->addressBox()->lineEdit();
    QTest::keyClicks(edit, QStringLiteral("99"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
}

TEST_F(Shell, EmptyAddressRemovesTheSelectedEntryOrIsRefused) {
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("10.0.0.1"));
    typeAddress(run, QStringLiteral("10.0.0.2"));
    typeAddress(run, QString());
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.0.0.1"});
    EXPECT_EQ(run.window->addressBox()->currentText(), QString());
    for (const QString& title : titles(run))
        EXPECT_TRUE(title.endsWith(QStringLiteral(" - "))) << title.toStdString();
    EXPECT_TRUE(run.dialogs.messages.isEmpty());

    typeAddress(run, QString());
    EXPECT_EQ(run.dialogs.messages, QStringList{"Špatná IP adresa"});

    // Picking an entry takes it without changing the history.
    run.window->addressBox()->setCurrentIndex(0);
    emit run.window->addressBox()->activated(0);
    EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(titles(run).first(), QStringLiteral("Vstupy - 10.0.0.1"));
}

TEST_F(Shell, OpenWindowsHistoryAndFileComeBackAtTheNextStart) {
    const QString file = path("unit.ql5");
    {
        ToolRun run(ini());
        run.find<QAction>(QStringLiteral("zobraz_Fvstupy"))->trigger();
        run.find<QAction>(QStringLiteral("zobraz_Fstav"))->trigger();
        // Opening and closing a window by its tick leaves it closed.
        run.find<QAction>(QStringLiteral("zobraz_Frezim"))->trigger();
        run.find<QAction>(QStringLiteral("zobraz_Frezim"))->trigger();
        run.find<QAction>(QStringLiteral("zobraz_Fvice"))->trigger();
        typeAddress(run, QStringLiteral("10.0.0.1"));
        typeAddress(run, QStringLiteral("10.0.0.2"));
        run.dialogs.answers << file;
        run.find<QAction>(QStringLiteral("menuUloz"))->trigger();
        ASSERT_TRUE(QFile::exists(file));
        // Hiding a window by its close box removes the tick too.
        run.window->window(QStringLiteral("TFstav"))->close();
        EXPECT_FALSE(run.find<QAction>(QStringLiteral("zobraz_Fstav"))->isChecked());
        run.find<QAction>(QStringLiteral("zobraz_Fstav"))->trigger();
    }

    QSettings stored(ini(), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("TForm1"));
    EXPECT_EQ(stored.value("Fvstupy").toInt(), 1);
    EXPECT_EQ(stored.value("Fstav").toInt(), 1);
    EXPECT_EQ(stored.value("Frezim").toInt(), 0);
    EXPECT_EQ(stored.value("Fvice").toInt(), 1);
    EXPECT_EQ(stored.value("IP_ADR_count").toInt(), 2);
    EXPECT_EQ(stored.value("IP_ADR_idx").toInt(), 1);
    EXPECT_EQ(stored.value("IP_ADR_1").toString(), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(stored.value("SOUBOR").toString(), file);
    stored.endGroup();
    EXPECT_EQ(stored.value("TFvstupy/FormVersion").toInt(), 0);
    EXPECT_EQ(stored.value("TFvstupy/Visible").toInt(), 1);
    EXPECT_TRUE(stored.contains("TFrezim/NormPos"));
    EXPECT_FALSE(stored.contains("TFvystupy/NormPos")); // never shown

    ToolRun next(ini());
    for (const char* name : {"TFvstupy", "TFstav"}) {
        EXPECT_TRUE(next.window->window(QLatin1String(name))->isVisible()) << name;
    }
    EXPECT_TRUE(next.find<QAction>(QStringLiteral("zobraz_Fvstupy"))->isChecked());
    EXPECT_TRUE(next.find<QAction>(QStringLiteral("zobraz_Fstav"))->isChecked());
    EXPECT_FALSE(next.window->window(QStringLiteral("TFrezim"))->isVisible());
    EXPECT_FALSE(next.find<QAction>(QStringLiteral("zobraz_Frezim"))->isChecked());
    EXPECT_TRUE(next.find<QAction>(QStringLiteral("zobraz_Fvice"))->isChecked());
    EXPECT_TRUE(next.find<QSpinBox>(QStringLiteral("udpport"))->isVisibleTo(next.window.get()));
    EXPECT_EQ(next.window->addressBox()->currentText(), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(next.window->window(QStringLiteral("TFvstupy"))->windowTitle(),
              QStringLiteral("Vstupy"));
    EXPECT_EQ(next.window->windowTitle(), QStringLiteral("Quel5.00.04 - unit.ql5"));
    EXPECT_EQ(next.window->workspace().currentFile(), file);
}

TEST_F(Shell, MissingLastFileIsDroppedSilently) {
    {
        QSettings s(ini(), QSettings::IniFormat);
        s.setValue("TForm1/SOUBOR", path("gone.ql5"));
    }
    ToolRun run(ini());
    EXPECT_TRUE(run.window->workspace().currentFile().isEmpty());
    EXPECT_TRUE(run.dialogs.messages.isEmpty());
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("Quel5.00.04"));
}

// Logs in through the dialog as a user would: name, Enter, password, Enter.
void loginAs(ToolRun& run, const QString& name, const QString& password) {
    QTimer::singleShot(0, [&] {
        LoginDialog* dialog = run.window->loginDialog();
        auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("Ljmeno"));
        auto* passwordField = dialog->findChild<QLineEdit*>(QStringLiteral("Lheslo"));
        nameField->clear();
        passwordField->clear();
        QTest::keyClicks(nameField, name);
        QTest::keyClick(nameField, Qt::Key_Return);
        QTest::keyClicks(passwordField, password);
        QTest::keyClick(passwordField, Qt::Key_Return);
    });
    run.find<QAction>(QStringLiteral("TBXItem8"))->trigger();
}

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

SimOptions unitAccounts() {
    SimOptions options;
    options.adminPassword = QStringLiteral("s3cret");
    return options;
}

struct WithUnit : Shell {
    SimServer sim{unitAccounts(), SimServer::Faults{}};
    void SetUp() override { ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0)); }
    void aim(ToolRun& run) {
        typeAddress(run, QStringLiteral("127.0.0.1"));
        run.window->portBox()->setValue(sim.port());
    }
};

TEST_F(WithUnit, RightsFollowTheLevelTheUnitGrants) {
    ToolRun run(ini());
    aim(run);
    const RightsState none = rightsOf(run);
    EXPECT_FALSE(none.wcomShown || none.uploadAll || none.uploadAllButEth || none.password ||
                 none.saveButton);
    EXPECT_EQ(none.caption, QStringLiteral("Login"));

    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    loginAs(run, QStringLiteral("admin"), QStringLiteral("s3cret"));
    RightsState s = rightsOf(run);
    EXPECT_TRUE(s.wcomShown && s.uploadAll && s.uploadAllButEth && s.password && s.saveButton);
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

    run.find<QAction>(QStringLiteral("TBXItem8"))->trigger(); // logout
    EXPECT_EQ(sim.requests().last().frame, QByteArray("#IA\0\x12\0", 6) + QByteArray(18, '\0'));
    s = rightsOf(run);
    EXPECT_FALSE(s.wcomShown || s.uploadAll || s.uploadAllButEth || s.password || s.saveButton);
    EXPECT_EQ(s.caption, QStringLiteral("Login"));
    EXPECT_TRUE(run.dialogs.messages.isEmpty());

    loginAs(run, QStringLiteral("user"), QStringLiteral("user"));
    s = rightsOf(run);
    EXPECT_FALSE(s.wcomShown || s.uploadAll || s.uploadAllButEth || s.saveButton);
    EXPECT_TRUE(s.password);
    EXPECT_EQ(s.caption, QStringLiteral("Logout"));
    EXPECT_EQ(passwordName->text(), QStringLiteral("user"));
    run.find<QAction>(QStringLiteral("TBXItem8"))->trigger();

    loginAs(run, QStringLiteral("admin"), QStringLiteral("wrong"));
    EXPECT_EQ(run.dialogs.messages, QStringList{"Chyba při přihlášení"});
    EXPECT_EQ(rightsOf(run).caption, QStringLiteral("Login"));
    EXPECT_EQ(run.window->rightsLevel(), 0);

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

TEST_F(Shell, ClosingWhileATransferWaitsIsRefusedUntilItEnds) {
    SimServer silent{SimOptions{}, SimServer::Faults{-1, 2}};
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("127.0.0.1"));
    run.window->portBox()->setValue(silent.port());
    run.window->link().setReadTimeoutMs(300);
    bool closed = true;
    QTimer::singleShot(50, [&] { closed = run.window->close(); });
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(run.window->isVisible());
    ASSERT_EQ(run.dialogs.messages.size(), 1);
    EXPECT_TRUE(run.dialogs.messages[0].contains(QStringLiteral("300 ms")));
    EXPECT_FALSE(run.window->link().isOpen());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WithUnit, LoginThatDoesNotReachTheUnitIsRefused) {
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("127.0.0.1"));
    run.window->portBox()->setValue(closedPort());
    loginAs(run, QStringLiteral("admin"), QStringLiteral("admin"));
    EXPECT_EQ(run.dialogs.messages.last(), QStringLiteral("Chyba při přihlášení"));
    EXPECT_FALSE(rightsOf(run).uploadAll);
}

TEST_F(WithUnit, ReadChangeUploadAndReadAgainShowsTheNewName) {
    ToolRun run(ini());
    aim(run);
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    auto* name = run.find<QLineEdit>(QStringLiteral("LMDnbname"));
    EXPECT_EQ(name->text(), QStringLiteral("QUEL5SIM"));
    EXPECT_EQ(run.find<QLabel>(QStringLiteral("LMAC"))->text(),
              QStringLiteral("00-1E-C0-12-34-56"));
    EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDIP"))->text(), QStringLiteral("127.0.0.1"));
    auto* memo = run.find<QPlainTextEdit>(QStringLiteral("Memo1"));
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("78 - 7856")));

    loginAs(run, QStringLiteral("admin"), QStringLiteral("s3cret"));
    name->setText(QStringLiteral("NOVE"));
    QTest::mouseClick(run.find<QPushButton>(QStringLiteral("LButtU")), Qt::LeftButton);
    EXPECT_EQ(sim.unit().memory().mid(91, 5), QByteArray("NOVE\0", 5));
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("Save - Eth Config")));

    name->setText(QStringLiteral("JINE"));
    run.find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_EQ(name->text(), QStringLiteral("NOVE"));
    EXPECT_TRUE(run.dialogs.messages.isEmpty());
    QTest::mouseClick(run.find<QPushButton>(QStringLiteral("BClear")), Qt::LeftButton);
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(Shell, BadAddressAbandonsTheSaveWithoutWritingAFile) {
    ToolRun run(ini());
    run.find<QLineEdit>(QStringLiteral("LMDgw"))->setText(QStringLiteral("10.0.0"));
    run.dialogs.answers << path("x.ql5");
    run.find<QAction>(QStringLiteral("menuUloz"))->trigger();
    EXPECT_EQ(run.dialogs.messages,
              QStringList{"The string 10.0.0 does not translate into a valid IP."});
    EXPECT_FALSE(QFile::exists(path("x.ql5")));
}

TEST_F(Shell, SaveAsProposesTheNetBiosNameAndLaterSavesNeedNoDialog) {
    ToolRun run(ini());
    run.dialogs.answers << path("a.ql5");
    run.find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
    EXPECT_EQ(run.dialogs.proposals, QStringList{"Quel5.ql5"});
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("Quel5.00.04 - a.ql5"));
    QFile::remove(path("a.ql5"));
    run.find<QAction>(QStringLiteral("menuUloz"))->trigger();
    EXPECT_TRUE(QFile::exists(path("a.ql5")));
    EXPECT_EQ(run.dialogs.proposals.size(), 1);

    // Opening a file that cannot be read reports it and keeps the image.
    run.dialogs.answers << path("none.ql5");
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_EQ(run.dialogs.messages.size(), 1);
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("Quel5.00.04 - a.ql5"));
}

TEST_F(Shell, LongTextsFromAFileAreShownWholeAndSavedInsideTheirFields) {
    QByteArray content(8000, '\0');
    const QByteArray popis(49, 'p');
    content.replace(107, 49, popis);
    content.replace(91, 16, QByteArray(16, 'n')); // no zero byte at all
    QFile in(path("long.ql5"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(content);
    in.close();

    ToolRun run(ini());
    run.dialogs.answers << path("long.ql5");
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDpopis"))->text(), QString::fromLatin1(popis));
    EXPECT_EQ(run.find<QLineEdit>(QStringLiteral("LMDnbname"))->text().size(), 16);
    run.find<QAction>(QStringLiteral("menuUloz"))->trigger();
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray saved = in.readAll();
    EXPECT_EQ(saved.mid(107, 50), popis + '\0');
    EXPECT_EQ(saved.mid(91, 16), QByteArray(15, 'n') + '\0');
}

TEST_F(Shell, MoreShowsTheAdvancedFields) {
    ToolRun run(ini());
    auto* ntp = run.find<QLineEdit>(QStringLiteral("ntpser"));
    EXPECT_FALSE(ntp->isVisibleTo(run.window.get()));
    run.find<QAction>(QStringLiteral("zobraz_Fvice"))->trigger();
    EXPECT_TRUE(ntp->isVisibleTo(run.window.get()));
    EXPECT_TRUE(run.find<QLabel>(QStringLiteral("LMAC"))->isVisibleTo(run.window.get()));
}

} // namespace
