// The outputs window "Výstupy": ten rows in screen order ("X12" after "X16") of check
// boxes, the virtual relay and the description.
#include "editors/OutputsPage.h"
#include "editors/PageWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class OutputsWindow : public PageWindow {
public:
    OutputsWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Outputs, row, context) {
        auto* grid = new QGridLayout;
        headings(grid,
                 {QStringLiteral("Použit"), QStringLiteral("Negace"), QStringLiteral("Trap1"),
                  QStringLiteral("Trap2"), QStringLiteral("Virt. relé"), QStringLiteral("Popis")});
        for (int k = 0; k < OutputsPage::Rows; ++k) {
            const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
            grid->addWidget(rowLabel(k, OutputsPage::RowCaptions[k]), k + 1, 0);
            const char* stems[] = {"outp", "outn", "outt1", "outt2"};
            for (int c = 0; c < 4; ++c)
                grid->addWidget(control(qPrintable(QLatin1String(stems[c]) + nn)), k + 1, c + 1,
                                Qt::AlignCenter);
            grid->addWidget(control(qPrintable(QStringLiteral("outvr") + nn)), k + 1, 5);
            grid->addWidget(control(qPrintable(QStringLiteral("outpop") + nn)), k + 1, 6);
        }
        grid->setColumnStretch(6, 1);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(saveButton());
        bottom->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addLayout(bottom);
        layout->addStretch();
        bind();
    }
};

} // namespace

std::unique_ptr<ManagedWindow> makeOutputsWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<OutputsWindow>(row, context);
}
