#include "app/FieldBinder.h"

#include "image/FieldPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>
#include <algorithm>

namespace {

void prepare(QObject* control, const FieldSpec& f) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (f.typing > 0)
            edit->setMaxLength(f.typing);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        const int capacity = f.size >= 2 ? 0xFFFF : 0xFF;
        spin->setRange(f.max > f.min ? f.min : 0, f.max > f.min ? f.max : capacity);
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        const int capacity = f.size >= 2 ? 0xFFFF : 0xFF;
        spin->setDecimals(1);
        spin->setSingleStep(0.1);
        spin->setRange((f.max > f.min ? f.min : 0) / 10.0,
                       (f.max > f.min ? f.max : capacity) / 10.0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->clear();
        combo->addItems(f.items);
    }
}

// A text longer than the control's typing limit (from a unit or a file) is shown whole:
// the limit widens to it until the next scatter. The gather cuts it to its field.
void showText(QLineEdit* edit, const FieldSpec& f, const QString& text) {
    if (f.typing > 0)
        edit->setMaxLength(std::max(f.typing, int(text.size())));
    edit->setText(text);
}

// A stored value outside the entry's range is shown as it is (0.0, 25.5), the range
// widened to it until the next scatter, so that it goes back unchanged unless edited.
void showTenths(QDoubleSpinBox* spin, const FieldSpec& f, double value) {
    const int capacity = f.size >= 2 ? 0xFFFF : 0xFF;
    const double low = (f.max > f.min ? f.min : 0) / 10.0;
    const double high = (f.max > f.min ? f.max : capacity) / 10.0;
    spin->setRange(std::min(low, value), std::max(high, value));
    spin->setValue(value);
}

} // namespace

FieldBinder::FieldBinder(QWidget* window, FieldPage& page) : QObject(window), m_page(page) {
    for (const FieldSpec& f : page.fields()) {
        QObject* control = window->findChild<QObject*>(QLatin1String(f.name));
        if (!control)
            continue;
        prepare(control, f);
        m_bound.push_back({&f, control});
    }
    m_subscription = page.subscribe([this] { show(); }, [this] { collect(); });
    show();
}

FieldBinder::~FieldBinder() {
    m_page.unsubscribe(m_subscription);
}

void FieldBinder::show() {
    for (const Bound& b : m_bound) {
        if (!b.control)
            continue;
        const QString name = QLatin1String(b.field->name);
        const QVariant v = m_page.value(name);
        QObject* c = b.control;
        if (auto* edit = qobject_cast<QLineEdit*>(c))
            showText(edit, *b.field, v.toString());
        else if (auto* label = qobject_cast<QLabel*>(c))
            label->setText(v.toString());
        else if (auto* spin = qobject_cast<QSpinBox*>(c))
            spin->setValue(v.toInt());
        else if (auto* spin = qobject_cast<QDoubleSpinBox*>(c))
            showTenths(spin, *b.field, v.toDouble());
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            combo->setCurrentIndex(v.toInt());
        else if (auto* group = qobject_cast<QButtonGroup*>(c)) {
            // No button for the value: none is checked.
            QAbstractButton* button = group->button(v.toInt());
            if (button) {
                button->setChecked(true);
            } else if (QAbstractButton* checked = group->checkedButton()) {
                group->setExclusive(false);
                checked->setChecked(false);
                group->setExclusive(true);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(c))
            button->setChecked(v.toBool());
    }
}

void FieldBinder::collect() {
    for (const Bound& b : m_bound) {
        if (!b.control)
            continue;
        const QString name = QLatin1String(b.field->name);
        QObject* c = b.control;
        if (auto* edit = qobject_cast<QLineEdit*>(c))
            m_page.setValue(name, edit->text());
        else if (auto* spin = qobject_cast<QSpinBox*>(c))
            m_page.setValue(name, spin->value());
        else if (auto* spin = qobject_cast<QDoubleSpinBox*>(c))
            m_page.setValue(name, spin->value());
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            m_page.setValue(name, combo->currentIndex());
        else if (auto* group = qobject_cast<QButtonGroup*>(c))
            m_page.setValue(name, group->checkedId());
        else if (auto* button = qobject_cast<QAbstractButton*>(c))
            m_page.setValue(name, button->isChecked());
    }
}
