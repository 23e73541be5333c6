#include "logic/RelayText.h"

#include "logic/RelayCompiler.h"

namespace relay {

namespace {
bool isOperator(QChar c) {
    return c == QLatin1Char('&') || c == QLatin1Char('|') || c == QLatin1Char('^') ||
           c == QLatin1Char('~');
}
} // namespace

std::vector<Colour> decodedColours(const QString& text) {
    std::vector<Colour> colours;
    colours.reserve(size_t(text.size()));
    bool inFunction = false;
    for (QChar c : text) {
        Colour colour = Colour::Black;
        if (isOperator(c)) {
            colour = Colour::Blue;
        } else if (c == QLatin1Char('(')) {
            colour = Colour::Olive;
            inFunction = false;
        } else if (c == QLatin1Char(')')) {
            colour = Colour::Olive;
        } else {
            if (c == QLatin1Char('F'))
                inFunction = true;
            if (inFunction)
                colour = Colour::Green;
        }
        colours.push_back(colour);
    }
    return colours;
}

Colour TypingColours::next(QChar c) {
    if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
        m_function = false;
        return Colour::Olive;
    }
    // ^ is shown blue when decoded but typed in the colour of what surrounds it.
    if (c == QLatin1Char('&') || c == QLatin1Char('|') || c == QLatin1Char('~'))
        return Colour::Blue;
    if (c == QLatin1Char('F') || c == QLatin1Char('f')) {
        m_function = true;
        return Colour::Green;
    }
    return m_function ? Colour::Green : Colour::Black;
}

int matchingBracket(const QString& text, int position) {
    if (position < 0 || position >= text.size())
        return -1;
    const QChar c = text[position];
    const bool forward = c == QLatin1Char('(');
    if (!forward && c != QLatin1Char(')'))
        return -1;
    const QChar same = c;
    const QChar partner = forward ? QLatin1Char(')') : QLatin1Char('(');
    int depth = 0;
    for (int i = position + (forward ? 1 : -1); i >= 0 && i < text.size(); i += forward ? 1 : -1) {
        if (text[i] == same)
            ++depth;
        else if (text[i] == partner && depth-- == 0)
            return i;
    }
    return -1;
}

const std::array<OperandKind, 6>& operandKinds() {
    static const std::array<OperandKind, 6> kinds{
        {{QT_TRANSLATE_NOOP("logic", "Input"), 'V', 3},
         {QT_TRANSLATE_NOOP("logic", "Termostat"), 'T', 16},
         {"Error", 'E', 5},
         {QT_TRANSLATE_NOOP("logic", "Virtuální relé"), 'R', 16},
         {QT_TRANSLATE_NOOP("logic", "Pomocná proměnná"), 'P', 16},
         {QT_TRANSLATE_NOOP("logic", "Funkce"), 'F', 0}}};
    return kinds;
}

QStringList operandItems(int kind) {
    QStringList items;
    if (kind < 0 || kind >= int(operandKinds().size()))
        return items;
    if (kind == FunctionKind) {
        // A function is inserted with empty brackets; its arguments are typed between them.
        for (const char* name : FunctionNames)
            items << QLatin1Char('F') + QLatin1String(name) + QStringLiteral("()");
        return items;
    }
    const OperandKind& k = operandKinds()[size_t(kind)];
    for (int i = 1; i <= k.count; ++i)
        items << QLatin1Char(k.letter) + QString::number(i);
    return items;
}

RowChange keepOneEmptyRow(const std::vector<bool>& empty, const std::vector<bool>& visible) {
    int firstVisibleEmpty = -1;
    int visibleEmpty = 0;
    for (size_t n = 0; n < empty.size(); ++n)
        if (empty[n] && visible[n]) {
            if (firstVisibleEmpty < 0)
                firstVisibleEmpty = int(n);
            ++visibleEmpty;
        }
    if (visibleEmpty == 0) {
        for (size_t n = 0; n < empty.size(); ++n)
            if (empty[n])
                return {int(n), true};
    } else if (visibleEmpty > 1) {
        for (size_t n = size_t(firstVisibleEmpty) + 1; n < empty.size(); ++n)
            if (empty[n] && visible[n])
                return {int(n), false};
    }
    return {};
}

} // namespace relay
