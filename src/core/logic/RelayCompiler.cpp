#include "logic/RelayCompiler.h"
#include "base/Language.h"

#include <array>

namespace relay {

const char* const InputError = QT_TRANSLATE_NOOP("logic", "Chyba v zadání");
const char* const TimerError = QT_TRANSLATE_NOOP("logic", "MAX 16 timerů");

bool isTimerFunction(int code) {
    return code >= 0 && code <= 2;
}

int operandSize(std::uint8_t b) {
    if (!(b & 0x80) || (b & 0x07) != 6)
        return 1;
    const int k = (b >> 3) & 0x0F;
    if (isTimerFunction(k))
        return 4;
    if (k == 6)
        return 3;
    return 2;
}

const std::array<const char*, 8> FunctionNames{"TON",  "TOFF", "PULS", "PSET",
                                               "PRES", "PTOG", "CNT",  "CNR"};
const char* const OperandLetters = "VTERP";

} // namespace relay

namespace {

using relay::FunctionNames;

struct Token {
    bool operand;
    // Operand.
    int type = 0;
    int k = 0;
    std::uint8_t index = 0;
    std::uint16_t value = 0;
    // Operator byte for an operator token.
    std::uint8_t mark = 0;
};

RelayCompileResult failure(const char* text) {
    RelayCompileResult r;
    r.error = tx("logic", text);
    return r;
}

// The expression as single-byte characters, spaces removed, ASCII letters upper case.
// A character outside Latin-1 becomes 0x01, which starts no token.
QByteArray normalise(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            continue;
        char b = u < 0x100 ? char(u) : '\x01';
        if (b >= 'a' && b <= 'z')
            b = char(b - 'a' + 'A');
        out.append(b);
    }
    return out;
}

int operandType(char letter) {
    switch (letter) {
    case 'V':
        return 0;
    case 'T':
        return 1;
    case 'E':
        return 2;
    case 'R':
        return 3;
    case 'P':
        return 4;
    default:
        return -1;
    }
}

std::uint8_t operatorMark(char c) {
    switch (c) {
    case '&':
        return 0x01;
    case '|':
        return 0x02;
    case '^':
        return 0x03;
    case '~':
        return 0x10;
    case '(':
        return 0x20;
    case ')':
        return 0x40;
    default:
        return 0;
    }
}

} // namespace

long long ScanNumber(const QByteArray& text, int& position, bool* tooLarge) {
    bool inArguments = false;
    if (position < text.size() && (text[position] == '(' || text[position] == ',')) {
        ++position;
        inArguments = true;
    }
    long long value = -1;
    bool large = false;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        const int digit = text[position] - '0';
        value = value < 0 ? digit : value * 10 + digit;
        if (value > 0x7FFFFFFFLL) {
            large = true;
            value &= 0xFFFFFFFFLL;
        }
        ++position;
    }
    if (inArguments && value >= 0 && position < text.size() && text[position] == ')')
        ++position;
    if (tooLarge)
        *tooLarge = large;
    return value;
}

int ScanFunctionName(const QByteArray& text, int& position) {
    const int start = position;
    while (position < text.size() && text[position] != '(')
        ++position;
    const QByteArray name = text.mid(start, position - start);
    for (int code = 0; code < int(FunctionNames.size()); ++code)
        if (name == FunctionNames[size_t(code)])
            return code;
    return -1;
}

