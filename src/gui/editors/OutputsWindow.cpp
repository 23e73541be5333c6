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
        QGridLayout* grid = fieldGrid(RowNames::State);
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
