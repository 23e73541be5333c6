#include "app/WindowTable.h"

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
        {-1, "TFprehled", "Fprehled", "Přehled", nullptr, nullptr, makeOverviewWindow},
        {page(S::Inputs), nullptr, nullptr, nullptr, "&Vstupy", "Vstupy - ", makeInputsWindow},
        {page(S::Outputs), nullptr, nullptr, nullptr, "Vý&stupy", "Výstupy - ", makeOutputsWindow},
        {page(S::Analog), nullptr, nullptr, nullptr, "Výstup &0-10V", "Výstup 0-10V - ",
         makeAnalogWindow},
        {page(S::Modes), nullptr, nullptr, nullptr, "&Režim", "Rezim - ", makeModesWindow},
        {page(S::Thermometers), nullptr, nullptr, nullptr, "&Quel5", "Quel5.00.04 - ",
         makeThermometersWindow},
        {page(S::Thermostats), nullptr, nullptr, nullptr, "&Termostaty", "Termostaty - ",
         makeThermostatsWindow},
        {page(S::Relays), nullptr, nullptr, nullptr, "Virtuální r&elé", "Viruální relé - ", relays},
        {-1, "TFstav", "Fstav", "Fstav", "St&av", nullptr, makeStatusWindow},
        {-1, "TFdiscoverer", "Fdisc", "Discoverer", "&Discoverer", nullptr, makeDiscoveryWindow},
    };
    return table;
}
