#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <vector>

// A column filter of the station overview: sub-conditions joined by "&" (and) and "|",
// ";" or "^" (or), combined strictly from left to right. A sub-condition is a comparison
// ("<", "<=", ">", ">=" and a value: numbers as numbers, dates in the user's short date
// format as dates, anything else as text) or a pattern ("*" any run, "?" one character,
// a leading "!" negates; without wildcards it must equal the whole cell). Letter case
// counts. Parsed once, matched against many cells.
class FilterCondition {
public:
    explicit FilterCondition(const QString& text, const QLocale& locale = QLocale());

    bool matches(const QString& cell) const;

private:
    enum class Op { Less, LessOrEqual, Greater, GreaterOrEqual, Pattern };
    struct Part {
        bool orWithPrevious = false;
        Op op = Op::Pattern;
        QString value;
        bool negated = false;
        bool wildcards = false;
        bool valueIsNumber = false;
        double number = 0;
        QDate date;
    };

    bool matchesPart(const Part& part, const QString& cell) const;
    int compare(const Part& part, const QString& cell) const;
    bool toNumber(const QString& text, double* out) const;
    QDate toDate(const QString& text) const;

    std::vector<Part> m_parts;
    QLocale m_locale;
    QStringList m_dateFormats;
};
