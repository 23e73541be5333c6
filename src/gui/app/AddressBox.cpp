#include "app/AddressBox.h"
#include "base/Language.h"

#include "base/Text.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Tip_adr"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed 192.168.1.2 into a stored 192.168.1.20.
    setCompleter(nullptr);
    setToolTip(tx("gui", "IP adresa Norva2"));
    setMinimumContentsLength(15);
    connect(this, qOverload<int>(&QComboBox::activated), this, &AddressBox::onPicked);
}

QStringList AddressBox::history() const {
    QStringList entries;
    for (int i = 0; i < count(); ++i)
        entries << itemText(i);
    return entries;
}

void AddressBox::setHistory(const QStringList& entries, int selected) {
    clear();
    addItems(entries);
    if (selected >= 0 && selected < count()) {
        setCurrentIndex(selected);
        m_accepted = itemText(selected);
    } else {
        setCurrentIndex(-1);
        m_accepted.clear();
    }
    setBoxText(m_accepted);
}

void AddressBox::setBoxText(const QString& text) {
    lineEdit()->setText(text);
}

void AddressBox::onPicked(int index) {
    if (index < 0 || index >= count())
        return;
    m_accepted = itemText(index);
    setBoxText(m_accepted);
    emit addressChanged(m_accepted);
}

void AddressBox::acceptTyped() {
    accept(false);
}

bool AddressBox::commitTyped() {
    if (lineEdit()->text() == m_accepted)
        return true;
    return accept(false);
}

bool AddressBox::accept(bool deferMessage) {
    const QString typed = lineEdit()->text();
    if (typed.isEmpty() && !m_accepted.isEmpty()) {
        const int selected = currentIndex();
        if (count() > 0 && selected >= 0) {
            removeItem(selected);
            setCurrentIndex(-1);
            emit addressChanged(QString());
        }
        m_accepted.clear();
        setBoxText(QString());
        return true;
    }
    if (!parseIpAddress(typed)) {
        setBoxText(m_accepted);
        if (showMessage) {
            // While the focus moves on, a modal box would fight the move: it comes after.
            if (deferMessage)
                QTimer::singleShot(0, this, [this] { showMessage(tx("gui", "Špatná IP adresa")); });
            else
                showMessage(tx("gui", "Špatná IP adresa"));
        }
        return false;
    }
    int entry = findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0) {
        addItem(typed);
        entry = count() - 1;
    }
    setCurrentIndex(entry);
    m_accepted = typed;
    setBoxText(typed);
    emit addressChanged(typed);
    return true;
}

void AddressBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept(false);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        setBoxText(m_accepted);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void AddressBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Leaving the box accepts what was typed; a box left unchanged stays quiet, and
    // opening a list or a menu is not leaving it.
    if (event->reason() != Qt::PopupFocusReason && lineEdit()->text() != m_accepted)
        accept(true);
}
