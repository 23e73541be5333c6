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

protected:
    void scatterImage(const ConfigImage& image) override;
    void gatherImage(ConfigImage& image) override;

private:
    std::vector<mem::Region> m_regions;
    std::vector<std::vector<std::uint8_t>> m_copies;
};
