#include "image/RawRegionPage.h"

#include <algorithm>

void RawRegionPage::scatter(const ConfigImage& image) {
    m_copies.clear();
    for (const auto& region : m_regions) {
        std::vector<std::uint8_t> copy(size_t(region.size));
        image.copyOut(region.first, region.size, copy.data());
        m_copies.push_back(std::move(copy));
    }
}

void RawRegionPage::gather(ConfigImage& image) {
    // Before the first scatter the copies are zero, as every record copy is at start-up.
    if (m_copies.empty())
        for (const auto& region : m_regions)
            m_copies.emplace_back(size_t(region.size), std::uint8_t(0));
    for (size_t i = 0; i < m_regions.size(); ++i)
        image.copyIn(m_regions[i].first, m_regions[i].size, m_copies[i].data());
}

int relayAreaEnd(const ConfigImage& image) {
    return std::min(mem::RelayCode + int(image.u16(mem::RelayCodeLength)), mem::RelayCodeLimit);
}

std::vector<mem::Region> RawRegionPage::regionsOf(PageSlot slot) {
    switch (slot) {
    case PageSlot::Network:
        return {mem::AppConfig, mem::BiosName, mem::Popis, mem::SnmpComm, mem::EthConfig};
    case PageSlot::Inputs:
        return {mem::InpConfig, mem::InputDescriptions};
    case PageSlot::Outputs:
        return {mem::OutConfig, mem::OutputDescriptions};
    case PageSlot::Analog:
        return {mem::Out10Config, mem::Out10Descriptions};
    case PageSlot::Modes:
        return {mem::RezimConfig};
    case PageSlot::Thermometers:
        return {mem::Quel5Config, mem::ThermometerDescriptions};
    case PageSlot::Thermostats:
        return {mem::ThermostatRegion, mem::ThermostatDescriptions};
    case PageSlot::Relays:
        return {{mem::RelayArea, mem::RelayAreaFixedSize}, mem::RelayDescriptions};
    }
    return {};
}
