// The 0-10 V output window "Výstup 0-10V": the mode group across the top, the regulation
// and PWM entries, and the source rows A1..A4.
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
            auto* button = new QRadioButton(AnalogPage::Modes[i], this);
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

        auto* rows = new QGridLayout;
        headings(rows,
                 {QStringLiteral("Term"), QStringLiteral("Vrelé"), QStringLiteral("MIN [ % ]"),
                  QStringLiteral("MAX [ % ]"), QStringLiteral("Omezení [ vstup ]"),
                  QStringLiteral("Omezení [ % ]"), QStringLiteral("Popis")});
        const char* rowNames[] = {"A1", "A2", "A3", "A4"};
        for (int n = 0; n < AnalogPage::Rows; ++n) {
            QLabel* name = label(QString::fromLatin1(rowNames[n]));
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
            rows->addWidget(name, n + 1, 0);
            const char* stems[] = {"atr", "avr", "amn", "amx", "aov", "aop", "avpop"};
            for (int c = 0; c < 7; ++c)
                rows->addWidget(control(qPrintable(QStringLiteral("%1%2").arg(stems[c]).arg(n))),
                                n + 1, c + 1);
        }
        rows->setColumnStretch(7, 1);

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
