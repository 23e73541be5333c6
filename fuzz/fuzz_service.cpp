// The clock registers and the replies the service panel handles: the input is the clock
// block, then a reply packet, then the numbers the panel asked with.
#include "unit/Clock.h"
#include "unit/UnitCommands.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    unitclock::RegisterBlock registers{};
    std::memcpy(registers.data(), data, std::min(size, registers.size()));
    const auto time = unitclock::decode(registers);
    if (time && !unitclock::encode(*time))
        __builtin_trap(); // a time the clock held must go back into it
    const std::size_t rest = size > registers.size() ? size - registers.size() : 0;
    const std::uint8_t* reply = data + (size - rest);
    LinkPacket packet;
    std::memcpy(packet.bytes.data(), reply, std::min(rest, packet.bytes.size()));
    std::uint32_t address = 0;
    int count = 0;
    if (rest > packet.bytes.size() + 4) {
        std::memcpy(&address, reply + packet.bytes.size(), 4);
        count = reply[packet.bytes.size() + 4];
    }
    // Every row's check and lines, with the numbers as each argument in turn.
    const unit::Values values = {address, std::uint32_t(count), address, std::uint32_t(count)};
    for (const unit::Command& c : unit::commands()) {
        (void)unit::replyProblem(c, packet, values);
        if (c.lines)
            (void)c.lines(packet, values);
        LinkPacket request;
        unit::prepare(request, c, values); // any value fits the packet
    }
    return 0;
}
