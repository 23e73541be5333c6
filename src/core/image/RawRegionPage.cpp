#include "image/RawRegionPage.h"

void RawRegionPage::scatterImage(const ConfigImage& image) {
    m_copies.clear();
    for (const auto& region : m_regions) {
        std::vector<std::uint8_t> copy(size_t(region.size));
        image.copyOut(region.first, region.size, copy.data());
        m_copies.push_back(std::move(copy));
    }
}

void RawRegionPage::gatherImage(ConfigImage& image) {
    // Before the first scatter the copies are zero, as every record copy is at start-up.
    if (m_copies.empty())
        for (const auto& region : m_regions)
            m_copies.emplace_back(size_t(region.size), std::uint8_t(0));
    for (size_t i = 0; i < m_regions.size(); ++i)
        image.copyIn(m_regions[i].first, m_regions[i].size, m_copies[i].data());
}
