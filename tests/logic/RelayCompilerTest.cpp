#include "logic/RelayCompiler.h"
#include "TestSupport.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QString hex(const std::vector<std::uint8_t>& code) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(code.data()), int(code.size()))
            .toHex(' ')
            .toUpper());
}

std::vector<std::uint8_t> bytes(const char* hexText) {
    const QByteArray b = QByteArray::fromHex(hexText);
    return {b.begin(), b.end()};
}

RelayCompileResult compileFirst(const QString& text) {
    int timers = 0;
    return CompileRelayExpression(text, timers);
}

struct Example {
    const char* text;
    const char* code;
    const char* decoded;
};

// Each compiled as the first relay of a gather.
const Example WorkedExamples[] = {
    {"T3|R16", "91 02 FB", "T3 | R16 "},
    {"v1 & t2", "80 01 89", "V1 & T2 "},
    {"V3|~E5", "90 12 A2", "V3 | ~E5 "},
    {"~(V1|V2)&T1", "30 80 02 88 41 81", "~( V1 | V2 ) & T1 "},
    {"(V1&~V2)|FTON(30)", "20 80 11 88 42 86 00 1E 00", "( V1 & ~V2 ) | FTON(30) "},
    {"FTOFF(600)&FPULS(5)", "8E 00 58 02 01 96 01 05 00", "FTOFF(600) & FPULS(5) "},
    {"FCNT(2,10)&E1", "B6 01 0A 01 82", "FCNT(2,10) & E1 "},
    {"FPSET(5)", "9E 04", "FPSET(5) "},
    {"P16|FCNR(16)", "FC 02 BE 0F", "P16 | FCNR(16) "},
    {"V1^V2", "80 03 88", "V1 ^ V2 "},
    {"(~V1&V2)", "30 80 01 88 40", "~( V1 & V2 ) "},
    {"((V1))", "20 20 80 40 40", "( ( V1 ) ) "},
    {"F TON ( 5 )", "86 00 05 00", "FTON(5) "},
    // Edge cases.
    {"", "", ""},
    {"   ", "", ""},
    {"V1V2", "80 88", "V1 V2 "},
    {"V1)", "80 40", "V1 ) "},
    {"&&", "01 01", "& & "},
    {"~~V1", "10 10 80", "~~V1 "},
    {"~(V1&V2)", "30 80 01 88 40", "~( V1 & V2 ) "},
    {"V1&|V2", "80 03 88", "V1 ^ V2 "},
    {"FTON(70000)", "86 00 70 11", "FTON(4464) "},
    {"FCNT(2,300)", "B6 01 2C", "FCNT(2,44) "},
    {"fton(5)", "86 00 05 00", "FTON(5) "},
    {"V1 2", "D8", "V12 "},
    {"E5", "A2", "E5 "},
    {"R16", "FB", "R16 "},
    {"FCNT(1,0)", "B6 00 00", "FCNT(1,0) "},
};

TEST(RelayCompiler, WorkedExamplesAndEdgeCasesByteForByte) {
    for (const Example& e : WorkedExamples) {
        const RelayCompileResult r = compileFirst(QString::fromLatin1(e.text));
        ASSERT_TRUE(r.ok) << e.text << ": " << r.error.toStdString();
        EXPECT_EQ(hex(r.code), QLatin1String(e.code)) << e.text;
        EXPECT_EQ(DecodeRelayProgram(r.code), QLatin1String(e.decoded)) << e.text;
        // The decoded text compiles to the same bytes again.
        EXPECT_EQ(compileFirst(DecodeRelayProgram(r.code)).code, r.code) << e.text;
    }
}

TEST(RelayCompiler, WrongTokensAreInputErrors) {
    for (const char* text : {"FPRES(17)", "FPRES(0)", "FTON()", "X1", "V", "FTONX(1)", "V1\t&V2",
                             "V1,V2", "5", "FTON", "FPSET()", "FCNT(,3)", "V1;"}) {
        int timers = 0;
        const RelayCompileResult r = CompileRelayExpression(QString::fromLatin1(text), timers);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.error, QStringLiteral("Chyba v zadání")) << text;
    }
    // Characters outside the single-byte range start no token either.
    EXPECT_FALSE(compileFirst(QStringLiteral("V1€")).ok);
}

