// The thermometer window "Quel5": type and kind, five thermometer rows, then the timing
// entries one per line.
#include "editors/PageWindow.h"
#include "editors/ThermometersPage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class ThermometersWindow : public PageWindow {
public:
    ThermometersWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Thermometers, row, context) {
        auto* top = new QHBoxLayout;
        for (const char* name : {"ttyp", "tdruh"}) {
            top->addWidget(captionOf(name));
            top->addWidget(control(name));
        }
        top->addWidget(saveButton());
        top->addStretch();

        QGridLayout* grid = fieldGrid(RowNames::Plain);

        auto* form = new QFormLayout;
        for (const char* name : {"pr_temp", "LMDreadcount", "LMDerrtm", "LMDerrcount", "LMDtemptm",
                                 "LMDbptm", "LMDtesttm", "LMDsavetm", "LMDerrdif"})
            form->addRow(captionOf(name), control(name));

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addLayout(grid);
        layout->addLayout(form);
        layout->addStretch();
        bind();
    }
};

} // namespace

std::unique_ptr<ManagedWindow> makeThermometersWindow(const WindowRow& row,
                                                      WindowContext& context) {
    return std::make_unique<ThermometersWindow>(row, context);
}
