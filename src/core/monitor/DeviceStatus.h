#pragma once

#include "link/DeviceLink.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// The unit's live state: the payload of the reply to "#GS". Multi-byte fields are
// little-endian, floats IEEE single. A reply shorter than a field leaves that field out
// (`has`); the temperature count is clamped to the six rows the view has.
struct DeviceStatus {
    static constexpr int MaxTemperatures = 6;
    static constexpr int FixedSize = 49;

    int length = 0; // payload bytes the reply carried
    std::uint8_t typ = 0, mod = 0, stav = 0, tmInputs = 0, inputs = 0, buttons = 0;
    std::uint16_t outputs = 0, relays = 0, thermostats = 0, pomPr = 0;
    std::array<std::uint8_t, 4> ledOn{}, ledBlink{};
    std::uint8_t opt = 0, thermometerFlags = 0;
    float energy1 = 0, energy2 = 0;
    std::uint8_t testIndex = 0, selected = 0;
    float pwm = 0, piSum = 0;
    std::uint8_t i2cError = 0, i2cErrorAddress = 0;
    int reportedTemperatures = 0;    // the count the unit sent
    std::vector<float> temperatures; // those carried, at most six

    // Whether the reply carried the field at this payload offset and size.
    bool has(int offset, int size) const { return offset + size <= length; }
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

// The action commands of the status window and of quel5ctl action.
enum class UnitAction {
    BypassOn,
    BypassOff,
    Reset,
    ResetTcp,
    SupplyOn,
    SupplyOff,
    SetOutputs,
    CancelOutputs
};
struct ActionInfo {
    UnitAction action;
    const char* objectName; // the menu item of the window
    const char* menuText;
    const char* cliName;
    char letters[2];
    std::uint8_t status;
    ExchangeMode mode;
    int rightsNeeded; // 0 anyone, 1 a user, 2 an administrator
};
const std::vector<ActionInfo>& unitActions();
const ActionInfo* actionByCliName(const QString& name);
// The request of an action; pattern is the output pattern of "Nastav výstup".
void prepareAction(LinkPacket& packet, const ActionInfo& action, std::uint16_t pattern = 0);

// The service panel's requests and log lines (status byte 0, CloseAfterReply).
namespace service {
void i2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t memory, std::uint8_t count);
void i2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t memory,
              const std::vector<std::uint8_t>& bytes);
void rawOutputs(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2); // "#TO"
void rawPwm(LinkPacket& packet, std::uint8_t b1, std::uint8_t b2);     // "#TP"
// "#TW": address, n, then (start + i) mod 256; n at most 100.
void flashWrite(LinkPacket& packet, std::uint32_t address, int count, std::uint32_t start);
void flashRead(LinkPacket& packet, std::uint32_t address, int count); // "#TR"
void energyReset(LinkPacket& packet);                                 // "#XE"

QString recvOneLine(const LinkPacket& reply); // "1 - 17 : 0"
QString recvTwoLine(const LinkPacket& reply); // "2 - 17  18 : 0"
// One line per byte, "Adr + i - byte", only for status 0.
QStringList recvManyLines(const LinkPacket& reply, int memory);
QString sendLine(const LinkPacket& reply); // the status
// Up to n lines "address+i byte", as many as the reply carries; the sum not cut to 32 bits.
QStringList flashReadLines(const LinkPacket& reply, std::uint32_t address, int count);
} // namespace service
