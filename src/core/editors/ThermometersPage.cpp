#include "editors/ThermometersPage.h"

#include "image/FieldTable.h"

const QStringList ThermometersPage::Ports = {QStringLiteral("X2/1"), QStringLiteral("X2/2"),
                                             QStringLiteral("X3/1"), QStringLiteral("X3/2"),
                                             QStringLiteral("X4"),   QStringLiteral("OFF")};

namespace {

std::vector<FieldSpec> thermometerFields() {
    using namespace fields;
    constexpr int At = 437; // Quel5Config
    std::vector<FieldSpec> f = {
        number("ttyp", "", QT_TRANSLATE_NOOP("fields", "Typ"), At + 0, 1, 0, 255, 0),
        number("tdruh", "", QT_TRANSLATE_NOOP("fields", "Druh"), At + 18, 1, 0, 255, 0),
    };
    static const char* const Rows[] = {
        QT_TRANSLATE_NOOP("rows", "Teploměr1"), QT_TRANSLATE_NOOP("rows", "Teploměr2"),
        QT_TRANSLATE_NOOP("rows", "Teploměr3"), QT_TRANSLATE_NOOP("rows", "Teploměr4"),
        QT_TRANSLATE_NOOP("rows", "Teploměr5")};
    for (int k = 0; k < ThermometersPage::Rows; ++k) {
        f.push_back(list(name("temp", k), Rows[k], QT_TRANSLATE_NOOP("fields", "Port"), At + 11 + k,
                         ThermometersPage::Ports, 5));
        f.push_back(
            bit(name("ttr1", k), Rows[k], QT_TRANSLATE_NOOP("fields", "Trap1"), At + 16, k));
        f.push_back(
            bit(name("ttr2", k), Rows[k], QT_TRANSLATE_NOOP("fields", "Trap2"), At + 17, k));
        f.push_back(
            description(name("tmpop", k), Rows[k], mem::ThermometerDescriptions.first + 20 * k));
    }
    const FieldSpec entries[] = {
        list("pr_temp", "", QT_TRANSLATE_NOOP("fields", "Kam přiřadit vnitřní čidlo při poruše"),
             At + 1, numbered(QStringLiteral("T"), 5), 0),
        number("LMDreadcount", "",
               QT_TRANSLATE_NOOP("fields", "Počet čtení teploty při poruše komunikace"), At + 2, 1,
               1, 255, 1),
        number("LMDerrtm", "",
               QT_TRANSLATE_NOOP("fields", "Prodleva mezi čtením tepl. při poruše [ms]"), At + 4, 1,
               0, 255, 0),
        number("LMDerrcount", "",
               QT_TRANSLATE_NOOP("fields", "Počet poruch do globální poruchy čidla"), At + 3, 1, 0,
               255, 0),
        number("LMDtemptm", "", QT_TRANSLATE_NOOP("fields", "Prodleva mezi čtením teplot [s]"),
               At + 5, 1, 0, 255, 0),
        number("LMDbptm", "", QT_TRANSLATE_NOOP("fields", "Délka bypassu [s]"), At + 6, 2, 0, 65535,
               0),
        number("LMDtesttm", "", QT_TRANSLATE_NOOP("fields", "Timeout testu [s]"), At + 8, 1, 0, 255,
               0),
        number("LMDsavetm", "", QT_TRANSLATE_NOOP("fields", "Perioda uklání dat [s]"), At + 9, 2, 0,
               65535, 0),
        number("LMDerrdif", "",
               QT_TRANSLATE_NOOP("fields", "Skok teploty pro opakování čtení [°C]"), At + 19, 1, 10,
               255, 10),
    };
    f.insert(f.end(), std::begin(entries), std::end(entries));
    return f;
}

} // namespace

ThermometersPage::ThermometersPage()
    : FieldPage({mem::Quel5Config}, fields::builtOnce<thermometerFields>()) {}
