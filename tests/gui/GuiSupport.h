#pragma once

#include "app/MainWindow.h"
#include "kit/Dialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSettings>
#include <QSpinBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Answers the tool's dialogs from a script and records its messages. A test takes the
// messages it expects (takeMessages); any left when the run ends fail the test.
class ScriptedDialogs : public UserDialogs {
public:
    struct Shown {
        QWidget* parent;
        QString text;
        Severity severity;
        QString detail;
        bool progressOpen; // a transfer's progress box was still up behind it
    };
    void message(QWidget* parent, const QString& text, Severity severity,
                 const QString& detail) override {
        messages << text;
        bool progressOpen = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            progressOpen |= qobject_cast<QProgressDialog*>(w) && w->isVisible();
        shown.push_back({parent, text, severity, detail, progressOpen});
    }
    // Answers from replies in order; a question nobody scripted fails the test.
    bool ask(QWidget*, const QString& question) override {
        questions << question;
        if (replies.isEmpty()) {
            ADD_FAILURE() << "question nobody expected: " << question.toStdString();
            return false;
        }
        return replies.takeFirst();
    }
    SaveChoice askSave(QWidget*, const QString& question) override {
        questions << question;
        if (saveReplies.isEmpty()) {
            ADD_FAILURE() << "question nobody expected: " << question.toStdString();
            return SaveChoice::Cancel;
        }
        return saveReplies.takeFirst();
    }
    QString openFile(QWidget*, const QString&) override { return take(); }
    QString saveFile(QWidget*, const QString&, const QString& proposed) override {
        proposals << proposed;
        return take();
    }
    void about(QWidget*, const QString& title, const QString& text) override {
        abouts << title + QLatin1Char('\n') + text;
    }
    QString openAnyFile(QWidget*, const QString&) override { return take(); }
    QString chooseFolder(QWidget*, const QString&) override { return take(); }
    QList<int> chooseItems(QWidget*, const QString&, const QString& text,
                           const QStringList&) override {
        questions << text;
        if (chosen.isEmpty()) {
            ADD_FAILURE() << "choice nobody expected: " << text.toStdString();
            return {};
        }
        return chosen.takeFirst();
    }
    std::optional<std::pair<QString, QString>> askAccount(QWidget*, const QString& text) override {
        questions << text;
        if (accounts.isEmpty()) {
            ADD_FAILURE() << "account nobody expected: " << text.toStdString();
            return std::nullopt;
        }
        return accounts.takeFirst();
    }
    // The preview is painted into a PDF, kept for the test.
    void printPreview(QWidget*, const QPageLayout& layout, const Painting& paint) override {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setPageLayout(layout);
            paint(pdf);
        }
        previews << buffer.data();
    }

    QStringList takeMessages() {
        shown.clear();
        return std::exchange(messages, {});
    }

    QStringList messages;
    std::vector<Shown> shown;
    QStringList answers; // paths for the next file dialogs; empty text cancels
    QStringList proposals;
    QStringList abouts;
    QStringList questions;
    QList<bool> replies;                         // answers to the next questions
    QList<SaveChoice> saveReplies;               // answers to the next questions whether to save
    QList<QList<int>> chosen;                    // items ticked in the next lists
    QList<std::pair<QString, QString>> accounts; // the next accounts asked for
    QList<QByteArray> previews;                  // each print preview as a PDF

private:
    QString take() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// A window's caption as the title bar shows it: the modified mark as "*".
