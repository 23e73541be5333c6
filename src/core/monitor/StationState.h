#pragma once

#include "monitor/DeviceStatus.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>

// What one state run learned of a unit: its live state (one "#GS") and how far its clock
// stands from the workstation's (one read of the clock registers), and when.
struct StationState {
    DeviceStatus status;
    // Seconds the unit's clock runs ahead of the workstation (negative: behind); none when
    // the clock holds no valid date and time.
    std::optional<qint64> clockOffsetS;
    QDateTime takenAt;
};

// A clock further off than this is marked.
constexpr qint64 ClockOffsetLimitS = 60;

// The overview's cells of a state, in order: "Typ", "Mod", "Stav", "Výstupy" (the bit
// pattern, output 16 first), "Teploty" (one decimal each, "!" behind a flagged one),
// "Hodiny" (the offset in seconds, "—" when the clock holds no valid time). A marked cell is
// out of the ordinary: a flagged temperature, a clock more than a minute off.
struct StateCell {
    QString text;
    bool marked = false;
};
constexpr int StateCells = 6;
extern const std::array<const char*, StateCells> StateHeaders;
std::array<StateCell, StateCells> stateCells(const StationState& state);

// `status --json`'s fields of the reply and "clock_offset_s" (null when the clock holds no
// valid time).
QJsonObject stateJson(const StationState& state);
