#pragma once

#include "image/MemoryMap.h"

#include <QString>
#include <array>
#include <cstdint>

// The tool's copy of the unit's configuration memory.
class ConfigImage {
public:
    using Bytes = std::array<std::uint8_t, mem::ImageSize>;

    Bytes& bytes() { return m_bytes; }
    const Bytes& bytes() const { return m_bytes; }
    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    std::uint8_t& operator[](int address) { return m_bytes.at(address); }
    std::uint8_t operator[](int address) const { return m_bytes.at(address); }

    void clear() { m_bytes.fill(0); }

    std::uint16_t u16(int address) const;
    void setU16(int address, std::uint16_t value);

    // Copies bytes [first, first + count) out of or into the image; a span that leaves
    // the image is cut at its end.
    void copyOut(int first, int count, std::uint8_t* to) const;
    void copyIn(int first, int count, const std::uint8_t* from);

    // The description slot whose first byte is at slotAddress (area + 20 k).
    QString description(int slotAddress) const;
    void setDescription(int slotAddress, const QString& text);

private:
    Bytes m_bytes{};
};

// The end (one past the last byte) of the relay area of the image, kept below the
// description area whatever length a damaged image claims.
int relayAreaEnd(const ConfigImage& image);
