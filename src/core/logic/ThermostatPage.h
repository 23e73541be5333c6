#pragma once

#include "image/FieldPage.h"

// The thermostats: the mask and 32 records of 12 bytes (type, sensor 1, sensor 2,
// combination, low and high limit of mode 0 and of mode 1) and 32 description slots. The
// unit runs T1-T16: rows 1-16 are edited and stored; rows 17-32 are shown as the image
// holds them and written back exactly as loaded.
//
// The table says which boxes a row's type shows (`shownWhen`), which mode a limit box
// belongs to (`mode`, chosen by "LMDRmod") and the captions by type ("TL"/"SP",
// "TH"/"dT"). The hooks keep what a table cannot: the high-limit word that types 4 and 5
// store as two bytes (dT low, PB high), the "Mod 1" default, the mask, type 0 clearing its
// record, and one free row on show.
class ThermostatPage : public FieldPage {
public:
    static constexpr int Rows = 32;
    static constexpr int EditedRows = 16;
    static constexpr int Types = 6;
    // "1: …" to "5: …" by type, "0: nepoužit" first.
    static const QStringList TypeNames;
    static const QStringList Sensors;
    static const QStringList Combinations;

    // The control of a row: name("trtl1", 3) is "trtl103".
    static QString name(const char* stem, int row);

    ThermostatPage();

    // The type of row k (0-based) as the window shows it: 0-5, or -1 for no selection.
    int type(int row) const;

    bool rulesHold(const FieldSpec& f) const override;
    std::pair<int, int> rangeNow(const FieldSpec& f) const override;
    // "Mod 1" boxes left at 0 give the unit the "Mod 0" limits: those are shown for them.
    QVariant shownValueNow(const FieldSpec& f) const override;
    bool mayFollow(const FieldSpec& f) const override { return f.mode == 1; }
    bool followsNow(const FieldSpec& f) const override;

protected:
    void afterScatter() override;
    void beforeStore(ConfigImage& copy) override;

private:
    int firstFreeRow() const;
};
