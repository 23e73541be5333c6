#pragma once

#include "image/FieldPage.h"

// The thermometers and the timing of temperature reading: Quel5Config 437..456 (with its
// unaligned 16-bit field at 446) and the five descriptions at 5480..5579.
class ThermometersPage : public FieldPage {
public:
    static constexpr int Rows = 5;
    static const QStringList Ports; // "X2/1" … "OFF"

    ThermometersPage();
};
