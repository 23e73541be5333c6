#include "unit/I2c.h"

#include <algorithm>
#include <cstring>

int i2cReadPayload(std::uint8_t* payload, std::uint8_t device, std::uint8_t reg,
                   std::uint8_t count) {
    payload[0] = device;
    payload[1] = reg;
    payload[2] = std::min<std::uint8_t>(count, LinkPacket::PayloadCapacity);
    return 3;
}

int i2cWritePayload(std::uint8_t* payload, std::uint8_t device, std::uint8_t reg,
                    const std::uint8_t* data, int count) {
    count = std::clamp(count, 0, int(LinkPacket::PayloadCapacity) - 3);
    payload[0] = device;
    payload[1] = reg;
    payload[2] = std::uint8_t(count);
    if (count > 0)
        std::memcpy(payload + 3, data, size_t(count));
    return count + 3;
}

void prepareI2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t reg, std::uint8_t count) {
    packet.setCommand('X', 'I');
    packet.setStatus(0);
    packet.setLength(std::uint16_t(i2cReadPayload(packet.payload(), device, reg, count)));
}

void prepareI2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t reg,
                     const std::uint8_t* data, int count) {
    packet.setCommand('X', 'i');
    packet.setStatus(0);
    packet.setLength(std::uint16_t(i2cWritePayload(packet.payload(), device, reg, data, count)));
}
