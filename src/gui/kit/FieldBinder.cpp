#include "kit/FieldBinder.h"
#include "base/Language.h"

#include "image/FieldPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QWidget>
#include <algorithm>

namespace {

// The range of a tenths box, in its units.
std::pair<double, double> tenthsRange(const FieldSpec& f, std::pair<int, int> range) {
    if (range.second > range.first)
        return {range.first / 10.0, range.second / 10.0};
    if (f.kind == FieldKind::SignedTenths)
        return {-3276.8, 3276.7};
    return {0.0, (f.size >= 2 ? 0xFFFF : 0xFF) / 10.0};
}

// A number box that refuses a key says in its tool tip what it takes.
template <typename Number> void hintRange(QWidget* box, Number low, Number high, int decimals) {
    box->setToolTip(tx("gui", "%1 až %2")
                        .arg(QLocale().toString(double(low), 'f', decimals),
                             QLocale().toString(double(high), 'f', decimals)));
}

void prepare(QObject* control, const FieldSpec& f) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (f.typing > 0)
            edit->setMaxLength(f.typing);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        const int capacity = f.size >= 2 ? 0xFFFF : 0xFF;
        spin->setRange(f.max > f.min ? f.min : 0, f.max > f.min ? f.max : capacity);
        hintRange(spin, spin->minimum(), spin->maximum(), 0);
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        spin->setDecimals(1);
        // Temperatures step by whole degrees.
        spin->setSingleStep(f.kind == FieldKind::SignedTenths ? 1.0 : 0.1);
        const auto [low, high] = tenthsRange(f, {f.min, f.max});
        spin->setRange(low, high);
        hintRange(spin, low, high, 1);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->clear();
        for (const QString& item : f.items)
            combo->addItem(tx("items", item));
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
void showTenths(QDoubleSpinBox* spin, const FieldSpec& f, std::pair<int, int> range, double value) {
    const auto [low, high] = tenthsRange(f, range);
    spin->setRange(std::min(low, value), std::max(high, value));
    spin->setValue(value);
}

} // namespace

FieldBinder::FieldBinder(QWidget* window, FieldPage& page) : QObject(window), m_page(page) {
    // The window's controls by name, found in one walk: the first of a name, as findChild
    // would find it.
    QHash<QString, QObject*> byName;
    for (QObject* child : window->findChildren<QObject*>())
        if (!child->objectName().isEmpty() && !byName.contains(child->objectName()))
            byName.insert(child->objectName(), child);
    for (const FieldSpec& f : page.fields()) {
        QObject* control = byName.value(QLatin1String(f.name));
        if (!control)
            continue;
        prepare(control, f);
        // A field the gather never stores is shown, not edited.
        if (!f.stored)
            if (auto* widget = qobject_cast<QWidget*>(control))
                widget->setEnabled(false);
        m_bound.push_back({&f, control});
        if (f.stored && f.kind != FieldKind::Mode && f.kind != FieldKind::Label)
            watchEdits(control);
        if (page.isKey(QLatin1String(f.name))) {
            const FieldSpec* field = &f;
            if (auto* combo = qobject_cast<QComboBox*>(control))
                connect(combo, &QComboBox::currentIndexChanged, this,
                        [this, field, combo] { edited(*field, combo); });
            else if (auto* group = qobject_cast<QButtonGroup*>(control))
                connect(group, &QButtonGroup::idToggled, this, [this, field, group](int, bool on) {
                    if (on)
                        edited(*field, group);
                });
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                connect(button, &QAbstractButton::toggled, this,
                        [this, field, button] { edited(*field, button); });
        }
    }
    m_subscription = page.subscribe([this] { show(); }, [this] { collect(); });
    show();
}

void FieldBinder::watchEdits(QObject* control) {
    const auto changed = [this] {
        if (!m_filling)
            emit userEdited();
    };
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textChanged, this, changed);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        connect(spin, &QSpinBox::valueChanged, this, changed);
    else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control))
        connect(spin, &QDoubleSpinBox::valueChanged, this, changed);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    else if (auto* group = qobject_cast<QButtonGroup*>(control))
        connect(group, &QButtonGroup::idToggled, this, changed);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::toggled, this, changed);
}

void FieldBinder::edited(const FieldSpec& f, QObject* control) {
    if (m_showing)
        return;
    const QString name = QLatin1String(f.name);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        m_page.setValue(name, combo->currentIndex());
    else if (auto* group = qobject_cast<QButtonGroup*>(control))
        m_page.setValue(name, group->checkedId());
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        m_page.setValue(name, button->isChecked());
    applyRules();
}

void FieldBinder::applyRules() {
    if (!m_page.hasRules())
        return;
    for (const Bound& b : m_bound) {
        auto* widget = qobject_cast<QWidget*>(b.control.data());
        if (!widget)
            continue;
        widget->setVisible(m_page.isShown(*b.field));
        if (b.field->captionBy)
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setText(m_page.captionNow(*b.field));
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(widget)) {
            // A narrower range (dT of types 4 and 5) limits what can be typed; the value
            // the box holds stays as it is, so that another type brings it back whole.
            const auto [low, high] = tenthsRange(*b.field, m_page.rangeNow(*b.field));
            const double value = spin->value();
            spin->setRange(std::min(low, value), std::max(high, value));
            hintRange(spin, low, high, 1);
        }
    }
}

FieldBinder::~FieldBinder() {
    m_page.unsubscribe(m_subscription);
}

void FieldBinder::show() {
    const QScopedValueRollback filling(m_filling, true);
    m_showing = true;
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
            showTenths(spin, *b.field, m_page.rangeNow(*b.field), v.toDouble());
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
    m_showing = false;
    applyRules();
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
