#pragma once

#include "image/FieldPage.h"

// The weekly mode schedule, RezimConfig 425..436: which profile each day runs (a bit of
// the day set of profile 0 at 425 or of profile 1 at 426, bit 0 Sunday) and the 24 hour
// switches of each profile (bit h mod 8 of byte h / 8 at 428 and at 431). The reserved
// bytes 427 and 434..436 and bit 7 of the day sets are written as 0.
class ModesPage : public FieldPage {
public:
    static constexpr int Profiles = 2;
    static constexpr int Hours = 24;
    // Day groups rd1..rd7 by the unit's day number (1 = Sunday), with their captions.
    // "Ne", "Po", … "So" for days 1..7: the values a document and "show" give, in Czech in
    // every language. DayNames are the same words for tx("items", …) in a window.
    static const QStringList DayCaptions;
    static const char* const DayNames[7];
    // The screen order, Monday first: day numbers 2, 3, 4, 5, 6, 7, 1.
    static const int ScreenDays[7];

    // "re%d%02d": hour switch of a profile; "rd%d": day group.
    static QString hourName(int profile, int hour);
    static QString dayName(int day);

    ModesPage();

    // The profile a day runs (day 1..7), -1 for none; whether an hour of a profile is on.
    int profileOf(int day) const;
    bool isOn(int profile, int hour) const;

    // Per profile its days by caption in screen order ("Po, Út, St, Čt, Pá") and its
    // hours as ranges ("6-21"); a day with no profile is listed on its own.
    std::vector<ShownField> shownFields() const override;
    // Takes the same texts back; "Dny bez profilu" follows from the others and is not read.
    void setShownFields(const std::vector<ShownField>& fields, const Refusal& refuse) override;

protected:
    void beforeStore(ConfigImage& copy) override;
};

// Hours that are on, as ranges: "0-5, 8, 22-23"; "žádné" for none.
QString hourRanges(const std::vector<bool>& on);
