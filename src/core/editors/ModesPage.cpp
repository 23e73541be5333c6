#include "editors/ModesPage.h"
#include "base/Language.h"

#include "base/Text.h"
#include "image/FieldTable.h"

#include <optional>

const char* const ModesPage::DayNames[7] = {
    QT_TRANSLATE_NOOP("items", "Ne"), QT_TRANSLATE_NOOP("items", "Po"),
    QT_TRANSLATE_NOOP("items", "Út"), QT_TRANSLATE_NOOP("items", "St"),
    QT_TRANSLATE_NOOP("items", "Čt"), QT_TRANSLATE_NOOP("items", "Pá"),
    QT_TRANSLATE_NOOP("items", "So")};
const QStringList ModesPage::DayCaptions = {
    QString::fromUtf8(DayNames[0]), QString::fromUtf8(DayNames[1]), QString::fromUtf8(DayNames[2]),
    QString::fromUtf8(DayNames[3]), QString::fromUtf8(DayNames[4]), QString::fromUtf8(DayNames[5]),
    QString::fromUtf8(DayNames[6])};
const int ModesPage::ScreenDays[7] = {2, 3, 4, 5, 6, 7, 1};

namespace {

constexpr int At = mem::RezimConfig.first;
constexpr int DaySets = At + 0;
constexpr int HourSets = At + 3;

std::vector<FieldSpec> modeFields() {
    using namespace fields;
    std::vector<FieldSpec> f;
    for (int p = 0; p < ModesPage::Profiles; ++p)
        for (int h = 0; h < ModesPage::Hours; ++h) {
            FieldSpec hour =
                bit(name(p ? "re1" : "re0", h, 2), "", "", HourSets + 3 * p + h / 8, h % 8);
            f.push_back(hour);
        }
    for (int d = 1; d <= 7; ++d)
        f.push_back({.name = name("rd", d),
                     .kind = FieldKind::BitChoice,
                     .at = DaySets,
                     .bit = d - 1,
                     .initial = 0,
                     .items = {QString::fromUtf8(QT_TRANSLATE_NOOP("items", "Profil 0")),
                               QString::fromUtf8(QT_TRANSLATE_NOOP("items", "Profil 1"))}});
    return f;
}

} // namespace

// The rows and captions of the shown fields, as a reader sees them.
[[maybe_unused]] const char* const ShownWords[] = {
    QT_TRANSLATE_NOOP("rows", "Profil 0"), QT_TRANSLATE_NOOP("rows", "Profil 1"),
    QT_TRANSLATE_NOOP("fields", "Dny"), QT_TRANSLATE_NOOP("fields", "Hodiny"),
    QT_TRANSLATE_NOOP("fields", "Dny bez profilu")};

QString ModesPage::hourName(int profile, int hour) {
    return QStringLiteral("re%1%2").arg(profile).arg(hour, 2, 10, QLatin1Char('0'));
}

QString ModesPage::dayName(int day) {
    return QStringLiteral("rd%1").arg(day);
}

ModesPage::ModesPage() : FieldPage({mem::RezimConfig}, fields::builtOnce<modeFields>()) {}

int ModesPage::profileOf(int day) const {
    return value(dayName(day)).toInt();
}

bool ModesPage::isOn(int profile, int hour) const {
    return value(hourName(profile, hour)).toBool();
}

void ModesPage::beforeStore(ConfigImage& copy) {
    copy[At + 2] = 0;
    for (int a = At + 9; a < At + 12; ++a)
        copy[a] = 0;
}

QString hourRanges(const std::vector<bool>& on) {
    QStringList ranges;
    const int count = int(on.size());
    for (int h = 0; h < count; ++h) {
        if (!on[size_t(h)])
            continue;
        int last = h;
        while (last + 1 < count && on[size_t(last + 1)])
            ++last;
        ranges << (last == h ? QString::number(h) : QStringLiteral("%1-%2").arg(h).arg(last));
        h = last;
    }
    return ranges.isEmpty() ? QStringLiteral("žádné") : ranges.join(QStringLiteral(", "));
}

std::vector<ShownField> ModesPage::shownFields() const {
    std::vector<ShownField> shown;
    QStringList unassigned;
    for (int p = 0; p < Profiles; ++p) {
        QStringList days;
        std::vector<bool> hours;
        for (int d : ScreenDays)
            if (profileOf(d) == p)
                days << DayCaptions[d - 1];
        for (int h = 0; h < Hours; ++h)
            hours.push_back(isOn(p, h));
        const QString row = QStringLiteral("Profil %1").arg(p);
        const QString key = QStringLiteral("profile%1-").arg(p);
        shown.push_back({row,
                         QStringLiteral("Dny"),
                         days.isEmpty() ? QStringLiteral("žádné") : days.join(QStringLiteral(", ")),
                         false,
                         key + QStringLiteral("days"),
                         ShownField::Form::Items,
                         {}});
        shown.push_back({row,
                         QStringLiteral("Hodiny"),
                         hourRanges(hours),
                         false,
                         key + QStringLiteral("hours"),
                         ShownField::Form::Items,
                         {}});
    }
    for (int d : ScreenDays)
        if (profileOf(d) < 0)
            unassigned << DayCaptions[d - 1];
    if (!unassigned.isEmpty())
        shown.push_back({QString(),
                         QStringLiteral("Dny bez profilu"),
                         unassigned.join(QStringLiteral(", ")),
                         false,
                         QStringLiteral("days-without-profile"),
                         ShownField::Form::Items,
                         {}});
    return shown;
}

