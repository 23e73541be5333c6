#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// How the virtual relays window shows and edits expression text, apart from any widget.
namespace relay {

enum class Colour { Black, Blue, Olive, Green, Fuchsia };

// The colour of every character of a decoded text: &, |, ^, ~ blue; brackets olive; a
// function name from its F up to the bracket green; everything else black.
std::vector<Colour> decodedColours(const QString& text);

// The colour of each character as it is typed: a bracket ends a function name, an F or f
// starts one.
class TypingColours {
public:
    Colour next(QChar typed);
    bool inFunction() const { return m_function; }

private:
    bool m_function = false;
};

// The partner of the bracket at position (searching forward from '(' and backward from
// ')', counting nesting), or -1 when there is none or no bracket stands there.
int matchingBracket(const QString& text, int position);

// The operand picker: its kinds ("Input" …) and the items each offers ("V1" …, "FTON()" …).
struct OperandKind {
    const char* caption;
    char letter;
    int count; // 0 for the functions
};
const std::array<OperandKind, 6>& operandKinds();
QStringList operandItems(int kind);
constexpr int FunctionKind = 5;

// One empty row stands ready among the rows: which row to show (or hide) so that it does,
// given which rows are empty and which are visible. row -1: nothing to change.
struct RowChange {
    int row = -1;
    bool show = false;
};
RowChange keepOneEmptyRow(const std::vector<bool>& empty, const std::vector<bool>& visible);

} // namespace relay
