#pragma once

#include "base/Feedback.h"

#include <functional>

class QPlainTextEdit;
class QWidget;
class UserDialogs;

// The core's messages in message boxes, its progress lines in the log box Memo1, the
// hourglass as the application's override cursor and the progress of a transfer in the
// main window's progress dialog.
class GuiFeedback : public Feedback {
public:
    GuiFeedback(UserDialogs& dialogs, QWidget* parent, QPlainTextEdit* log)
        : m_dialogs(dialogs), m_parent(parent), m_log(log) {}
    ~GuiFeedback() override;

    void message(const QString& text, Severity severity = Severity::Error,
                 const QString& detail = {}) override;
    void log(const QString& line) override;
    void setWaitCursor(bool on) override;
    void progress(int done, int planned) override;
    // User input goes on while the link waits: the main window disables whatever would
    // start a second exchange and offers "Zrušit".
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }

    std::function<void(int done, int planned)> onProgress;
    // Called with true before a message box opens and false after it closes, so that a
    // progress dialog steps aside.
    std::function<void(bool open)> onMessageBox;

private:
    UserDialogs& m_dialogs;
    QWidget* m_parent;
    QPlainTextEdit* m_log;
    bool m_waitCursor = false;
};