namespace {

const QString None = QString::fromUtf8(QT_TRANSLATE_NOOP("items", "žádné"));

// "žádné", or its key "zadne".
bool isNone(const QString& text) {
    return text.trimmed() == None || text.trimmed() == asciiKey(None);
}

// "Po, Út" or "žádné" as day numbers, the days also by their keys ("po, ut"); nullopt
// when a part is no day.
std::optional<QList<int>> parseDays(const QString& text) {
    QList<int> days;
    if (isNone(text))
        return days;
    for (const QString& part : text.split(QLatin1Char(','))) {
        int index = int(ModesPage::DayCaptions.indexOf(part.trimmed()));
        for (int d = 0; index < 0 && d < ModesPage::DayCaptions.size(); ++d)
            if (asciiKey(ModesPage::DayCaptions.at(d)) == part.trimmed())
                index = d;
        if (index < 0)
            return std::nullopt;
        days << index + 1;
    }
    return days;
}

// "0-5, 8, 22-23" or "žádné"; nullopt when a part is no hour or range of hours.
std::optional<std::vector<bool>> parseHours(const QString& text) {
    std::vector<bool> on(ModesPage::Hours, false);
    if (isNone(text))
        return on;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool ok1 = false;
        bool ok2 = false;
        const int first = ends.value(0).toInt(&ok1);
        const int last = ends.size() == 2 ? ends.value(1).toInt(&ok2) : (ok2 = true, first);
        if (ends.size() > 2 || !ok1 || !ok2 || first < 0 || last >= ModesPage::Hours ||
            first > last)
            return std::nullopt;
        for (int h = first; h <= last; ++h)
            on[size_t(h)] = true;
    }
    return on;
}

} // namespace

void ModesPage::setShownFields(const std::vector<ShownField>& keyed, const Refusal& refuse) {
    const std::vector<ShownField> now = shownFields();
    const std::vector<ShownField> given = underCaptions(keyed, now);
    const auto valueNow = [&](const QString& where) -> std::optional<QString> {
        for (const ShownField& f : now)
            if (f.where() == where)
                return f.value.toString();
        return std::nullopt;
    };
    QString days[Profiles];
    for (int p = 0; p < Profiles; ++p)
        days[p] = valueNow(QStringLiteral("Profil %1 / Dny").arg(p)).value_or(QString());
    for (const ShownField& f : given) {
        const QString where = f.where();
        const bool derived = where == QStringLiteral("Dny bez profilu");
        if (!derived && !valueNow(where)) {
            refuse(unknownFieldText(where));
            continue;
        }
        if (derived || sameShownValue(f.value, *valueNow(where)))
            continue;
        if (f.value.typeId() != QMetaType::QString) {
            refuse(badValueText(where, tx("editors", "čeká se text.")));
            continue;
        }
        const int p = f.row.mid(7).toInt();
        if (f.caption == QStringLiteral("Dny")) {
            days[p] = f.value.toString();
            continue;
        }
        const auto hours = parseHours(f.value.toString());
        if (!hours) {
            refuse(badValueText(where, tx("editors", "čekají se hodiny 0 až 23 jako „6-21, 23“ "
                                                     "nebo „žádné“, ne „%1“.")
                                           .arg(visibleText(f.value.toString()))));
            continue;
        }
        for (int h = 0; h < Hours; ++h)
            setValue(hourName(p, h), (*hours)[size_t(h)]);
    }
    // The days of both profiles at once, so that a day can move from one to the other.
    int profileOfDay[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    for (int p = 0; p < Profiles; ++p) {
        const QString where = QStringLiteral("Profil %1 / Dny").arg(p);
        const auto parsed = parseDays(days[p]);
        if (!parsed) {
            refuse(badValueText(where, tx("editors", "čekají se dny jako „Po, Út“ nebo „žádné“, "
                                                     "ne „%1“.")
                                           .arg(visibleText(days[p]))));
            return;
        }
        for (int d : *parsed) {
            if (profileOfDay[d] >= 0 && profileOfDay[d] != p) {
                refuse(badValueText(where, tx("editors", "den %1 je i v profilu %2.")
                                               .arg(DayCaptions[d - 1])
                                               .arg(profileOfDay[d])));
                return;
            }
            profileOfDay[d] = p;
        }
    }
    for (int d = 1; d <= 7; ++d)
        if (profileOfDay[d] != profileOf(d))
            setValue(dayName(d), profileOfDay[d]);
}
