#include "editors/InputsPage.h"

#include "image/FieldTable.h"

const char* const InputsPage::RowCaptions[Rows] = {"X8", "X9", "X10", "X6/SO1", "X7/SO2"};

namespace {

std::vector<FieldSpec> inputFields() {
    using namespace fields;
    constexpr int At = 360; // InpConfig
    std::vector<FieldSpec> f;
    // Row k is bit k of every bit set and slot k of the descriptions.
    const std::pair<const char*, const char*> sets[] = {
        {"inp", QT_TRANSLATE_NOOP("fields", "Použit")},
        {"inn", QT_TRANSLATE_NOOP("fields", "Negace")},
        {"int1", QT_TRANSLATE_NOOP("fields", "Trap1")},
        {"int2", QT_TRANSLATE_NOOP("fields", "Trap2")}};
    for (int k = 0; k < InputsPage::Rows; ++k) {
        const char* row = InputsPage::RowCaptions[k];
        for (int set = 0; set < 4; ++set)
            f.push_back(bit(name(sets[set].first, k), row, sets[set].second, At + set, k));
        if (k >= 3) {
            const int s0 = k - 3;
            f.push_back(number(name("sodp", s0), row,
                               QT_TRANSLATE_NOOP("fields", "Délka pulzu SO [ms]"), At + 4 + s0, 1,
                               0, 255, 0));
            f.push_back(number(name("sopp", s0), row,
                               QT_TRANSLATE_NOOP("fields", "Pulzů na kWh  (0 -neměřit)"),
                               At + 6 + 2 * s0, 2, 0, 65535, 0));
        }
        f.push_back(description(name("inpop", k), row, mem::InputDescriptions.first + 20 * k));
    }
    return f;
}

} // namespace

InputsPage::InputsPage() : FieldPage({mem::InpConfig}, fields::builtOnce<inputFields>()) {}

namespace energy {

std::optional<bool> KeySequence::feed(int character, bool administrator) {
    if (!administrator)
        return std::nullopt;
    std::optional<bool> change;
    if (m_afterFirst)
        change = character == SecondKey;
    m_afterFirst = character == FirstKey;
    return change;
}

} // namespace energy
