#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Texts of the unit are one byte per character in the Windows-1250 code page.
namespace cp1250 {
// One byte per character; a character the code page lacks (and a zero, which would end
// the text early on the unit) becomes one '?'.
QByteArray encode(const QString& text);
// The first character of the text the code page lacks (a zero among them), or an empty
// text when it has every one.
QString firstUnencodable(const QString& text);
// The bytes up to the first zero, at most maxLength.
QString decode(const char* bytes, int maxLength);
} // namespace cp1250

// A text field of width bytes: the text and its zero byte from the first byte. A text that
// does not fit is cut so that it and its zero stay inside the field; the bytes after the
// zero keep what they held. Returns the number of text bytes written.
int putZeroTerminated(std::uint8_t* field, int width, const QString& text);
// The text of such a field: up to its first zero byte, never more than width bytes.
QString getZeroTerminated(const std::uint8_t* field, int width);

// The text with every control character made visible, so that one value stays one value
// on a line: TAB, LF and CR as \t, \n and \r, the other C0 and C1 characters and DEL as
// \xNN, the line and paragraph separators as \u2028 and \u2029, and the invisible format
// characters (Unicode category Cf, as the right-to-left override) as \uNNNN.
QString visibleText(const QString& text);

#include <array>
#include <optional>

// A dotted address: the text split at its first three dots, each part a decimal integer
// 0..255, the four values in written order. Nothing else is accepted.
std::optional<std::array<std::uint8_t, 4>> parseIpAddress(const QString& text);
QString formatIpAddress(const std::uint8_t* bytes);

// A stable ASCII key for a text a program reads instead of the words: the letters without
// their accents, lower case, every other run of characters one "-" ("Tepl. 1" → "tepl-1",
// "Út" → "ut"). Made from the Czech source text, so a translation never changes it.
QString asciiKey(const QString& text);
