#include "link/I2c.h"

#include <algorithm>
#include <cstring>

void prepareI2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t reg, std::uint8_t count) {
    packet.setCommand('X', 'I');
    packet.setStatus(0);
    packet.setLength(3);
    packet.payload()[0] = device;
    packet.payload()[1] = reg;
    packet.payload()[2] = std::min<std::uint8_t>(count, LinkPacket::PayloadCapacity);
}

void prepareI2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t reg,
                     const std::uint8_t* data, int count) {
    count = std::clamp(count, 0, int(LinkPacket::PayloadCapacity) - 3);
    packet.setCommand('X', 'i');
    packet.setStatus(0);
    packet.setLength(std::uint16_t(count + 3));
    packet.payload()[0] = device;
    packet.payload()[1] = reg;
    packet.payload()[2] = std::uint8_t(count);
    if (count > 0)
        std::memcpy(packet.payload() + 3, data, size_t(count));
}
