#pragma once

#include "image/FieldPage.h"

// The 0-10 V / PWM output: its mode, the regulation and PWM parameters and four source
// rows A1..A4 (Out10Config 394..424), and their descriptions at 5580..5659.
class AnalogPage : public FieldPage {
public:
    static constexpr int Rows = 4;
    static const QStringList Modes; // "Nepoužit" … "X20/PWM INV"

    AnalogPage();

protected:
    // A stored mode of 4 or more shows the last item; the next gather stores 3.
    void afterScatter() override;
};