TEST(RelayCompiler, OperandNumbersOutsideOneToSixteenAreRefused) {
    for (const char* text : {"V0", "T17", "R99", "P0", "E17", "V4294967297"})
        EXPECT_EQ(compileFirst(QString::fromLatin1(text)).error, QStringLiteral("Chyba v zadání"))
            << text;
    EXPECT_TRUE(compileFirst(QStringLiteral("V16&T1")).ok);
}

TEST(RelayCompiler, ProgramsTooLongForTheUnitAreRefused) {
    // 128 operands and 127 operators: 255 bytes, 255 tokens.
    QString fits = QStringLiteral("V1");
    for (int i = 0; i < 127; ++i)
        fits += QStringLiteral("&V1");
    const RelayCompileResult ok = compileFirst(fits);
    ASSERT_TRUE(ok.ok);
    EXPECT_EQ(ok.code.size(), 255u);
    EXPECT_EQ(compileFirst(fits + QStringLiteral("&")).error, QStringLiteral("Chyba v zadání"));

    // More than 256 tokens, whatever the length in bytes.
    EXPECT_EQ(compileFirst(QString(257, QLatin1Char('('))).error, QStringLiteral("Chyba v zadání"));
    // 64 timer calls are 256 bytes.
    QString timers;
    for (int i = 0; i < 64; ++i)
        timers += QStringLiteral("FPSET(1)FPSET(1)");
    EXPECT_FALSE(compileFirst(timers).ok);
}

TEST(RelayCompiler, TimersAreNumberedOverOneGatherUpToSixteen) {
    int timers = 3;
    EXPECT_EQ(hex(CompileRelayExpression(QStringLiteral("FTOFF(600)&FPULS(5)"), timers).code),
              QStringLiteral("8E 03 58 02 01 96 04 05 00"));
    EXPECT_EQ(timers, 5);

    timers = 15;
    EXPECT_EQ(hex(CompileRelayExpression(QStringLiteral("FTON(1)"), timers).code),
              QStringLiteral("86 0F 01 00"));
    RelayCompileResult r = CompileRelayExpression(QStringLiteral("FPULS(1)"), timers);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("MAX 16 timerů"));
    // And every timer after it in the same gather; other functions still compile.
    EXPECT_EQ(CompileRelayExpression(QStringLiteral("V1|FTOFF(2)"), timers).error,
              QStringLiteral("MAX 16 timerů"));
    EXPECT_TRUE(CompileRelayExpression(QStringLiteral("FPSET(1)"), timers).ok);
}

TEST(RelayDecoder, RendersEveryByteOnItsOwnAndNeverReadsPastTheCode) {
    EXPECT_EQ(DecodeRelayProgram(bytes("85")), QString());
    EXPECT_EQ(DecodeRelayProgram(bytes("87")), QString());
    EXPECT_EQ(DecodeRelayProgram(bytes("86 07 1E 00")), QStringLiteral("FTON(30) "));
    EXPECT_EQ(DecodeRelayProgram(bytes("71")), QStringLiteral(") & ~( "));
    // A function cut short reads its missing bytes as 0.
    EXPECT_EQ(DecodeRelayProgram(bytes("86 00")), QStringLiteral("FTON(0) "));
    EXPECT_EQ(DecodeRelayProgram(bytes("B6")), QStringLiteral("FCNT(1,0) "));
    // Function codes 8-15 have no name but still take their index byte.
    EXPECT_EQ(DecodeRelayProgram(bytes("C6 04")), QStringLiteral("5) "));
    // Parameters may come from behind the program's own length.
    const auto code = bytes("86 00 1E 00");
    EXPECT_EQ(DecodeRelayProgram(code.data(), 1, 4), QStringLiteral("FTON(30) "));
}

