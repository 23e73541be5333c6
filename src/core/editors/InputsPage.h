#pragma once

#include "image/FieldPage.h"

#include <QString>
#include <optional>

// The five digital inputs: used, negated, trap 1 and 2 (InpConfig 360..369), the S0 pulse
// length and pulses per kWh of X6/SO1 and X7/SO2, and the descriptions in slots 0..4 of
// 5000..5159 (slots 5..7 belong to no page).
class InputsPage : public FieldPage {
public:
    static constexpr int Rows = 5;
    static const char* const RowCaptions[Rows]; // "X8" … "X7/SO2"

    InputsPage();
};

// The hidden energy preset of input X6/SO1: the unit's pulse counter is set to the energy
// (kWh with one decimal) times the pulses per kWh, truncated toward zero.
namespace energy {

// The key sequence typed into X6/SO1's pulses-per-kWh entry that shows the preset: Ctrl+E,
// then Ctrl+P. Only an administrator gets it.
constexpr int FirstKey = 0x05;  // Ctrl+E
constexpr int SecondKey = 0x10; // Ctrl+P

class KeySequence {
public:
    // Feeds one keystroke (its character code). Returns whether the preset is to be shown
    // (true) or hidden (false) after it, or nothing when it does not change.
    std::optional<bool> feed(int character, bool administrator);

private:
    bool m_afterFirst = false;
};

} // namespace energy
