// The thermostat window "Termostaty": the mode switch and "Ulož" across the top, then one
// row per thermostat: name, type picture, sensors and combination, the limit boxes of both
// modes stacked in the same cells (one set shown at a time, "Mod 1" in red), description.
// Which boxes a row shows, and the captions "TL"/"SP" and "TH"/"dT", follow the page's
// table as the binder applies it.
#include "base/Language.h"
#include "editors/PageWindow.h"
#include "logic/ThermostatPage.h"
#include "print/ThermostatPictures.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class ThermostatsWindow : public PageWindow {
public:
    ThermostatsWindow(const WindowRow& row, WindowContext& context)
        : PageWindow(PageSlot::Thermostats, row, context) {
        QPalette cyan = palette();
        cyan.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
        setPalette(cyan);
        setAutoFillBackground(true);

        auto* top = new QHBoxLayout;
        top->addWidget(control("LMDRmod"));
        top->addSpacing(24);
        top->addWidget(saveButton());
        top->addStretch();

        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(2);
        // Column of each control; the boxes of both modes share theirs.
        const std::pair<const char*, int> columns[] = {
            {"lp", 0},    {"trt", 1},   {"trte0", 2},  {"trf", 3},    {"trte1", 4},
            {"trll0", 5}, {"trtl0", 6}, {"trtl1", 6},  {"trlh0", 7},  {"trth0", 8},
            {"trth1", 8}, {"trlp0", 9}, {"trtp0", 10}, {"trtp1", 10}, {"trpop", 11},
        };
        grid->addWidget(label(tx("fields", "Typ")), 0, 1, Qt::AlignCenter);
        grid->addWidget(label(tx("fields", "Teplota1")), 0, 2, Qt::AlignCenter);
        grid->addWidget(label(tx("fields", "Teplota2")), 0, 4, Qt::AlignCenter);
        grid->addWidget(label(tx("fields", "Popis")), 0, 11);
        for (int k = 0; k < ThermostatPage::Rows; ++k)
            for (const auto& [stem, column] : columns) {
                const QByteArray name = ThermostatPage::name(stem, k).toLatin1();
                QWidget* w = control(name.constData());
                grid->addWidget(w, k + 1, column);
                if (column == 0) {
                    QFont bold = w->font();
                    bold.setBold(true);
                    w->setFont(bold);
                }
                const QByteArray stemName(stem);
                if (stemName == "trtl1" || stemName == "trth1" || stemName == "trtp1") {
                    // The second parameter set in red.
                    QPalette red = w->palette();
                    red.setColor(QPalette::Text, Qt::red);
                    w->setPalette(red);
                }
            }
        grid->setColumnStretch(12, 1);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addLayout(grid);
        layout->addStretch();
        bind();
        // The band PB steps by whole degrees, as the limits do.
        for (int k = 0; k < ThermostatPage::Rows; ++k)
            for (const char* stem : {"trtp0", "trtp1"})
                if (auto* band = findChild<QDoubleSpinBox*>(ThermostatPage::name(stem, k)))
                    band->setSingleStep(1.0);

        // The type picker shows pictures only; the meaning is its tool tip. Each picture is
        // drawn once for all the rows.
        std::vector<QIcon> icons;
        for (int t = 0; t < ThermostatPage::Types; ++t)
            icons.emplace_back(QPixmap::fromImage(thermostatPicture(t, PictureSet::Coloured)));
        for (int k = 0; k < ThermostatPage::Rows; ++k) {
            findChild<QWidget*>(ThermostatPage::name("trf", k))
                ->setToolTip(tx("fields", "Kombinace"));
            auto* picker = findChild<QComboBox*>(ThermostatPage::name("trt", k));
            picker->setIconSize(QSize(ThermostatPictureWidth, ThermostatPictureHeight));
            for (int t = 0; t < ThermostatPage::Types; ++t) {
                picker->setItemText(t, QString());
                picker->setItemIcon(t, icons[size_t(t)]);
                picker->setItemData(t, ThermostatPage::TypeNames[t], Qt::ToolTipRole);
            }
            auto tip = [picker] {
                picker->setToolTip(picker->currentData(Qt::ToolTipRole).toString());
            };
            connect(picker, &QComboBox::currentIndexChanged, picker, tip);
            tip();
        }
    }
};

} // namespace

std::unique_ptr<ManagedWindow> makeThermostatsWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<ThermostatsWindow>(row, context);
}
