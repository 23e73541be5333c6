#include "image/ConfigImage.h"

#include "base/Text.h"

#include <algorithm>
#include <cstring>

std::uint16_t ConfigImage::u16(int address) const {
    return static_cast<std::uint16_t>(m_bytes.at(address) | (m_bytes.at(address + 1) << 8));
}

void ConfigImage::setU16(int address, std::uint16_t value) {
    m_bytes.at(address) = static_cast<std::uint8_t>(value & 0xFF);
    m_bytes.at(address + 1) = static_cast<std::uint8_t>(value >> 8);
}

void ConfigImage::copyOut(int first, int count, std::uint8_t* to) const {
    if (first < 0 || count <= 0 || first >= mem::ImageSize)
        return;
    count = std::min(count, mem::ImageSize - first);
    std::memcpy(to, m_bytes.data() + first, size_t(count));
}

void ConfigImage::copyIn(int first, int count, const std::uint8_t* from) {
    if (first < 0 || count <= 0 || first >= mem::ImageSize)
        return;
    count = std::min(count, mem::ImageSize - first);
    std::memcpy(m_bytes.data() + first, from, size_t(count));
}

QString ConfigImage::description(int slotAddress) const {
    const int room = std::min(mem::DescriptionSlotSize, mem::ImageSize - slotAddress);
    if (slotAddress < 0 || room <= 0)
        return {};
    return getZeroTerminated(m_bytes.data() + slotAddress, room);
}

void ConfigImage::setDescription(int slotAddress, const QString& text) {
    if (slotAddress < 0 || slotAddress + mem::DescriptionSlotSize > mem::ImageSize)
        return;
    putZeroTerminated(m_bytes.data() + slotAddress, mem::DescriptionSlotSize, text);
}

int relayAreaEnd(const ConfigImage& image) {
    return std::min(mem::RelayCode + int(image.u16(mem::RelayCodeLength)), mem::RelayCodeLimit);
}
