#pragma once

#include "image/ConfigImage.h"
#include "image/Page.h"
#include "workspace/PageRegistry.h"

#include <array>
#include <memory>
#include <vector>

struct ShownPage;

// The one place the set of page models is made from the registry: the workspace owns one
// set, and what opening a file, a diff or a document makes of an image uses one apart from
// any window.
class PageModels {
public:
    PageModels();
    Page& page(PageSlot slot) { return *m_pages[size_t(slot)]; }
    const Page& page(PageSlot slot) const { return *m_pages[size_t(slot)]; }
    void scatter(const ConfigImage& image);
    // Every page's gather into a cleared image, as a save makes it.
    ConfigImage gatherAll();
    std::vector<ShownPage> shown() const;

private:
    std::array<std::unique_ptr<Page>, PageSlotCount> m_pages;
};
