#include "GuiSupport.h"
#include "TestSupport.h"
#include "app/AppSetup.h"
#include <QMenuBar>
#include <QRegularExpression>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <sys/stat.h>

namespace {

struct Shell : ::testing::Test {
    QTemporaryDir dir;
    QString ini() const { return dir.filePath(QStringLiteral("Quel5_cf.ini")); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// Clicks into the address box, types over it and presses Enter.
void typeAddress(ToolRun& run, const QString& text) {
    user::retype(run.window->addressBox(), text);
    user::key(Qt::Key_Return);
}

// The titles of the windows that follow the address, each made now if it was not yet.
QStringList titles(ToolRun& run) {
    for (const WindowRow& row : windowTable())
        run.window->window(row.windowClass());
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
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04"));
    EXPECT_EQ(run.window->window(QStringLiteral("TFstav"))->windowTitle(), QStringLiteral("Fstav"));
}

TEST_F(Shell, AddressBoxRefusesBadAddressesAndKeepsItsText) {
    ToolRun run(ini());
    typeAddress(run, QStringLiteral("10.0.0.1"));
    for (const char* bad : {"192.168.1.256", "abc"}) {
        typeAddress(run, QString::fromLatin1(bad));
        EXPECT_EQ(run.dialogs.takeMessages(), QStringList{"Špatná IP adresa"});
        EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
    }
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.0.0.1"});

    // Esc throws the typing away.
    user::type(QStringLiteral("99"));
    user::key(Qt::Key_Escape);
    EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
}

TEST_F(Shell, LeavingTheAddressBoxAcceptsOrRefusesWhatWasTyped) {
    ToolRun run(ini());
    user::retype(run.window->addressBox(), QStringLiteral("10.1.1.1"));
    user::key(Qt::Key_Tab);
    EXPECT_NE(user::focus(), run.window->addressBox());
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.1.1.1"});
    EXPECT_EQ(titles(run).first(), QStringLiteral("Vstupy - 10.1.1.1"));

    user::retype(run.window->addressBox(), QStringLiteral("abc"));
    user::click(run.find<QLineEdit>(QStringLiteral("LMDIP")));
    QCoreApplication::processEvents();
    EXPECT_EQ(run.dialogs.takeMessages(), QStringList{"Špatná IP adresa"});
    EXPECT_EQ(run.dialogs.shown.size(), 0u);
    EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.1.1.1"));
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.1.1.1"});
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

    typeAddress(run, QString());
    EXPECT_EQ(run.dialogs.takeMessages(), QStringList{"Špatná IP adresa"});

    // Picking an entry (the arrow key steps through the list) takes it without changing
    // the history.
    user::key(Qt::Key_Down);
    EXPECT_EQ(run.window->addressBox()->currentText(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(titles(run).first(), QStringLiteral("Vstupy - 10.0.0.1"));
    EXPECT_EQ(run.window->addressBox()->history(), QStringList{"10.0.0.1"});
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
    EXPECT_EQ(caption(next.window.get()), QStringLiteral("Quel5.00.04 - unit.ql5"));
    EXPECT_EQ(next.window->workspace().currentFile(), file);
}

int screenDpi() {
    return int(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
}

TEST_F(Shell, EveryWindowComesBackWhereItWasAndOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    {
        QSettings s(ini(), QSettings::IniFormat);
        s.setValue("TFvstupy/NormPos", QStringLiteral("110,120,790,620"));
        s.setValue("TFvstupy/PixelsPerInch", screenDpi());
        s.setValue("TFvystupy/NormPos", QStringLiteral("0,0,100000,100000"));
        s.setValue("TFvystupy/PixelsPerInch", screenDpi());
        s.setValue("TFrezim/NormPos",
                   QStringLiteral("-2147483647,-2147483647,2147483647,2147483647"));
        s.setValue("TFrezim/PixelsPerInch", screenDpi());
        s.setValue("TFquel5/NormPos", QStringLiteral("2147483647,5,2147483600,-7"));
        s.setValue("TFquel5/PixelsPerInch", screenDpi());
        s.setValue("TForm1/IP_ADR_count", 2147483647);
        s.setValue("TForm1/IP_ADR_0", QStringLiteral("10.0.0.1"));
        s.setValue("TForm1/IP_ADR_1", QStringLiteral("10.0.0.2"));
        s.setValue("TForm1/IP_ADR_idx", 1);
        s.setValue("TForm1/Fvstupy", 1); // open at the start
    }
    ToolRun run(ini());
    EXPECT_EQ(run.window->addressBox()->history(), (QStringList{"10.0.0.1", "10.0.0.2"}));
    for (const char* form : {"Fvystupy", "Frezim", "Fquel5"})
        run.find<QAction>(QStringLiteral("zobraz_") + QLatin1String(form))->trigger();
    EXPECT_EQ(run.window->window(QStringLiteral("TFvstupy"))->geometry(),
              QRect(110, 120, 680, 500));
    for (const char* name : {"TFvystupy", "TFrezim", "TFquel5"}) {
        const QRect r = run.window->window(QLatin1String(name))->frameGeometry();
        EXPECT_TRUE(area.contains(r))
            << name << " " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
        EXPECT_GT(r.width(), 0) << name;
    }
}

// A window hidden from "Zobraz" (no close, nothing written) and shown again comes back
// where it was left, not where the settings file last had it.
TEST_F(Shell, AWindowShownAgainComesBackWhereItWasLeft) {
    {
        QSettings s(ini(), QSettings::IniFormat);
        s.setValue("TFvystupy/NormPos", QStringLiteral("100,100,700,500"));
        s.setValue("TFvystupy/PixelsPerInch", screenDpi());
    }
    ToolRun run(ini());
    QAction* tick = run.find<QAction>(QStringLiteral("zobraz_Fvystupy"));
    tick->trigger();
    QWidget* w = run.window->window(QStringLiteral("TFvystupy"));
    EXPECT_EQ(w->geometry().topLeft(), QPoint(100, 100));
    w->move(160, 140);
    const QRect left = w->geometry();
    tick->trigger();
    ASSERT_FALSE(w->isVisible());
    tick->trigger();
    EXPECT_EQ(w->geometry(), left);
}

TEST_F(Shell, MissingLastFileIsDroppedSilently) {
    {
        QSettings s(ini(), QSettings::IniFormat);
        s.setValue("TForm1/SOUBOR", path("gone.ql5"));
    }
    ToolRun run(ini());
    EXPECT_TRUE(run.window->workspace().currentFile().isEmpty());
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04"));
}

// Edits neither saved nor uploaded mark the caption; closing asks whether to save them:
// "Zrušit" keeps the tool open, "Uložit" saves (through the save dialog for a new
// configuration), then closes.
TEST_F(Shell, ClosingWithEditsAsksToSaveThem) {
    ToolRun run(ini());
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04"));
    user::retype(run.find<QLineEdit>(QStringLiteral("LMDnbname")), QStringLiteral("KOTELNA"));
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04*"));
    run.dialogs.saveReplies << UserDialogs::SaveChoice::Cancel;
    EXPECT_FALSE(run.window->close());
    run.dialogs.saveReplies << UserDialogs::SaveChoice::Save;
    run.dialogs.answers << path("k.ql5");
    EXPECT_TRUE(run.window->close());
    EXPECT_EQ(run.dialogs.questions.size(), 2);
    QFile saved(path("k.ql5"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().mid(mem::BiosName.first, 8), QByteArray("KOTELNA\0", 8));
}

TEST_F(Shell, BadAddressAbandonsTheSaveWithoutWritingAFile) {
    ToolRun run(ini());
    user::retype(run.find<QLineEdit>(QStringLiteral("LMDgw")), QStringLiteral("10.0.0"));
    run.dialogs.answers << path("x.ql5");
    run.find<QAction>(QStringLiteral("menuUloz"))->trigger();
    ASSERT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_EQ(run.dialogs.shown[0].severity, Severity::Error);
    EXPECT_EQ(run.dialogs.takeMessages(),
              QStringList{"The string 10.0.0 does not translate into a valid IP."});
    EXPECT_FALSE(QFile::exists(path("x.ql5")));
}

TEST_F(Shell, SaveAsProposesTheNetBiosNameAndLaterSavesNeedNoDialog) {
    ToolRun run(ini());
    run.dialogs.answers << path("a.ql5");
    run.find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
    EXPECT_EQ(run.dialogs.proposals, QStringList{"Quel5.ql5"});
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04 - a.ql5"));
    QFile::remove(path("a.ql5"));
    // Ctrl+S is "Ulož".
    user::click(run.find<QLineEdit>(QStringLiteral("LMDpopis")));
    user::key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(path("a.ql5")));
    EXPECT_EQ(run.dialogs.proposals.size(), 1);

    // Opening a file that cannot be read reports it and keeps the image.
    run.dialogs.answers << path("none.ql5");
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_EQ(run.dialogs.takeMessages().size(), 1);
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04 - a.ql5"));

    // "Ulož jako" onto a file that exists asks first; "Ne" leaves it and the current file.
    QFile other(path("b.ql5"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("keep");
    other.close();
    for (const bool replace : {false, true}) {
        run.dialogs.answers << path("b.ql5");
        run.dialogs.replies << replace;
        run.find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
        ASSERT_EQ(run.dialogs.questions.size(), replace ? 2 : 1);
        EXPECT_TRUE(run.dialogs.questions.last().contains(QStringLiteral("už existuje")));
        EXPECT_EQ(QFileInfo(path("b.ql5")).size(), replace ? 8000 : 4);
        EXPECT_EQ(caption(run.window.get()), replace ? QStringLiteral("Quel5.00.04 - b.ql5")
                                                     : QStringLiteral("Quel5.00.04 - a.ql5"));
    }
}

TEST_F(Shell, PipesAreRefusedAsConfigurationAndSettingsFiles) {
    const QString fifo = path("pipe.ql5");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ToolRun run(ini());
    run.dialogs.answers << fifo;
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger(); // returns: nothing blocks
    const QStringList messages = run.dialogs.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Není to obyčejný soubor")));
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04"));

    ScriptedDialogs dialogs;
    EXPECT_EQ(openSettings(fifo, dialogs), nullptr);
    EXPECT_EQ(dialogs.takeMessages().size(), 1);
    EXPECT_NE(openSettings(ini(), dialogs), nullptr);
}

TEST_F(Shell, ShortFileOpensAndSaysHowManyBytesItHeld) {
    QFile in(path("short.ql5"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write(QByteArray(100, '\x07'));
    in.close();
    ToolRun run(ini());
    run.dialogs.answers << path("short.ql5");
    run.find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    ASSERT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_EQ(run.dialogs.shown[0].severity, Severity::Info);
    EXPECT_TRUE(run.dialogs.takeMessages()[0].contains(QStringLiteral("jen 100 bajtů")));
    EXPECT_EQ(run.window->workspace().image()[99], 7);
    EXPECT_EQ(caption(run.window.get()), QStringLiteral("Quel5.00.04 - short.ql5"));
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

TEST_F(Shell, MoreShowsTheAdvancedFieldsAndTheWindowKeepsEveryFieldReadable) {
    ToolRun run(ini());
    auto* ntp = run.find<QLineEdit>(QStringLiteral("ntpser"));
    EXPECT_FALSE(ntp->isVisibleTo(run.window.get()));
    EXPECT_FALSE(run.find<QLabel>(QStringLiteral("Lwcom"))->isVisibleTo(run.window.get()));
    run.find<QAction>(QStringLiteral("zobraz_Fvice"))->trigger();
    EXPECT_TRUE(ntp->isVisibleTo(run.window.get()));
    EXPECT_TRUE(run.find<QLabel>(QStringLiteral("LMAC"))->isVisibleTo(run.window.get()));

    // At its smallest the window still shows a whole address in every address field.
    run.window->resize(1, 1);
    QCoreApplication::processEvents();
    for (const char* name :
         {"LMDIP", "LMDmaska", "LMDgw", "LMDns1", "LMDns2", "LMDsnmp1", "LMDsnmp2"}) {
        auto* field = run.find<QLineEdit>(QLatin1String(name));
        EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance("255.255.255.255"))
            << name;
    }
}

TEST_F(Shell, KeyboardMenusHelpAndIcon) {
    ToolRun run(ini());
    EXPECT_EQ(run.find<QAction>(QStringLiteral("menuOtevri"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(run.find<QAction>(QStringLiteral("menuUlozJako"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(run.find<QAction>(QStringLiteral("menuTisk"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(run.find<QAction>(QStringLiteral("menuNactiVse"))->shortcut(),
              QKeySequence(QStringLiteral("F5")));
    run.find<QAction>(QStringLiteral("menuOProgramu"))->trigger();
    ASSERT_EQ(run.dialogs.abouts.size(), 1);
    EXPECT_TRUE(run.dialogs.abouts[0].contains(QStringLiteral("Quel5.00.04")));
    EXPECT_TRUE(run.dialogs.abouts[0].contains(QStringLiteral("Qt ") + qVersion()));
    EXPECT_FALSE(run.window->windowIcon().pixmap(32).isNull());

    // Qt's own dialogs speak Czech.
    QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Zrušit"));
    QFileDialog save;
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(save.windowTitle(), QStringLiteral("Uložit jako"));
}

// The words of every open window change with the language at once, and back; the choice
// is kept for the next start.
TEST_F(Shell, TheLanguageMenuChangesEveryOpenWindowAtOnceAndBack) {
    ToolRun run(ini());
    ManagedWindow* thermometers = run.window->showWindow(QStringLiteral("Fquel5"));
    ASSERT_TRUE(thermometers);
    typeAddress(run, QStringLiteral("127.0.0.1"));
    const auto words = [&] {
        QStringList list;
        for (const QAction* a : run.window->menuBar()->actions())
            list << a->text();
        list << run.find<QAction>(QStringLiteral("menuNactiVse"))->text()
             << thermometers->windowTitle();
        for (const QLabel* label : thermometers->findChildren<QLabel*>())
            list << label->text();
        return list;
    };
    const QStringList czech = words();
    for (const char* text : {"&Nastavení", "&Načti vše", "Quel5.00.04 - 127.0.0.1", "Teploměr1",
                             "Délka bypassu [s]", "Trap1"})
        EXPECT_TRUE(czech.contains(QString::fromUtf8(text))) << text;

    run.find<QAction>(QStringLiteral("menuJazykEn"))->trigger();
    const QStringList english = words();
    for (const char* text :
         {"&Settings", "&Load all", "&View", "Thermometer1", "Bypass length [s]", "Trap1"})
        EXPECT_TRUE(english.contains(QString::fromUtf8(text))) << text;
    for (const QString& text : english)
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[áčéěířšůúýž]"))))
            << qPrintable(text);
    // Qt's own dialogs follow.
    const auto cancel = [] {
        QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    EXPECT_EQ(run.settings->value(QStringLiteral("TForm1/Jazyk")).toString(), QStringLiteral("en"));

    run.find<QAction>(QStringLiteral("menuJazykCs"))->trigger();
    EXPECT_EQ(words(), czech);
    EXPECT_EQ(cancel(), QStringLiteral("Zrušit"));
    EXPECT_EQ(startLanguage(QString(), run.settings.get()), QStringLiteral("cs"));
    EXPECT_EQ(startLanguage(QStringLiteral("en"), run.settings.get()), QStringLiteral("en"));
}

} // namespace

namespace {

// The settings go to the user's configuration folder, unless a settings file already
// stands beside the program or the program runs from its build tree.
TEST(SettingsFile, BesideTheProgramOnlyWhenOneStandsThereOrInTheBuildTree) {
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("prefix/bin"));
    const QString build = dir.filePath(QStringLiteral("build"));
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(bin);
    QDir().mkpath(build + QStringLiteral("/src/gui"));
    const QString inConfig = QDir(config).filePath(QStringLiteral("Quel5_cf.ini"));
    // A writable program folder of an installed copy is no place for it.
    EXPECT_EQ(settingsFilePath(bin, config, build), inConfig);
    EXPECT_EQ(settingsFilePath(build + QStringLiteral("/src/gui"), config, build),
              build + QStringLiteral("/src/gui/Quel5_cf.ini"));
    QFile existing(bin + QStringLiteral("/Quel5_cf.ini"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(settingsFilePath(bin, config, build), bin + QStringLiteral("/Quel5_cf.ini"));
    EXPECT_EQ(settingsFilePath(bin, config, QString()), bin + QStringLiteral("/Quel5_cf.ini"));
    // A folder whose name only begins like the build tree's is not in it.
    QDir().mkpath(build + QStringLiteral("-old"));
    EXPECT_EQ(settingsFilePath(build + QStringLiteral("-old"), config, build), inConfig);
}

} // namespace
