#include "image/ConfigImage.h"

#include <QStringDecoder>
#include <QStringEncoder>
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
    return cp1250::decode(reinterpret_cast<const char*>(m_bytes.data() + slotAddress), room);
}

void ConfigImage::setDescription(int slotAddress, const QString& text) {
    QByteArray encoded = cp1250::encode(text).left(mem::DescriptionMaxChars);
    encoded.append('\0');
    copyIn(slotAddress, int(encoded.size()), reinterpret_cast<const std::uint8_t*>(encoded.data()));
}

namespace cp1250 {

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray out = encoder.encode(text);
    // A character the code page lacks must not end the text early on the unit.
    out.replace('\0', '?');
    return out;
}

QString decode(const char* bytes, int maxLength) {
    const int length = int(qstrnlen(bytes, uint(maxLength)));
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes, length);
    return decoder.decode(QByteArrayView(bytes, length));
}

} // namespace cp1250