RelayCompileResult CompileRelayExpression(const QString& rawText, int& timerCount) {
    const QByteArray text = normalise(rawText);
    std::vector<Token> tokens;
    int pos = 0;
    while (pos < text.size()) {
        // The unit's token table holds 256 entries; a longer expression cannot be stored.
        if (int(tokens.size()) >= relay::MaxTokens)
            return failure(relay::InputError);
        const char c = text[pos];
        if (const int type = operandType(c); type >= 0) {
            ++pos;
            bool large = false;
            const long long number = ScanNumber(text, pos, &large);
            // Four bits hold the number: anything outside 1-16 would silently stand for
            // another operand.
            if (number < 1 || number > 16 || large)
                return failure(relay::InputError);
            tokens.push_back({true, type, int(number - 1)});
        } else if (c == 'F') {
            ++pos;
            const int code = ScanFunctionName(text, pos);
            if (code < 0)
                return failure(relay::InputError);
            Token token{true, 6, code};
            bool large = false;
            if (relay::isTimerFunction(code)) {
                const long long t = ScanNumber(text, pos, &large);
                if (t < 0)
                    return failure(relay::InputError);
                ++timerCount;
                if (timerCount > relay::MaxTimers)
                    return failure(relay::TimerError);
                token.index = std::uint8_t(timerCount - 1);
                token.value = std::uint16_t(t & 0xFFFF);
            } else if (code == 6) {
                const long long n = ScanNumber(text, pos, &large);
                bool vLarge = false;
                const long long v = ScanNumber(text, pos, &vLarge);
                // A missing number is a typo, not a counter.
                if (n < 0 || v < 0)
                    return failure(relay::InputError);
                token.index = std::uint8_t((n - 1) & 0xFF);
                token.value = std::uint16_t(v & 0xFF);
            } else {
                const long long n = ScanNumber(text, pos, &large);
                if (n < 1 || n > 16 || large)
                    return failure(relay::InputError);
                token.index = std::uint8_t(n - 1);
            }
            tokens.push_back(token);
        } else if (const std::uint8_t mark = operatorMark(c)) {
            ++pos;
            Token token{false};
            token.mark = mark;
            tokens.push_back(token);
        } else {
            return failure(relay::InputError);
        }
    }

    RelayCompileResult result;
    std::vector<std::uint8_t>& out = result.code;
    bool previousWasOperator = false;
    for (const Token& token : tokens) {
        if (token.operand) {
            out.push_back(std::uint8_t((0x80 + 8 * token.k + token.type) & 0xFF));
            if (token.type == 6) {
                out.push_back(token.index);
                if (relay::isTimerFunction(token.k)) {
                    out.push_back(std::uint8_t(token.value & 0xFF));
                    out.push_back(std::uint8_t(token.value >> 8));
                } else if (token.k == 6) {
                    out.push_back(std::uint8_t(token.value & 0xFF));
                }
            }
            previousWasOperator = false;
        } else {
            if (previousWasOperator && (out.back() & token.mark) == 0)
                out.back() |= token.mark;
            else
                out.push_back(token.mark);
            previousWasOperator = true;
        }
    }
    // The program's length is one byte on the unit.
    if (out.size() > size_t(relay::MaxProgramLength))
        return failure(relay::InputError);
    result.ok = true;
    return result;
}

QString DecodeRelayProgram(const std::uint8_t* code, int length, int available) {
    const char* const Letters = relay::OperandLetters;
    auto byteAt = [&](int i) -> int { return i < available ? code[i] : 0; };
    QString text;
    int i = 0;
    while (i < length) {
        const std::uint8_t b = code[i];
        if (b & 0x80) {
            const int type = b & 0x07;
            const int k = (b >> 3) & 0x0F;
            if (type <= 4) {
                text += QLatin1Char(Letters[type]) + QString::number(k + 1) + QLatin1Char(' ');
                i += 1;
            } else if (type == 6) {
                if (k < 8)
                    text += QLatin1Char('F') + QLatin1String(FunctionNames[size_t(k)]) +
                            QLatin1Char('(');
                if (relay::isTimerFunction(k)) {
                    text += QString::number(byteAt(i + 2) | (byteAt(i + 3) << 8)) +
                            QStringLiteral(") ");
                    i += 4;
                } else if (k == 6) {
                    text += QString::number(byteAt(i + 1) + 1) + QLatin1Char(',') +
                            QString::number(byteAt(i + 2)) + QStringLiteral(") ");
                    i += 3;
                } else {
                    text += QString::number(byteAt(i + 1) + 1) + QStringLiteral(") ");
                    i += 2;
                }
            } else {
                i += 1;
            }
        } else {
            if (b & 0x40)
                text += QStringLiteral(") ");
            switch (b & 0x0F) {
            case 1:
                text += QStringLiteral("& ");
                break;
            case 2:
                text += QStringLiteral("| ");
                break;
            case 3:
                text += QStringLiteral("^ ");
                break;
            default:
                break;
            }
            if (b & 0x10)
                text += QLatin1Char('~');
            if (b & 0x20)
                text += QStringLiteral("( ");
            i += 1;
        }
    }
    return text;
}

bool RenumberRelayTimers(std::vector<std::uint8_t>& code, int& timerCount) {
    size_t i = 0;
    while (i < code.size()) {
        const std::uint8_t b = code[i];
        const int size = relay::operandSize(b);
        if ((b & 0x80) && (b & 0x07) == 6 && relay::isTimerFunction((b >> 3) & 0x0F) &&
            i + 1 < code.size()) {
            if (timerCount >= relay::MaxTimers)
                return false;
            code[i + 1] = std::uint8_t(timerCount++);
        }
        i += size_t(size);
    }
    return true;
}

int CountRelayTimers(const std::vector<std::uint8_t>& code) {
    int count = 0;
    size_t i = 0;
    while (i < code.size()) {
        const std::uint8_t b = code[i];
        if ((b & 0x80) && (b & 0x07) == 6 && relay::isTimerFunction((b >> 3) & 0x0F))
            ++count;
        i += size_t(relay::operandSize(b));
    }
    return count;
}
