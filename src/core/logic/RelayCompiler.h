#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The virtual relays' expression language and the unit's relay byte code.
//
// Operand byte: 0x80 + 8 k + type (type 0 V, 1 T, 2 E, 3 R, 4 P, 6 F; k = number - 1, or
// the function code). A function is followed by its parameter bytes. Operator byte: bits
// 1-0 the binary operator (1 &, 2 |, 3 ^), bit 4 NOT, bit 5 '(', bit 6 ')'.

namespace relay {

constexpr int MaxTimers = 16;
constexpr int MaxTokens = 256;
constexpr int MaxProgramLength = 255;

extern const char* const InputError; // "Chyba v zadání"
extern const char* const TimerError; // "MAX 16 timerů"

// The functions by code: FTON(…) is code 0 and so on. Written with an F before them.
extern const std::array<const char*, 8> FunctionNames;
// The operand letters by type byte 0..4: V input, T thermostat, E error, R relay, P
// auxiliary variable.
extern const char* const OperandLetters;

// Function codes in the order of their names: TON, TOFF, PULS, PSET, PRES, PTOG, CNT, CNR.
bool isTimerFunction(int code);
// How many bytes the operand byte at code[0] takes with its parameters (1 for anything
// but a function).
int operandSize(std::uint8_t operandByte);

} // namespace relay

struct RelayCompileResult {
    bool ok = false;
    std::vector<std::uint8_t> code;
    QString error; // the message to show when !ok
};

// Compiles one relay's expression. timerCount is shared by all relays of one gather: every
// timer function increments it and takes index timerCount - 1; the 17th of a gather fails.
RelayCompileResult CompileRelayExpression(const QString& text, int& timerCount);

// Renders length bytes of relay code as text, one space after every token. A function
// near the end may take its parameter bytes from beyond length (up to available bytes in
// all); parameter bytes past available read as 0.
QString DecodeRelayProgram(const std::uint8_t* code, int length, int available);
inline QString DecodeRelayProgram(const std::vector<std::uint8_t>& code) {
    return DecodeRelayProgram(code.data(), int(code.size()), int(code.size()));
}

// Reads a decimal number at position: a leading '(' or ',' is stepped over and opens an
// argument list, in which a ')' right after the digits is consumed. Returns -1 when there
// are no digits. tooLarge is set when the digits do not fit 31 bits; the value then holds
// their low 32 bits.
long long ScanNumber(const QByteArray& text, int& position, bool* tooLarge = nullptr);

// Reads a function name up to the next '(' (left in place) or the end of the text.
// Returns its code 0-7 or -1.
int ScanFunctionName(const QByteArray& text, int& position);

// The timer functions' index bytes of a program, renumbered from timerCount on in order
// of appearance. Returns false (and leaves the bytes as they were from that timer on)
// when a timer would take an index beyond 15.
bool RenumberRelayTimers(std::vector<std::uint8_t>& code, int& timerCount);
// The number of timer functions in a program.
int CountRelayTimers(const std::vector<std::uint8_t>& code);
