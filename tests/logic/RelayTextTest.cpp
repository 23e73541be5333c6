#include "logic/RelayText.h"

#include <gtest/gtest.h>

namespace {

using relay::Colour;

QString letters(const std::vector<Colour>& colours) {
    QString out;
    for (Colour c : colours)
        out += c == Colour::Blue      ? QLatin1Char('b')
               : c == Colour::Olive   ? QLatin1Char('o')
               : c == Colour::Green   ? QLatin1Char('g')
               : c == Colour::Fuchsia ? QLatin1Char('f')
                                      : QLatin1Char('k');
    return out;
}

TEST(RelayText, DecodedAndTypedTextTakeTheirColours) {
    const std::pair<const char*, const char*> decoded[] = {
        {"V1 & T2 ", "kkkbkkkk"},
        {"FTOFF(600) ", "gggggokkkok"},
        {"~V1 ^ V2 | E1 ", "bkkkbkkkkbkkkk"},
        {"FCNT(2,10) & E1 ", "ggggokkkkokbkkkk"},
    };
    for (const auto& [text, colours] : decoded)
        EXPECT_EQ(letters(relay::decodedColours(QString::fromLatin1(text))),
                  QString::fromLatin1(colours))
            << text;

    // Typed: a lower-case f starts a function too, ^ is typed in the colour around it.
    relay::TypingColours typing;
    std::vector<Colour> typed;
    for (QChar c : QStringLiteral("V1&T2|ftoff(600)^f1"))
        typed.push_back(typing.next(c));
    EXPECT_EQ(letters(typed), QStringLiteral("kkbkkbgggggokkkokgg"));
}

TEST(RelayText, BracketsFindTheirPartnerAcrossNesting) {
    const QString text = QStringLiteral("((V1)&V2)");
    EXPECT_EQ(relay::matchingBracket(text, 0), 8);
    EXPECT_EQ(relay::matchingBracket(text, 8), 0);
    EXPECT_EQ(relay::matchingBracket(text, 1), 4);
    EXPECT_EQ(relay::matchingBracket(text, 4), 1);
    EXPECT_EQ(relay::matchingBracket(text, 2), -1); // no bracket there
    EXPECT_EQ(relay::matchingBracket(text, 9), -1); // caret at the end
    EXPECT_EQ(relay::matchingBracket(QStringLiteral("((V1)"), 0), -1);
    EXPECT_EQ(relay::matchingBracket(QStringLiteral("V1))"), 3), -1);
}

TEST(RelayText, PickerOffersEachKindsOperands) {
    EXPECT_EQ(relay::operandItems(0), (QStringList{"V1", "V2", "V3"}));
    EXPECT_EQ(relay::operandItems(1).size(), 16);
    EXPECT_EQ(relay::operandItems(2).last(), QStringLiteral("E5"));
    EXPECT_EQ(relay::operandItems(3).last(), QStringLiteral("R16"));
    EXPECT_EQ(relay::operandItems(4).first(), QStringLiteral("P1"));
    EXPECT_EQ(relay::operandItems(relay::FunctionKind),
              (QStringList{"FTON()", "FTOFF()", "FPULS()", "FPSET()", "FPRES()", "FPTOG()",
                           "FCNT()", "FCNR()"}));
    EXPECT_TRUE(relay::operandItems(6).isEmpty());
}

TEST(RelayText, OneEmptyRowStandsReady) {
    struct Case {
        std::vector<bool> empty, visible;
        int row;
        bool show;
    };
    const Case cases[] = {
        // A filled row and no empty one on show: the first empty row appears.
        {{false, true, true}, {true, false, false}, 1, true},
        // Exactly one empty row on show: nothing to do.
        {{false, true, true}, {true, true, false}, -1, false},
        // Two empty rows on show: the second goes.
        {{true, false, true, true}, {true, true, true, true}, 2, false},
        // Everything filled: nothing to show.
        {{false, false}, {true, true}, -1, false},
    };
    for (const Case& c : cases) {
        const relay::RowChange change = relay::keepOneEmptyRow(c.empty, c.visible);
        EXPECT_EQ(change.row, c.row);
        if (c.row >= 0) {
            EXPECT_EQ(change.show, c.show);
        }
    }
}

} // namespace
