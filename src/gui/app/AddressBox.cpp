#include "app/AddressBox.h"

#include "editors/NetworkPage.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Tip_adr"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setToolTip(QStringLiteral("IP adresa Norva2"));
    setMinimumContentsLength(15);
    lineEdit()->installEventFilter(this);
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
        return;
    }
    if (!parseIpAddress(typed)) {
        setBoxText(m_accepted);
        if (showMessage)
            showMessage(QStringLiteral("Špatná IP adresa"));
        return;
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
}

bool AddressBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit()) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                acceptTyped();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                setBoxText(m_accepted);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving the box accepts what was typed; a box left unchanged stays quiet,
            // and opening its own list is not leaving it.
            const auto* focus = static_cast<QFocusEvent*>(event);
            if (focus->reason() != Qt::PopupFocusReason && lineEdit()->text() != m_accepted)
                acceptTyped();
        }
    }
    return QComboBox::eventFilter(watched, event);
}
