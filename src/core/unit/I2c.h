#pragma once

#include "link/LinkPacket.h"

#include <cstdint>

// The unit's I2C bus: "#XI" reads and "#Xi" writes a device's registers.

// Writes the payload of a read of count bytes (at most 122) from a device register;
// returns its length.
int i2cReadPayload(std::uint8_t* payload, std::uint8_t device, std::uint8_t reg,
                   std::uint8_t count);
// Writes the payload of a write of up to 119 bytes; returns its length.
int i2cWritePayload(std::uint8_t* payload, std::uint8_t device, std::uint8_t reg,
                    const std::uint8_t* data, int count);

// Fills the packet with an I2C read of count bytes (at most 122) from a device register.
void prepareI2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t reg, std::uint8_t count);
// Fills the packet with an I2C write of up to 119 bytes.
void prepareI2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t reg,
                     const std::uint8_t* data, int count);
