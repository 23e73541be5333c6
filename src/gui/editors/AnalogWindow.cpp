// The 0-10 V output window "Výstup 0-10V": the mode group across the top, the regulation
// and PWM entries, and the source rows A1..A4.
#include "base/Language.h"
#include "editors/AnalogPage.h"
#include "editors/PageWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

class AnalogWindow : public PageWindow {
public:
    AnalogWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Analog, row, context) {
        auto* modes = new QHBoxLayout;
        auto* group = new QButtonGroup(this);
        group->setObjectName(QStringLiteral("lrvp"));
        for (int i = 0; i < AnalogPage::Modes.size(); ++i) {
            auto* button = new QRadioButton(tx("items", AnalogPage::Modes[i]), this);
            button->setObjectName(QStringLiteral("lrvp%1").arg(i));
            group->addButton(button, i);
            modes->addWidget(button);
        }
        modes->addStretch();

        auto* entries = new QGridLayout;
        const char* lines[2][3] = {{"avhs", "pr2", nullptr}, {"avik", "pres", "maxpwm"}};
        for (int line = 0; line < 2; ++line)
            for (int i = 0; i < 3; ++i) {
                if (!lines[line][i])
                    continue;
                entries->addWidget(captionOf(lines[line][i]), line, 2 * i);
                entries->addWidget(control(lines[line][i]), line, 2 * i + 1);
            }
        entries->addWidget(saveButton(), 0, 4, 1, 2);
        entries->setColumnStretch(6, 1);

        QGridLayout* rows = fieldGrid(RowNames::Bold);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(modes);
        layout->addLayout(entries);
        layout->addLayout(rows);
        layout->addStretch();
        bind();
    }
};

} // namespace

std::unique_ptr<ManagedWindow> makeAnalogWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<AnalogWindow>(row, context);
}
