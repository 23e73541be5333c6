#pragma once

#include "link/DeviceLink.h"
#include "link/Login.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The unit's commands that are no configuration transfer: the status window's actions and
// the service panel's requests. Each is one row: the status window's "Akce" menu, the
// service panel's buttons, quel5ctl's action and service commands with their usage, and
// the rights that show or enable them are all made from the rows.
namespace unit {

enum class Group : std::uint8_t { Action, Service };

// A number the request carries. The command line takes it in decimal or as 0x hexadecimal
// (a leading zero is no octal), or, with hexDigits, as exactly that many hexadecimal
// digits; a value above max is refused, not cut. The window takes it from the box named
// `box` (the status window's pattern comes from its bit table).
struct Argument {
    const char* name; // "DEV", as the usage says it
    const char* box;
    std::uint32_t max;
    int hexDigits = 0;
};

using Values = std::vector<std::uint32_t>;

struct Command {
    Group group;
    const char* cliName;    // empty: the command line reaches it through another row
    const char* objectName; // the menu item or button
    const char* text;       // its caption, also in the log
    char letters[2];
    std::uint8_t status;
    ExchangeMode mode;
    Rights needs; // Nobody, User or Admin
    std::vector<Argument> arguments;
    // Writes the payload from the arguments, in order, and returns its length.
    int (*payload)(std::uint8_t* payload, const Values& values);
    // The payload bytes an accepted reply must carry; null when any length will do.
    int (*replyLength)(const Values& values) = nullptr;
    // What an accepted reply says, a line each; null when it says nothing.
    QStringList (*lines)(const LinkPacket& reply, const Values& values) = nullptr;
    // Boxes that show the reply's first bytes after it came, in order.
    std::vector<const char*> shownBack = {};
    // The question the window asks before it sends; null when it sends at once.
    const char* question = nullptr;
    // The unit forgets every login when it runs this (it restarts).
    bool endsLogin = false;
};

const std::vector<Command>& commands();
const Command* byObjectName(const QString& name);
// The row of that command-line name that takes `count` arguments; the first row of that
// name when none does (the usage then says what it takes).
const Command* byCliName(Group group, const QString& name, int count);
// The command line's usage of a group: "bypass-on | ... | set-outputs PATTERN"; rows of
// one name that differ by trailing arguments are said once with those in brackets.
QString usage(Group group);

// The value of one argument from the command line's text; nothing when it does not parse
// or exceeds the argument's range, and then `why` says so.
std::optional<std::uint32_t> parseArgument(const Argument& argument, const QString& text,
                                           QString* why);

// Fills the packet with the command's request.
void prepare(LinkPacket& packet, const Command& command, const Values& values);
// Why the unit's reply is no accepted answer: refused (a status other than 0) or shorter
// than the command reads; empty when it is one. A command sent without waiting for a
// reply has nothing to check.
QString replyProblem(const Command& command, const LinkPacket& reply, const Values& values);

// Sends the command and checks its reply: the reply's lines, or nothing when the unit
// could not be reached (the user has been told). Throws OperationError when the unit
// refused or answered short. An action that went through is logged ("Odesláno: Reset").
std::optional<QStringList> send(DeviceLink& link, const Command& command, const Values& values);

} // namespace unit

// The service requests by hand, as the rows build them; tests and the fuzzer use them.
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

// The action commands by their command-line names, for tests.
void prepareAction(LinkPacket& packet, const char* cliName, std::uint16_t pattern = 0);
