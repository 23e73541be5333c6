#pragma once

#include "image/MemoryMap.h"
#include "image/Page.h"

#include <vector>

// The stand-in for a page that has no editor: its record copy is the raw bytes of its
// regions, so a full gather (which clears the image) still writes back what the last
// scatter brought in.
class RawRegionPage : public Page {
public:
    explicit RawRegionPage(std::vector<mem::Region> regions) : m_regions(std::move(regions)) {}

    void scatter(const ConfigImage& image) override;
    void gather(ConfigImage& image) override;

    // The regions of each page as the memory map gives them.
    static std::vector<mem::Region> regionsOf(PageSlot slot);

protected:
    std::vector<mem::Region> m_regions;
    std::vector<std::vector<std::uint8_t>> m_copies;
};

// The end (one past the last byte) of the relay area of the image, kept below the
// description area whatever length a damaged image claims.
int relayAreaEnd(const ConfigImage& image);
