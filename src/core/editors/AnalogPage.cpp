#include "editors/AnalogPage.h"
#include "base/Language.h"

#include "image/FieldTable.h"

const QStringList AnalogPage::Modes = {QString::fromUtf8(QT_TRANSLATE_NOOP("items", "Nepoužit")),
                                       QStringLiteral("X19/0-10V"), QStringLiteral("X20/PWM"),
                                       QStringLiteral("X20/PWM INV")};

namespace {

constexpr int At = 394; // Out10Config

std::vector<FieldSpec> analogFields() {
    using namespace fields;
    std::vector<FieldSpec> f = {
        list("lrvp", "", QT_TRANSLATE_NOOP("fields", "Výstup"), At + 0, AnalogPage::Modes, 0),
        tenths("avhs", "", QT_TRANSLATE_NOOP("fields", "Hystereze setpointu"), At + 1, 1, 250, 0),
        number("avik", "", QT_TRANSLATE_NOOP("fields", "Integrační konstanta"), At + 2, 1, 0, 255,
               0),
        number("maxpwm", "", QT_TRANSLATE_NOOP("fields", "MAX PWM"), At + 3, 2, 1, 1023, 1023),
        number("pr2", "", QT_TRANSLATE_NOOP("fields", "PR2"), At + 5, 1, 1, 255, 255),
        list("pres", "", QT_TRANSLATE_NOOP("fields", "Prescaler"), At + 6,
             {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("16")}, 1),
    };
    const QStringList thermostats = numbered(QStringLiteral("T"), 16)
                                    << QStringLiteral("MAX") << QStringLiteral("OFF");
    const QStringList relays = numbered(QStringLiteral("R"), 16);
    const QStringList conditions =
        QStringList{QString(), "IN1", "IN2", "IN3", "~IN1", "~IN2", "~IN3"} + relays;
    static const char* const Rows[] = {"A1", "A2", "A3", "A4"};
    for (int n = 0; n < AnalogPage::Rows; ++n) {
        const int row = At + 7 + 6 * n;
        const char* caption = Rows[n];
        // The unit keeps a row as thermostat, relay, condition, MIN, MAX, limitation.
        f.push_back(list(name("atr", n), caption, QT_TRANSLATE_NOOP("fields", "Term"), row + 0,
                         thermostats, 17));
        f.push_back(list(name("avr", n), caption, QT_TRANSLATE_NOOP("fields", "Vrelé"), row + 1,
                         relays, 0));
        f.push_back(number(name("amn", n), caption, QT_TRANSLATE_NOOP("fields", "MIN [ % ]"),
                           row + 3, 1, 0, 255, 0));
        f.push_back(number(name("amx", n), caption, QT_TRANSLATE_NOOP("fields", "MAX [ % ]"),
                           row + 4, 1, 0, 255, 0));
        f.push_back(list(name("aov", n), caption, QT_TRANSLATE_NOOP("fields", "Omezení [ vstup ]"),
                         row + 2, conditions, 0));
        f.push_back(number(name("aop", n), caption, QT_TRANSLATE_NOOP("fields", "Omezení [ % ]"),
                           row + 5, 1, 0, 255, 0));
        f.push_back(description(name("avpop", n), caption, mem::Out10Descriptions.first + 20 * n));
    }
    return f;
}

} // namespace

AnalogPage::AnalogPage() : FieldPage({mem::Out10Config}, fields::builtOnce<analogFields>()) {}

void AnalogPage::afterScatter() {
    if (m_copy[At] >= Modes.size())
        setValue(QStringLiteral("lrvp"), int(Modes.size()) - 1);
}
