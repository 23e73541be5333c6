#include "monitor/FilterCondition.h"

namespace {

// "*" any run of characters, "?" any one, everything else itself; the whole text. Walks
// back to the last star on a mismatch: linear for the usual patterns, no regular
// expression per cell.
bool globMatch(QStringView pattern, QStringView text) {
    qsizetype p = 0, t = 0, star = -1, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = t;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

FilterCondition::FilterCondition(const QString& text, const QLocale& locale) : m_locale(locale) {
    // The user's short date format, also with a four-digit year and days and months
    // written without their leading zero (1.1.2020 as well as 01.01.20).
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QString loose = shortFormat;
    loose.replace(QStringLiteral("dd"), QStringLiteral("d"))
        .replace(QStringLiteral("MM"), QStringLiteral("M"));
    for (const QString& f : {shortFormat, loose}) {
        m_dateFormats << f;
        if (f.contains(QStringLiteral("yy")) && !f.contains(QStringLiteral("yyyy")))
            m_dateFormats << QString(f).replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    // Split at the joining characters; the spaces next to them go.
    QString current;
    bool orNext = false;
    auto finish = [&](bool orWithPrevious) {
        Part part;
        part.orWithPrevious = orWithPrevious;
        QString s = current;
        const struct {
            const char* mark;
            Op op;
        } comparisons[] = {{"<=", Op::LessOrEqual},
                           {">=", Op::GreaterOrEqual},
                           {"<", Op::Less},
                           {">", Op::Greater}};
        for (const auto& c : comparisons)
            if (s.startsWith(QLatin1String(c.mark))) {
                part.op = c.op;
                s = s.mid(qsizetype(qstrlen(c.mark))).trimmed();
                break;
            }
        if (part.op == Op::Pattern && s.startsWith(QLatin1Char('!'))) {
            part.negated = true;
            s = s.mid(1);
        }
        part.value = s;
        if (part.op == Op::Pattern) {
            part.wildcards = s.contains(QLatin1Char('*')) || s.contains(QLatin1Char('?'));
        } else {
            part.valueIsNumber = toNumber(s, &part.number);
            part.date = toDate(s);
        }
        m_parts.push_back(std::move(part));
        current.clear();
    };
    for (QChar c : text) {
        if (c == QLatin1Char('&') || c == QLatin1Char('|') || c == QLatin1Char(';') ||
            c == QLatin1Char('^')) {
            while (current.endsWith(QLatin1Char(' ')))
                current.chop(1);
            finish(orNext);
            orNext = c != QLatin1Char('&');
            continue;
        }
        if (c == QLatin1Char(' ') && current.isEmpty() && !m_parts.empty())
            continue; // a space right after a joining character
        current.append(c);
    }
    finish(orNext);
}

bool FilterCondition::toNumber(const QString& text, double* out) const {
    bool ok = false;
    *out = QLocale::c().toDouble(text, &ok);
    if (!ok)
        *out = m_locale.toDouble(text, &ok);
    return ok;
}

QDate FilterCondition::toDate(const QString& text) const {
    for (const QString& format : m_dateFormats) {
        QDate date = m_locale.toDate(text, format);
        if (date.isValid()) {
            // A two-digit year is of this century.
            if (!format.contains(QStringLiteral("yyyy")) && date.year() < 2000)
                date = date.addYears(100);
            return date;
        }
    }
    return {};
}

int FilterCondition::compare(const Part& part, const QString& cell) const {
    double number = 0;
    if (part.valueIsNumber && toNumber(cell, &number))
        return number < part.number ? -1 : number > part.number ? 1 : 0;
    if (part.date.isValid()) {
        const QDate date = toDate(cell);
        if (date.isValid())
            return date < part.date ? -1 : date > part.date ? 1 : 0;
    }
    return QString::compare(cell, part.value, Qt::CaseSensitive);
}

bool FilterCondition::matchesPart(const Part& part, const QString& cell) const {
    switch (part.op) {
    case Op::Less:
        return compare(part, cell) < 0;
    case Op::LessOrEqual:
        return compare(part, cell) <= 0;
    case Op::Greater:
        return compare(part, cell) > 0;
    case Op::GreaterOrEqual:
        return compare(part, cell) >= 0;
    case Op::Pattern:
        break;
    }
    const bool hit = part.wildcards ? globMatch(part.value, cell) : cell == part.value;
    return hit != part.negated;
}

bool FilterCondition::matches(const QString& cell) const {
    bool result = false;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const bool hit = matchesPart(m_parts[i], cell);
        if (i == 0)
            result = hit;
        else if (m_parts[i].orWithPrevious)
            result = result || hit;
        else
            result = result && hit;
    }
    return result;
}