inline QString caption(const QWidget* window) {
    return window->windowTitle().replace(
        QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

// One run of the tool: a main window over a settings file, started as the program starts it.
struct ToolRun {
    explicit ToolRun(const QString& settingsPath)
        : settings(loopbackOnly(settingsPath)),
          window(std::make_unique<MainWindow>(settings.get(), dialogs)) {
        window->show();
        window->restoreSession();
        activate(window.get());
        // The last session's windows follow the main window onto the screen.
        QElapsedTimer waited;
        waited.start();
        while (window->reopening() && waited.elapsed() < 5000)
            QTest::qWait(5);
    }
    // Closes the main window and ends the run as the program does.
    void finish() {
        // Edits left in the windows at the end of a test are not saved.
        if (!window->editedPages().isEmpty() && dialogs.saveReplies.isEmpty())
            dialogs.saveReplies << UserDialogs::SaveChoice::Discard;
        window->close();
        window.reset();
        settings->sync();
        EXPECT_TRUE(dialogs.messages.isEmpty())
            << "messages nobody expected: " << dialogs.messages.join(" | ").toStdString();
        dialogs.messages.clear();
    }
    ~ToolRun() {
        if (window)
            finish();
    }
    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    // A search of the discovery window goes to this machine only, whatever a test does.
    static std::unique_ptr<QSettings> loopbackOnly(const QString& path) {
        auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        if (!settings->contains(QStringLiteral("TFdiscoverer/SearchAddress")))
            settings->setValue(QStringLiteral("TFdiscoverer/SearchAddress"),
                               QStringLiteral("127.0.0.1"));
        if (!settings->contains(QStringLiteral("TFdiscoverer/SearchPort")))
            settings->setValue(QStringLiteral("TFdiscoverer/SearchPort"), 9);
        return settings;
    }

    // Brings a window to the front as a click on it would, and waits until it is active.
    static void activate(QWidget* top) {
        top->activateWindow();
        QElapsedTimer clock;
        clock.start();
        while (QApplication::activeWindow() != top && clock.elapsed() < 2000)
            QTest::qWait(5);
        // The focus follows the activation a moment later.
        auto focusInside = [top] {
            QWidget* focus = QApplication::focusWidget();
            return focus && (focus == top || top->isAncestorOf(focus));
        };
        clock.restart();
        while (!focusInside() && clock.elapsed() < 200)
            QTest::qWait(5);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;
};

// Input as a user gives it: a click puts the focus into a control, keys go to whatever
// has the focus.
namespace user {
inline QWidget* focus() {
    return QApplication::focusWidget();
}
inline void click(QWidget* control) {
    // A menu or a list that drops down takes input without becoming the active window.
    if (!(control->window()->windowType() == Qt::Popup))
        ToolRun::activate(control->window());
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}
inline void type(const QString& text) {
    ASSERT_NE(focus(), nullptr);
    for (QChar c : text) {
        // A key of the Czech layout (č, ž, …) arrives as its text with no Latin-1 key code.
        if (c.unicode() < 0x80)
            QTest::keyClick(focus(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key_unknown, QString(c), {});
    }
}
inline void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    ASSERT_NE(focus(), nullptr);
    QTest::keyClick(focus(), k, modifiers);
}
// Clicks into a text control, selects what it holds and types over it.
inline void retype(QWidget* control, const QString& text) {
    click(control);
    key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        key(Qt::Key_Delete);
    else
        type(text);
}
// Types the unit's address and port into the menu bar's boxes.
inline void aimAt(ToolRun& run, quint16 port) {
    retype(run.window->addressBox(), QStringLiteral("127.0.0.1"));
    key(Qt::Key_Return);
    retype(run.window->portBox(), QString::number(port));
    key(Qt::Key_Tab);
}
// Logs in through the dialog: name, Enter, password, Enter.
inline void loginAs(ToolRun& run, const QString& name, const QString& password) {
    QTimer::singleShot(0, [&run, name, password] {
        retype(run.window->loginDialog()->findChild<QLineEdit*>(QStringLiteral("Ljmeno")), name);
        key(Qt::Key_Return);
        key(Qt::Key_A, Qt::ControlModifier);
        type(password);
        key(Qt::Key_Return);
    });
    run.window->findChild<QAction*>(QStringLiteral("TBXItem8"))->trigger();
}
// A right click as the platform delivers it: the mouse buttons, then the request for a
// context menu.
inline void rightClick(QWidget* widget, const QPoint& at) {
    QTest::mouseClick(widget, Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &menu);
}
// Clicks an item of the menu that is open.
inline void clickMenuItem(const QString& text) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    FAIL() << "no menu item " << text.toStdString();
}

// Opens a drop-down list with a click and walks to one of its items with the arrow keys.
inline void pick(QComboBox* combo, int index) {
    click(combo);
    QAbstractItemView* list = combo->view();
    (void)QTest::qWaitForWindowExposed(list->window());
    QTest::qWait(10);
    // A list with no selection opens on its first item.
    const int steps = index - std::max(combo->currentIndex(), 0);
    for (int i = 0; i < std::abs(steps); ++i)
        key(steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    key(Qt::Key_Return);
}
} // namespace user
