#include "base/Text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <optional>

namespace cp1250 {

namespace {

// Walks the text character by character (a surrogate pair is one character; a lone
// surrogate is one character the code page lacks): each with its byte, or nothing.
template <typename Visit> void eachCharacter(const QString& text, Visit visit) {
    QStringEncoder encoder("windows-1250");
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView character = QStringView(text).mid(i, length);
        i += length;
        if (!encoder.isValid()) {
            const bool latin =
                length == 1 && character.at(0).unicode() > 0 && character.at(0).unicode() < 0x100;
            if (!visit(character,
                       latin ? std::optional<char>(char(character.at(0).unicode())) : std::nullopt))
                return;
            continue;
        }
        // The code page's converter writes SUB (0x1A) for what it cannot map; a lone
        // surrogate must not reach it, since it would eat the next character.
        const bool lone = character.at(0).isSurrogate();
        const QByteArray one = lone ? QByteArray() : encoder.encode(character);
        const bool mapped = one.size() == 1 && one.at(0) != '\0' &&
                            (one.at(0) != '\x1A' || character == QStringView(u"\x1A"));
        if (!visit(character, mapped ? std::optional<char>(one.at(0)) : std::nullopt))
            return;
    }
}

} // namespace

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    // Every character the code page lacks is exactly one '?'.
    eachCharacter(text, [&out](QStringView, std::optional<char> byte) {
        out.append(byte.value_or('?'));
        return true;
    });
    return out;
}

QString firstUnencodable(const QString& text) {
    QString found;
    eachCharacter(text, [&found](QStringView character, std::optional<char> byte) {
        if (byte)
            return true;
        found = character.toString();
        return false;
    });
    return found;
}

QString decode(const char* bytes, int maxLength) {
    const int length = int(qstrnlen(bytes, uint(maxLength)));
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes, length);
    return decoder.decode(QByteArrayView(bytes, length));
}

} // namespace cp1250

int putZeroTerminated(std::uint8_t* field, int width, const QString& text) {
    if (width <= 0)
        return 0;
    const QByteArray encoded = cp1250::encode(text).left(width - 1);
    std::memcpy(field, encoded.constData(), size_t(encoded.size()));
    field[encoded.size()] = 0;
    return int(encoded.size());
}

QString getZeroTerminated(const std::uint8_t* field, int width) {
    return cp1250::decode(reinterpret_cast<const char*>(field), width);
}

std::optional<std::array<std::uint8_t, 4>> parseIpAddress(const QString& text) {
    std::array<std::uint8_t, 4> out{};
    int start = 0;
    for (int part = 0; part < 4; ++part) {
        const int end = part < 3 ? int(text.indexOf(QLatin1Char('.'), start)) : int(text.size());
        if (end < 0)
            return std::nullopt;
        const QStringView digits = QStringView(text).mid(start, end - start);
        if (digits.isEmpty() || digits.size() > 3 ||
            !std::all_of(digits.begin(), digits.end(),
                         [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
            return std::nullopt;
        const int value = digits.toInt();
        if (value > 255)
            return std::nullopt;
        out[size_t(part)] = std::uint8_t(value);
        start = end + 1;
    }
    return out;
}

QString formatIpAddress(const std::uint8_t* b) {
    return QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
}

QString visibleText(const QString& text) {
    // Control characters, the line and paragraph separators, and the invisible format
    // characters (a right-to-left override would turn the rest of a line around).
    auto isControl = [](char16_t c) {
        return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
               (c > 0x9F && QChar::category(c) == QChar::Other_Format);
    };
    if (std::none_of(text.begin(), text.end(), [&](QChar c) { return isControl(c.unicode()); }))
        return text;
    QString shown;
    shown.reserve(text.size() + 8);
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (!isControl(c))
            shown += qc;
        else if (c == '\t')
            shown += QStringLiteral("\\t");
        else if (c == '\n')
            shown += QStringLiteral("\\n");
        else if (c == '\r')
            shown += QStringLiteral("\\r");
        else if (c > 0xFF)
            shown += QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
    }
    return shown;
}

QString asciiKey(const QString& text) {
    QString key;
    bool gap = false;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const QChar lower = c.toLower();
        if ((lower >= QLatin1Char('a') && lower <= QLatin1Char('z')) ||
            (lower >= QLatin1Char('0') && lower <= QLatin1Char('9'))) {
            if (gap && !key.isEmpty())
                key += QLatin1Char('-');
            key += lower;
            gap = false;
        } else {
            gap = true;
        }
    }
    return key;
}
