#pragma once

#include "link/Feedback.h"

class QPlainTextEdit;
class QWidget;
class UserDialogs;

// The core's messages in message boxes, its progress lines in the log box Memo1 and the
// hourglass as the application's override cursor.
class GuiFeedback : public Feedback {
public:
    GuiFeedback(UserDialogs& dialogs, QWidget* parent, QPlainTextEdit* log)
        : m_dialogs(dialogs), m_parent(parent), m_log(log) {}
    ~GuiFeedback() override;

    void message(const QString& text) override;
    void log(const QString& line) override;
    void setWaitCursor(bool on) override;

private:
    UserDialogs& m_dialogs;
    QWidget* m_parent;
    QPlainTextEdit* m_log;
    bool m_waitCursor = false;
};
