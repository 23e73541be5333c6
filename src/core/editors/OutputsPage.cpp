#include "editors/OutputsPage.h"

#include "image/FieldTable.h"

const char* const OutputsPage::RowCaptions[Rows] = {"X13",   "X14",   "X15",   "X16",   "X12",
                                                    "X17/1", "X17/2", "X18/1", "X18/2", "X24"};

namespace {

std::vector<FieldSpec> outputFields() {
    using namespace fields;
    constexpr int At = 370; // OutConfig
    // Index 0..15 is virtual relay 1..16; 16 is "OFF".
    const QStringList relays = numbered(QString(), 16) << QStringLiteral("OFF");
    const std::pair<const char*, const char*> sets[] = {
        {"outp", QT_TRANSLATE_NOOP("fields", "Použit")},
        {"outn", QT_TRANSLATE_NOOP("fields", "Negace")},
        {"outt1", QT_TRANSLATE_NOOP("fields", "Trap1")},
        {"outt2", QT_TRANSLATE_NOOP("fields", "Trap2")}};
    std::vector<FieldSpec> f;
    for (int k = 0; k < OutputsPage::Rows; ++k) {
        const char* row = OutputsPage::RowCaptions[k];
        for (int set = 0; set < 4; ++set)
            f.push_back(
                bit(name(sets[set].first, k, 2), row, sets[set].second, At + 2 * set, k, 2));
        f.push_back(list(name("outvr", k, 2), row, QT_TRANSLATE_NOOP("fields", "Virt. relé"),
                         At + 8 + k, relays, 16));
        f.push_back(description(name("outpop", k, 2), row, mem::OutputDescriptions.first + 20 * k));
    }
    return f;
}

} // namespace

OutputsPage::OutputsPage() : FieldPage({mem::OutConfig}, fields::builtOnce<outputFields>()) {}
