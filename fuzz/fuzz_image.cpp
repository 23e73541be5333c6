// Any file content opened and saved again: every page scatters it and gathers it back.
#include "editors/NetworkPage.h"
#include "image/ConfigImage.h"
#include "logic/RelayPage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigImage image;
    // Short inputs are spread over the relay area and the network records, where the
    // pages read lengths and texts.
    if (size < 2000) {
        image.copyIn(mem::RelayArea, int(std::min<std::size_t>(size, 600)), data);
        if (size > 600)
            image.copyIn(mem::AppConfig.first, int(size - 600), data + 600);
    } else {
        image.copyIn(0, int(std::min<std::size_t>(size, mem::ImageSize)), data);
    }
    NetworkPage network;
    RelayPage relays;
    network.scatter(image);
    relays.scatter(image);
    ConfigImage out;
    try {
        network.gather(out);
    } catch (...) {
    }
    try {
        relays.gather(out);
    } catch (...) {
    }
    if (out.u16(mem::RelayCodeLength) + mem::RelayCode > mem::RelayCodeLimit)
        __builtin_trap();
    return 0;
}
