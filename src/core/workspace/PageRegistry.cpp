#include "workspace/PageRegistry.h"

#include <QCoreApplication>

#include "editors/AnalogPage.h"
#include "editors/InputsPage.h"
#include "editors/ModesPage.h"
#include "editors/NetworkPage.h"
#include "editors/OutputsPage.h"
#include "editors/ThermometersPage.h"
#include "logic/RelayPage.h"
#include "logic/ThermostatPage.h"

namespace {

template <typename T> std::unique_ptr<Page> make() {
    return std::make_unique<T>();
}

const UploadRange Descriptions(const mem::Region& r) {
    return {r.first, r.end(), QT_TRANSLATE_NOOP("transfers", "Popisy ")};
}

} // namespace

const std::vector<PageInfo>& pageRegistry() {
    using S = PageSlot;
    static const std::vector<PageInfo> pages = {
        {S::Network,
         "network",
         0,
         {mem::AppConfig, mem::BiosName, mem::Popis, mem::SnmpComm, mem::EthConfig},
         {{1, mem::AppConfig.first, mem::AppConfigUploadSize, 1,
           QT_TRANSLATE_NOOP("transfers", "Save - App Config"), true},
          {2, mem::BiosName.first, mem::BiosName.size, 0,
           QT_TRANSLATE_NOOP("transfers", "Save - Bios Name"), false},
          {3, mem::Popis.first, mem::Popis.size, 0, QT_TRANSLATE_NOOP("transfers", "Save - Popis"),
           false},
          {4, mem::SnmpComm.first, mem::SnmpComm.size, 0,
           QT_TRANSLATE_NOOP("transfers", "Save - SNMP COMM"), false},
          {5, mem::EthConfig.first, mem::EthConfig.size, 5,
           QT_TRANSLATE_NOOP("transfers", "Save - Eth Config"), false}},
         {},
         "TForm1",
         "Form1",
         QT_TRANSLATE_NOOP("page", "Ethernet"),
         make<NetworkPage>},
        {S::Inputs,
         "inputs",
         1,
         {mem::InpConfig, mem::InputDescriptions},
         {{6, mem::InpConfig.first, mem::InpConfig.size, 6,
           QT_TRANSLATE_NOOP("transfers", "Save - Inp Config"), true}},
         {Descriptions(mem::InputDescriptions)},
         "TFvstupy",
         "Fvstupy",
         QT_TRANSLATE_NOOP("page", "Vstupy"),
         make<InputsPage>,
         1,
         5},
        {S::Outputs,
         "outputs",
         2,
         {mem::OutConfig, mem::OutputDescriptions},
         {{7, mem::OutConfig.first, mem::OutConfig.size, 7,
           QT_TRANSLATE_NOOP("transfers", "Save - Out Config"), true}},
         {Descriptions(mem::OutputDescriptions)},
         "TFvystupy",
         "Fvystupy",
         QT_TRANSLATE_NOOP("page", "Výstupy"),
         make<OutputsPage>,
         2,
         10},
        {S::Analog,
         "analog",
         4,
         {mem::Out10Config, mem::Out10Descriptions},
         {{8, mem::Out10Config.first, mem::Out10Config.size, 8,
           QT_TRANSLATE_NOOP("transfers", "Save - Out10 Config"), true}},
         {Descriptions(mem::Out10Descriptions)},
         "TFavystup",
         "Favystup",
         QT_TRANSLATE_NOOP("page", "Výstup 0-10V"),
         make<AnalogPage>},
        {S::Modes,
         "modes",
         8,
         {mem::RezimConfig},
         {{9, mem::RezimConfig.first, mem::RezimConfig.size, 9,
           QT_TRANSLATE_NOOP("transfers", "Save - Rezim Config"), true}},
         {},
         "TFrezim",
         "Frezim",
         QT_TRANSLATE_NOOP("page", "Režim"),
         make<ModesPage>},
        {S::Thermometers,
         "thermometers",
         16,
         {mem::Quel5Config, mem::ThermometerDescriptions},
         {{10, mem::Quel5Config.first, mem::Quel5Config.size, 10,
           QT_TRANSLATE_NOOP("transfers", "Save - Quel5 Config"), true}},
         {Descriptions(mem::ThermometerDescriptions)},
         "TFquel5",
         "Fquel5",
         QT_TRANSLATE_NOOP("page", "Quel5"),
         make<ThermometersPage>},
        {S::Thermostats,
         "thermostats",
         0,
         {mem::ThermostatRegion, mem::ThermostatDescriptions},
         {},
         {{mem::ThermostatRegion.first, mem::ThermostatRegion.end(),
           QT_TRANSLATE_NOOP("transfers", "Term ")},
          Descriptions(mem::ThermostatDescriptions)},
         "TFtermostaty",
         "Ftermostaty",
         QT_TRANSLATE_NOOP("page", "Termostaty"),
         make<ThermostatPage>,
         4,
         16},
        {S::Relays,
         "relays",
         0,
         {{mem::RelayArea, mem::RelayCodeLimit - mem::RelayArea}, mem::RelayDescriptions},
         {},
         {{mem::RelayArea, mem::RelayCode, QT_TRANSLATE_NOOP("transfers", "Rele "), true},
          Descriptions(mem::RelayDescriptions)},
         "TFvrele",
         "Fvrele",
         QT_TRANSLATE_NOOP("page", "Virtuální relé"),
         make<RelayPage>,
         3,
         16},
    };
    return pages;
}

const PageInfo& pageInfo(PageSlot slot) {
    return pageRegistry().at(size_t(slot));
}

const PageInfo* pageByCliName(const QString& name) {
    for (const PageInfo& page : pageRegistry())
        if (name == QLatin1String(page.cliName))
            return &page;
    return nullptr;
}

const std::array<PageSlot, PageSlotCount> ScatterOrder = {
    PageSlot::Network, PageSlot::Analog,      PageSlot::Thermometers, PageSlot::Inputs,
    PageSlot::Outputs, PageSlot::Thermostats, PageSlot::Relays,       PageSlot::Modes};

Selectors Selectors::all() {
    Selectors s;
    s.m_bits = std::uint8_t((1u << PageSlotCount) - 1);
    return s;
}

Selectors Selectors::with(PageSlot slot) const {
    Selectors s = *this;
    s.m_bits |= bit(slot);
    return s;
}

Selectors Selectors::without(PageSlot slot) const {
    Selectors s = *this;
    s.m_bits &= std::uint8_t(~bit(slot));
    return s;
}

Selectors Selectors::fromArguments(bool network, int pageFlags, bool thermostats, bool relays) {
    Selectors s;
    for (const PageInfo& page : pageRegistry())
        if (page.pageFlag & pageFlags)
            s = s.with(page.slot);
    if (network)
        s = s.with(PageSlot::Network);
    if (thermostats)
        s = s.with(PageSlot::Thermostats);
    if (relays)
        s = s.with(PageSlot::Relays);
    return s;
}

int Selectors::pageFlags() const {
    int flags = 0;
    for (const PageInfo& page : pageRegistry())
        if (selects(page.slot))
            flags |= page.pageFlag;
    return flags;
}
