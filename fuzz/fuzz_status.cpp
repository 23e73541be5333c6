// A #GS status reply of any length and content: the decoder, the thirteen lines of the
// status log, the bit rows and the value rows.
#include "monitor/DeviceStatus.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceStatus status = decodeStatus(data, int(size));
    (void)statusLines(status);
    for (const BitRow& row : bitRows(status))
        (void)bitRowText(row);
    for (const ValueRow& row : valueRows(status))
        (void)valueText(row.value);
    return 0;
}
