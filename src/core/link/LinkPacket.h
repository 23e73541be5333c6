#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The one request/reply buffer of the unit protocol. A request is written into it,
// and the reply overwrites the six header bytes and as much payload as it carries;
// payload bytes beyond the reply's length keep what was there before.
struct LinkPacket {
    static constexpr std::size_t Size = 128;
    static constexpr std::size_t HeaderSize = 6;
    static constexpr std::size_t PayloadCapacity = Size - HeaderSize; // 122

    std::array<std::uint8_t, Size> bytes{};

    void setCommand(char letter1, char letter2) {
        bytes[0] = '#';
        bytes[1] = static_cast<std::uint8_t>(letter1);
        bytes[2] = static_cast<std::uint8_t>(letter2);
    }
    char letter1() const { return static_cast<char>(bytes[1]); }
    char letter2() const { return static_cast<char>(bytes[2]); }

    std::uint8_t status() const { return bytes[3]; }
    void setStatus(std::uint8_t s) { bytes[3] = s; }

    std::uint16_t length() const { return static_cast<std::uint16_t>(bytes[4] | (bytes[5] << 8)); }
    void setLength(std::uint16_t n) {
        bytes[4] = static_cast<std::uint8_t>(n & 0xFF);
        bytes[5] = static_cast<std::uint8_t>(n >> 8);
    }

    std::uint8_t* payload() { return bytes.data() + HeaderSize; }
    const std::uint8_t* payload() const { return bytes.data() + HeaderSize; }

    void setPayloadU16(std::size_t offset, std::uint16_t v) {
        payload()[offset] = static_cast<std::uint8_t>(v & 0xFF);
        payload()[offset + 1] = static_cast<std::uint8_t>(v >> 8);
    }
};
