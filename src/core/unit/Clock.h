#pragma once

#include "link/DeviceLink.h"

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>

// The unit's real-time clock: seven BCD registers from address 0 of the I2C device 0xDE
// (seconds with bit 7 set, minutes, hours, weekday 1 = Sunday with bit 3 set, day, month,
// year - 2000).
namespace unitclock {

constexpr std::uint8_t Device = 0xDE;
constexpr int Registers = 7;
using RegisterBlock = std::array<std::uint8_t, Registers>;

// The registers that set the clock to `time`; none for a year outside 2000..2099, which
// the year register cannot hold.
std::optional<RegisterBlock> encode(const QDateTime& time);
// The date and time the registers hold; none when they hold no valid date and time (a
// digit above 9, month 0, 30 February, …).
std::optional<QDateTime> decode(const RegisterBlock& registers);

// One read of the registers: whether the unit answered, and the time they hold (none when
// they hold no valid date and time). Throws OperationError when the unit refuses the read
// or sends fewer than seven registers.
struct Reading {
    bool reached = false;
    std::optional<QDateTime> time;
    RegisterBlock registers{};
};
Reading readRegisters(DeviceLink& link);

// Reads the clock ("#XI" 0xDE, 0, 7). An invalid QDateTime when the unit could not be
// reached (the user has been told); throws OperationError when the unit refuses the read
// or its clock holds no valid date and time.
QDateTime read(DeviceLink& link);
// Sets the clock ("#Xi" 0xDE, 0, 7 and the registers). Throws OperationError before
// anything is sent when the year cannot be held, and when the unit refuses the write.
// Returns false when the unit could not be reached.
bool write(DeviceLink& link, const QDateTime& time);

// A clock read back further off than this from the time it was set to did not take it.
constexpr qint64 ReadBackLimitS = 2;
// Sets the clock, reads it back and returns how many seconds the read-back stands from the
// time sent moved on by the time since (the unit's clock runs on); none when the unit
// could not be reached. Throws OperationError as write and read do, and when the read-back
// is further off than ReadBackLimitS: a unit that acknowledged the write but kept its old
// time has not been set.
std::optional<qint64> writeChecked(DeviceLink& link, const QDateTime& time);

// The unit's clock as it stands against the workstation's wall clock at `now`, in whole
// seconds (the unit keeps wall-clock time without a zone).
qint64 offsetFrom(const QDateTime& unitTime, const QDateTime& now);

// "Rok … nelze …": why a time cannot be sent.
QString yearRefused(int year);
extern const char* const NotADate;

} // namespace unitclock
