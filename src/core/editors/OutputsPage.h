#pragma once

#include "image/FieldPage.h"

// The ten outputs: used, negated, trap 1 and 2 as 16-bit bit sets, the virtual relay of
// each (OutConfig 370..393; offsets 18..23 are carried by the record copy), and the
// descriptions in slots 0..9 of 5160..5479 (slots 10..15 belong to no page).
class OutputsPage : public FieldPage {
public:
    static constexpr int Rows = 10;
    // In screen order: "X12" comes after "X16".
    static const char* const RowCaptions[Rows];

    OutputsPage();
};
