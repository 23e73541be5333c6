#include "unit/EnergyPreset.h"
#include "base/Language.h"

#include "base/Errors.h"

#include <QCoreApplication>

namespace energy {

std::optional<quint32> pulseCount(qint64 tenthsOfKwh, qint64 pulsesPerKwh) {
    if (tenthsOfKwh < 0 || pulsesPerKwh < 0)
        return std::nullopt;
    const qint64 limit = qint64(0xFFFFFFFFu);
    // tenths × pulses ÷ 10 stays within 64 bits for any count that fits 32.
    if (pulsesPerKwh != 0 && tenthsOfKwh > (limit * 10 + 9) / pulsesPerKwh)
        return std::nullopt;
    return quint32(tenthsOfKwh * pulsesPerKwh / 10);
}

quint32 presetCount(qint64 tenthsOfKwh, qint64 pulsesPerKwh) {
    if (const auto count = pulseCount(tenthsOfKwh, pulsesPerKwh))
        return *count;
    throw OperationError(tx("energy", "Počet pulzů %1 kWh × %2 se nevejde do 32 "
                                      "bitů jednotky; nic nebylo odesláno.")
                             .arg(double(tenthsOfKwh) / 10.0, 0, 'f', 1)
                             .arg(pulsesPerKwh));
}

bool sendPreset(DeviceLink& link, quint32 count) {
    LinkPacket& packet = link.packet();
    packet.setCommand('X', 'e');
    packet.setStatus(1);
    packet.setLength(5);
    packet.payload()[0] = 0;
    for (int i = 0; i < 4; ++i)
        packet.payload()[1 + i] = std::uint8_t(count >> (8 * i));
    link.exchange(ExchangeMode::CloseAfterReply);
    if (link.linkFailed())
        return false;
    if (packet.status() != 0)
        throw OperationError(tx("energy", "Jednotka nastavení čítače X6/SO1 odmítla (stav %1).")
                                 .arg(packet.status()));
    link.feedback().log(tx("energy", "Čítač X6/SO1 nastaven na %1 pulzů.").arg(count));
    return true;
}

} // namespace energy
