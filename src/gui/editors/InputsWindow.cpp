// The inputs window "Vstupy": five rows of check boxes, the S0 entries of X6/SO1 and
// X7/SO2, descriptions, and the hidden energy preset.
#include "base/Language.h"
#include "editors/InputsPage.h"
#include "editors/PageWindow.h"
#include "unit/EnergyPreset.h"

#include "base/Errors.h"
#include "kit/ExchangeControls.h"
#include "workspace/Workspace.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

class InputsWindow : public PageWindow {
public:
    InputsWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Inputs, row, context) {
        QGridLayout* grid = fieldGrid(RowNames::State);

        // The energy preset of X6/SO1, shown by the key sequence.
        m_presetLabel = label(tx("gui", "Energie ( musí sedět počet pulzů) [kWh]"));
        m_presetLabel->setObjectName(QStringLiteral("Label7"));
        m_energy = new QDoubleSpinBox(this);
        m_energy->setObjectName(QStringLiteral("PBNumEdit2"));
        m_energy->setDecimals(1);
        m_energy->setRange(0, 65535);
        m_energy->setAlignment(Qt::AlignRight);
        m_set = new QPushButton(tx("gui", "Nastav"), this);
        m_set->setObjectName(QStringLiteral("LMDButton1"));
        markExchangeControl(m_set);
        connect(m_set, &QPushButton::clicked, this, [this] { sendPreset(); });
        showPreset(false);

        auto* bottom = new QHBoxLayout;
        bottom->addWidget(saveButton());
        bottom->addStretch();
        bottom->addWidget(m_presetLabel);
        bottom->addWidget(m_energy);
        bottom->addWidget(m_set);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addLayout(bottom);
        layout->addStretch();

        m_pulses = static_cast<QSpinBox*>(control("sopp0"));
        m_pulses->installEventFilter(this);
        bind();
    }

protected:
    void showEvent(QShowEvent* event) override {
        PageWindow::showEvent(event);
        m_pulses->setFocus(Qt::OtherFocusReason);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_pulses && event->type() == QEvent::KeyPress &&
            !isModifierKey(static_cast<QKeyEvent*>(event)->key())) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Ctrl and a letter is that letter's control character, whatever text the
            // platform gives with it. Only an administrator's keys count; they still reach
            // the entry.
            int character = key->text().size() == 1 ? key->text().at(0).unicode() : 0;
            if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A &&
                key->key() <= Qt::Key_Z)
                character = key->key() - Qt::Key_A + 1;
            if (const auto show = m_keys.feed(character, saveButton()->isEnabled()))
                showPreset(*show);
        }
        return PageWindow::eventFilter(watched, event);
    }

private:
    // Pressing Ctrl (again) between the two keys is no keystroke of the sequence.
    static bool isModifierKey(int key) {
        return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
               key == Qt::Key_Meta || key == Qt::Key_AltGr;
    }

    void showPreset(bool visible) {
        m_presetLabel->setVisible(visible);
        m_energy->setVisible(visible);
        m_set->setVisible(visible);
    }

    void sendPreset() {
        const qint64 tenths = qRound64(m_energy->value() * 10.0);
        const qint64 pulses = m_pulses->value();
        m_context.runLink([this, tenths, pulses] {
            energy::sendPreset(m_context.workspace.link(), energy::presetCount(tenths, pulses));
        });
    }

    QLabel* m_presetLabel;
    QDoubleSpinBox* m_energy;
    QPushButton* m_set;
    QSpinBox* m_pulses;
    energy::KeySequence m_keys;
};

} // namespace

std::unique_ptr<ManagedWindow> makeInputsWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<InputsWindow>(row, context);
}
