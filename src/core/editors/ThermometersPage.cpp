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
        number("ttyp", "", "Typ", At + 0, 1, 0, 255, 0),
        number("tdruh", "", "Druh", At + 18, 1, 0, 255, 0),
    };
    static const char* const Rows[] = {"Teploměr1", "Teploměr2", "Teploměr3", "Teploměr4",
                                       "Teploměr5"};
    for (int k = 0; k < ThermometersPage::Rows; ++k) {
        f.push_back(
            list(name("temp", k), Rows[k], "Port", At + 11 + k, ThermometersPage::Ports, 5));
        f.push_back(bit(name("ttr1", k), Rows[k], "Trap1", At + 16, k));
        f.push_back(bit(name("ttr2", k), Rows[k], "Trap2", At + 17, k));
        f.push_back(
            description(name("tmpop", k), Rows[k], mem::ThermometerDescriptions.first + 20 * k));
    }
    const FieldSpec entries[] = {
        list("pr_temp", "", "Kam přiřadit vnitřní čidlo při poruše", At + 1,
             numbered(QStringLiteral("T"), 5), 0),
        number("LMDreadcount", "", "Počet čtení teploty při poruše komunikace", At + 2, 1, 1, 255,
               1),
        number("LMDerrtm", "", "Prodleva mezi čtením tepl. při poruše [ms]", At + 4, 1, 0, 255, 0),
        number("LMDerrcount", "", "Počet poruch do globální poruchy čidla", At + 3, 1, 0, 255, 0),
        number("LMDtemptm", "", "Prodleva mezi čtením teplot [s]", At + 5, 1, 0, 255, 0),
        number("LMDbptm", "", "Délka bypassu [s]", At + 6, 2, 0, 65535, 0),
        number("LMDtesttm", "", "Timeout testu [s]", At + 8, 1, 0, 255, 0),
        number("LMDsavetm", "", "Perioda uklání dat [s]", At + 9, 2, 0, 65535, 0),
        number("LMDerrdif", "", "Skok teploty pro opakování čtení [°C]", At + 19, 1, 10, 255, 10),
    };
    f.insert(f.end(), std::begin(entries), std::end(entries));
    return f;
}

} // namespace

ThermometersPage::ThermometersPage()
    : FieldPage({mem::Quel5Config}, fields::builtOnce<thermometerFields>()) {}
