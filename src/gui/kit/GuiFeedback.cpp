#include "kit/GuiFeedback.h"

#include "kit/Dialogs.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

GuiFeedback::~GuiFeedback() {
    setWaitCursor(false);
}

void GuiFeedback::message(const QString& text, Severity severity, const QString& detail) {
    // A message box needs the normal cursor, whatever the operation set.
    const bool wasWaiting = m_waitCursor;
    if (wasWaiting)
        QApplication::restoreOverrideCursor();
    // A message that comes while a modal dialog runs (a login) belongs over that dialog.
    QWidget* parent = QApplication::activeModalWidget();
    if (onMessageBox)
        onMessageBox(true);
    m_dialogs.message(parent ? parent : m_parent, text, severity, detail);
    if (onMessageBox)
        onMessageBox(false);
    if (wasWaiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void GuiFeedback::log(const QString& line) {
    if (!m_log)
        return;
    m_log->appendPlainText(line);
    // The newest line in sight, even when the user had scrolled back.
    m_log->moveCursor(QTextCursor::End);
    m_log->ensureCursorVisible();
}

void GuiFeedback::setWaitCursor(bool on) {
    if (on == m_waitCursor)
        return;
    m_waitCursor = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void GuiFeedback::progress(int done, int planned) {
    if (onProgress)
        onProgress(done, planned);
}
