#pragma once

#include "link/LinkPacket.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// The fields of the unit's live state, the payload of the reply to "#GS". Multi-byte fields
// are little-endian, floats IEEE single. The log lines, the bit rows, the value rows,
// `status --json` and whether a reply carried a field all come from this one table.
enum class StatusKind : std::uint8_t {
    Number,   // a byte in decimal: "Typ : 5"
    Hex,      // a byte as 0xNN: "Tlacitka : 0x1F"
    HexBytes, // four bytes as 0xNN each: "LED zobr : 0x11 0x22 0x33 0xFF"
    Float,    // "PWM : 42.5"
    Bits,     // a row of the bit table, 8 or 16 bits
    Flags,    // the thermometers' flags: which value rows are marked
    Energy,   // a value row after the temperatures
};

struct StatusField {
    const char* key; // in `status --json`, also the log line's and the row's name
    int offset;
    int size;
    StatusKind kind;
};

// In order: the thirteen log lines, the six bit rows, then the rest.
const std::vector<StatusField>& statusFields();
// The field of that key; it must exist.
const StatusField& statusField(const char* key);

// One reply as it came. A reply shorter than a field leaves that field out (`has`); the
// temperature count is clamped to the six rows the view has.
struct DeviceStatus {
    static constexpr int MaxTemperatures = 6;
    static constexpr int FixedSize = 49; // the fields and the temperature count
    static constexpr int CountOffset = 48;

    int length = 0; // payload bytes the reply carried
    std::array<std::uint8_t, FixedSize + 4 * MaxTemperatures> bytes{};
    int reportedTemperatures = 0;    // the count the unit sent
    std::vector<float> temperatures; // those carried, at most six

    // Whether the reply carried the field at this payload offset and size.
    bool has(int offset, int size) const { return offset + size <= length; }
    bool has(const StatusField& f) const { return has(f.offset, f.size); }
    // The field as an unsigned number (little-endian) or as a float; zero when not carried.
    std::uint32_t number(const StatusField& f) const;
    float real(const StatusField& f) const;
    float pwm() const { return real(statusField("PWM")); }
};

DeviceStatus decodeStatus(const std::uint8_t* payload, int length);

// The thirteen lines of the status log, in order: "Typ : 5" … "I2C error adr : 0". A field
// the reply did not carry reads "(chybí)".
QStringList statusLines(const DeviceStatus& status);

// A row of the bit table: "TM inputs", "Inputs" (8 bits), "Outputs", "Vrele", "Vterm",
// "Pom_pr" (16 bits).
struct BitRow {
    QString name;
    std::uint16_t value;
    int width;
    bool carried;
};
std::array<BitRow, 6> bitRows(const DeviceStatus& status);
// Sixteen characters, bit 15 first: "1"/"0", "." where an 8-bit row writes nothing.
QString bitRowText(const BitRow& row);

// A row of the value table: "Teplota1" … "Vnitrni" (the last temperature is the unit's
// own sensor), "Energie1", "Energie2", by row index 0..7.
struct ValueRow {
    int row;
    QString name;
    double value;
    bool flagged; // rows 0-4: the thermometer's flag
};
std::vector<ValueRow> valueRows(const DeviceStatus& status);
// Whether the flag byte marks value row 0-4 (its thermometer); no other row has a flag.
bool thermometerFlagged(const DeviceStatus& status, int row);

// A point of the chart: series 0-5 the temperatures by value row, 6 the PWM value.
struct ChartPoint {
    int series;
    QString name;
    double value;
};

// Everything a window shows for one reply.
struct StatusView {
    QStringList lines;
    std::array<BitRow, 6> bits;
    std::vector<ValueRow> values;
    std::array<bool, 5> flagged; // value rows 0-4 marked, new temperature or not
    std::vector<ChartPoint> chart;
};
StatusView statusView(const DeviceStatus& status);

// `status --json`: only the fields the reply carried (a field left out is no zero), the
// bit rows and value rows by their names, and "Delka odpovedi".
QJsonObject statusJson(const DeviceStatus& status);

// "%.5f" with the user's decimal separator.
QString valueText(double value);
// The shortest general form with up to 15 significant digits, the user's separator.
QString generalFloat(float value);

// The output pattern of "Nastav výstup" from the Outputs row's 16 cells as shown, the
// column headed "16" first: a cell holding exactly "1" is a set bit.
std::uint16_t outputPattern(const QStringList& cells);

void prepareStatusRequest(LinkPacket& packet);
// A reply to #GS that carries no state but a non-zero status byte: the unit refused.
// Empty when the reply is a state; else the message that says so.
QString statusRefusal(const LinkPacket& reply);
// Why a reply without the whole fixed part is no state; empty when it has it.
QString statusTooShort(const DeviceStatus& status);
