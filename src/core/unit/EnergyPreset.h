#pragma once

#include "link/DeviceLink.h"

#include <optional>

// The hidden energy preset of input X6/SO1: the unit's pulse counter is set to the energy
// (kWh with one decimal) times the pulses per kWh, truncated toward zero.
namespace energy {

// The pulse count for tenths of a kWh and pulses per kWh, in whole numbers so that 0.3 kWh
// at 10 pulses is 3, not 2.999…; nothing when it does not fit 32 bits.
std::optional<quint32> pulseCount(qint64 tenthsOfKwh, qint64 pulsesPerKwh);
// The same, or an OperationError that says it does not fit and nothing was sent.
quint32 presetCount(qint64 tenthsOfKwh, qint64 pulsesPerKwh);

// Sends #Xe (status 1, payload 0 and the count as u32) and closes the connection. False
// when the unit could not be reached (the user has been told); throws OperationError when
// it refused. A count that went through is logged.
bool sendPreset(DeviceLink& link, quint32 pulseCount);

} // namespace energy
