#include "editors/ModesPage.h"

#include "image/FieldTable.h"

const QStringList ModesPage::DayCaptions = {
    QStringLiteral("Ne"), QStringLiteral("Po"), QStringLiteral("Út"), QStringLiteral("St"),
    QStringLiteral("Čt"), QStringLiteral("Pá"), QStringLiteral("So")};
const int ModesPage::ScreenDays[7] = {2, 3, 4, 5, 6, 7, 1};

namespace {

constexpr int At = 425; // RezimConfig
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
                     .items = {QStringLiteral("Profil 0"), QStringLiteral("Profil 1")}});
    return f;
}

} // namespace

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
        shown.push_back(
            {row, QStringLiteral("Dny"),
             days.isEmpty() ? QStringLiteral("žádné") : days.join(QStringLiteral(", "))});
        shown.push_back({row, QStringLiteral("Hodiny"), hourRanges(hours)});
    }
    for (int d : ScreenDays)
        if (profileOf(d) < 0)
            unassigned << DayCaptions[d - 1];
    if (!unassigned.isEmpty())
        shown.push_back(
            {QString(), QStringLiteral("Dny bez profilu"), unassigned.join(QStringLiteral(", "))});
    return shown;
}
