#include "app/WindowTable.h"

#include <QtGlobal>

#include "editors/PageWindow.h"
#include "kit/ManagedWindow.h"
#include "logic/RelayPage.h"
#include "logic/RelayWindow.h"
#include "monitor/MonitorWindows.h"
#include "workspace/Workspace.h"

namespace {

using Made = std::unique_ptr<ManagedWindow>;

Made relays(const WindowRow&, WindowContext& context) {
    return std::make_unique<RelayWindow>(context.workspace.pageAs<RelayPage>(PageSlot::Relays),
                                         context.workspace.image(), context.settings,
                                         context.dialogs, context.run, context.upload);
}

constexpr int page(PageSlot slot) {
    return int(slot);
}

} // namespace

const std::vector<WindowRow>& windowTable() {
    using S = PageSlot;
    static const std::vector<WindowRow> table = {
        {-1, "TFprehled", "Fprehled", QT_TRANSLATE_NOOP("windows", "Přehled"), nullptr, nullptr,
         makeOverviewWindow},
        {page(S::Inputs), nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("windows", "&Vstupy"),
         QT_TRANSLATE_NOOP("windows", "Vstupy - "), makeInputsWindow},
        {page(S::Outputs), nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("windows", "Vý&stupy"),
         QT_TRANSLATE_NOOP("windows", "Výstupy - "), makeOutputsWindow},
        {page(S::Analog), nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("windows", "Výstup &0-10V"),
         QT_TRANSLATE_NOOP("windows", "Výstup 0-10V - "), makeAnalogWindow},
        {page(S::Modes), nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("windows", "&Režim"),
         QT_TRANSLATE_NOOP("windows", "Rezim - "), makeModesWindow},
        {page(S::Thermometers), nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("windows", "&Quel5"),
         QT_TRANSLATE_NOOP("windows", "Quel5.00.04 - "), makeThermometersWindow},
        {page(S::Thermostats), nullptr, nullptr, nullptr,
         QT_TRANSLATE_NOOP("windows", "&Termostaty"), QT_TRANSLATE_NOOP("windows", "Termostaty - "),
         makeThermostatsWindow},
        {page(S::Relays), nullptr, nullptr, nullptr,
         QT_TRANSLATE_NOOP("windows", "Virtuální r&elé"),
         QT_TRANSLATE_NOOP("windows", "Viruální relé - "), relays},
        {-1, "TFstav", "Fstav", "Fstav", QT_TRANSLATE_NOOP("windows", "St&av"), nullptr,
         makeStatusWindow},
        {-1, "TFdiscoverer", "Fdisc", QT_TRANSLATE_NOOP("windows", "Discoverer"),
         QT_TRANSLATE_NOOP("windows", "&Discoverer"), nullptr, makeDiscoveryWindow},
    };
    return table;
}