TEST(RelayDecoder, EveryByteSequenceDecodesWithoutFault) {
    QRandomGenerator random(1234);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> code(size_t(random.bounded(40)));
        for (auto& b : code)
            b = std::uint8_t(random.bounded(256));
        const QString text = DecodeRelayProgram(code);
        EXPECT_LE(text.size(), 12 * int(code.size()) + 1);
    }
}

// Well-formed expressions of every kind of operand, function and operator, as a user
// writes them: terms joined by binary operators, each term perhaps negated, perhaps a
// bracketed expression.
QString randomOperand(QRandomGenerator& random) {
    static const char* const Functions[] = {"FTON",  "FTOFF", "FPULS", "FPSET",
                                            "FPRES", "FPTOG", "FCNT",  "FCNR"};
    if (random.bounded(3) != 0)
        return QLatin1Char("VTERP"[random.bounded(5)]) + QString::number(random.bounded(1, 17));
    const int code = int(random.bounded(8));
    QString call = QLatin1String(Functions[code]) + QLatin1Char('(');
    call += QString::number(code <= 2 ? random.bounded(65536) : random.bounded(1, 17));
    if (code == 6)
        call += QLatin1Char(',') + QString::number(random.bounded(256));
    return call + QLatin1Char(')');
}

QString randomExpression(QRandomGenerator& random, int depth = 0) {
    static const char* const Binary[] = {"&", "|", "^"};
    QString text;
    const int terms = int(random.bounded(1, 4));
    for (int t = 0; t < terms; ++t) {
        if (t > 0)
            text += QLatin1String(Binary[random.bounded(3)]);
        if (random.bounded(3) == 0)
            text += QLatin1Char('~');
        if (depth < 3 && random.bounded(3) == 0)
            text += QLatin1Char('(') + randomExpression(random, depth + 1) + QLatin1Char(')');
        else
            text += randomOperand(random);
        if (random.bounded(5) == 0)
            text += QLatin1Char(' ');
    }
    return text;
}

// The decoder writes the marks of one operator byte in a fixed order, so a round trip may
// pack the marks of an expression into its bytes differently from how it was typed (which
// is why an unedited relay keeps its stored bytes). Round trips keep every operand and the
// length, and settle on a form that compiling and decoding reproduce.
TEST(RelayCompiler, CompileDecodeCompileIsStableOverAGeneratedCorpus) {
    QRandomGenerator random(42);
    int compiled = 0, sameAtOnce = 0, mostRounds = 0;
    for (int round = 0; round < 5000; ++round) {
        const QString text = randomExpression(random);
        int timers = 0;
        const RelayCompileResult first = CompileRelayExpression(text, timers);
        if (!first.ok)
            continue; // more than 16 timers or 255 bytes
        ++compiled;
        std::vector<std::uint8_t> current = first.code;
        int rounds = 0;
        for (; rounds < 8; ++rounds) {
            int again = 0;
            const RelayCompileResult next =
                CompileRelayExpression(DecodeRelayProgram(current), again);
            ASSERT_TRUE(next.ok) << text.toStdString();
            ASSERT_EQ(next.code.size(), first.code.size()) << text.toStdString();
            EXPECT_EQ(CountRelayTimers(next.code), CountRelayTimers(first.code));
            if (next.code == current)
                break;
            current = next.code;
        }
        ASSERT_LT(rounds, 8) << "no settled form for " << text.toStdString();
        sameAtOnce += rounds == 0;
        mostRounds = std::max(mostRounds, rounds);
        // The operands stand in the same order whatever happened to the marks.
        std::vector<std::uint8_t> operandsBefore, operandsAfter;
        for (auto b : first.code)
            if (b & 0x80)
                operandsBefore.push_back(b);
        for (auto b : current)
            if (b & 0x80)
                operandsAfter.push_back(b);
        EXPECT_EQ(operandsAfter, operandsBefore);
    }
    EXPECT_GT(compiled, 4000);
    EXPECT_GT(sameAtOnce, compiled / 2);
    std::printf("corpus: %d compiled, %d unchanged by the first round trip, at most %d rounds\n",
                compiled, sameAtOnce, mostRounds);
}

} // namespace
