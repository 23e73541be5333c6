#include "kit/ManagedWindow.h"
#include "kit/Retranslate.h"

#include <QHideEvent>
#include <QShowEvent>

ManagedWindow::ManagedWindow(const QString& className, const QString& formName,
                             const QString& title, QSettings* settings)
    : QWidget(nullptr, Qt::Window), m_formName(formName), m_placement(this, className, settings) {
    setObjectName(className);
    setWindowTitle(title);
    followLanguage(this);
}

ManagedWindow::~ManagedWindow() {
    m_placement.windowDestroying();
}

void ManagedWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(true);
}

void ManagedWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(false);
}
