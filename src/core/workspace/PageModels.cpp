#include "workspace/PageModels.h"

#include "image/RawRegionPage.h"
#include "workspace/Report.h"

PageModels::PageModels() {
    for (const PageInfo& info : pageRegistry())
        m_pages[size_t(info.slot)] =
            info.createModel ? info.createModel() : std::make_unique<RawRegionPage>(info.regions);
}

void PageModels::scatter(const ConfigImage& image) {
    for (PageSlot slot : ScatterOrder)
        page(slot).scatter(image);
}

ConfigImage PageModels::gatherAll() {
    ConfigImage image;
    for (const PageInfo& info : pageRegistry())
        page(info.slot).gather(image);
    return image;
}

std::vector<ShownPage> PageModels::shown() const {
    return shownPages([this](PageSlot slot) -> const Page& { return page(slot); });
}
