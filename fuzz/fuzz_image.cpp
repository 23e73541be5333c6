// Any file content opened and saved again: every page of the registry scatters it and
// gathers it back, and quel5ctl show reads every page's values.
#include "FuzzSupport.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FixedTarget target;
    static SilentFeedback feedback;
    static DeviceLink link(target, feedback);
    Workspace workspace(link);
    ConfigImage& image = workspace.image();
    // Short inputs are spread over the relay area and the fixed records, where the pages
    // read lengths, indexes and texts.
    if (size < 2000) {
        image.copyIn(mem::RelayArea, int(std::min<std::size_t>(size, 600)), data);
        if (size > 600)
            image.copyIn(mem::AppConfig.first, int(size - 600), data + 600);
    } else {
        image.copyIn(0, int(std::min<std::size_t>(size, mem::ImageSize)), data);
    }
    workspace.scatterAll();
    for (const PageInfo& page : pageRegistry())
        (void)workspace.page(page.slot).shownFields();
    try {
        workspace.gatherPages(Selectors::all());
    } catch (...) {
    }
    if (relayAreaEnd(workspace.image()) > mem::RelayCodeLimit)
        __builtin_trap();
    return 0;
}
