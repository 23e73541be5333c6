// Field-level differences: one field changed through its page gives exactly one line,
// under the captions the windows use.
#include "SimUnit.h"
#include "image/FieldPage.h"
#include "logic/RelayPage.h"
#include "workspace/ConfigDiff.h"
#include "workspace/PageRegistry.h"

#include <gtest/gtest.h>

namespace {

ConfigImage startImage() {
    const QByteArray bytes = SimUnit::defaultImage();
    ConfigImage image;
    image.copyIn(0, int(bytes.size()), reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    image[1004] = 2;             // T1 used, with a "Mod 1" of its own
    image.setU16(1004 + 6, 10);  // TL 1.0
    image.setU16(1004 + 10, 20); // TH 2.0
    return image;
}

TEST(ConfigDiff, OneChangedFieldOfEachKindIsOneLine) {
    const struct {
        PageSlot slot;
        const char* name;
        QVariant value;
        const char* line;
    } cases[] = {
        {PageSlot::Network, "LMDIP", QStringLiteral("10.1.2.203"),
         "Ethernet / IP adresa: 127.0.0.1 → 10.1.2.203"},
        {PageSlot::Network, "LMDnbname", QStringLiteral("KOTELNA"),
         "Ethernet / NB name: QUEL5SIM → KOTELNA"},
        {PageSlot::Outputs, "outn01", true, "Výstupy / X14 / Negace: ne → ano"},
        {PageSlot::Outputs, "outvr01", 2, "Výstupy / X14 / Virt. relé: 1 → 3"},
        {PageSlot::Inputs, "sopp0", 1000, "Vstupy / X6/SO1 / Pulzů na kWh  (0 -neměřit): 0 → 1000"},
        {PageSlot::Inputs, "inpop0", QStringLiteral("Okno\n"),
         "Vstupy / X8 / Popis: Vstup 1 → Okno\\n"},
        {PageSlot::Analog, "avhs", 2.5, "Výstup 0-10V / Hystereze setpointu: 0.0 → 2.5"},
        {PageSlot::Thermostats, "trtl000", -7.5, "Termostaty / T1 / TL (Mod 0): 0.0 → -7.5"},
        {PageSlot::Modes, "re105", true, "Režim / Profil 1 / Hodiny: 8-19 → 5, 8-19"},
    };
    for (const auto& c : cases) {
        const ConfigImage before = startImage();
        const PageInfo& info = pageInfo(c.slot);
        std::unique_ptr<Page> page = info.createModel();
        page->scatter(before);
        auto* fields = dynamic_cast<FieldPage*>(page.get());
        ASSERT_TRUE(fields && fields->field(QLatin1String(c.name))) << c.name;
        fields->setValue(QLatin1String(c.name), c.value);
        ConfigImage after = before;
        page->gather(after);
        const std::vector<FieldChange> changes = diffImages(before, after);
        ASSERT_EQ(changes.size(), 1u) << c.name;
        EXPECT_EQ(changeLine(changes[0]), QString::fromUtf8(c.line)) << c.name;
    }
    // A relay's program, by its decoded text.
    const ConfigImage before = startImage();
    RelayPage relays;
    relays.scatter(before);
    relays.rows[2].text = QStringLiteral("V1 & T2");
    ConfigImage after = before;
    relays.gather(after);
    const std::vector<FieldChange> changes = diffImages(before, after);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changeLine(changes[0]), QStringLiteral("Virtuální relé / R3 / Výraz:  → V1 & T2"));
    EXPECT_TRUE(diffImages(after, after).empty());
}

} // namespace

namespace {

// A byte an upload sends that no shown field says (carried bytes of a record, a hidden
// thermostat limit, the end of a description area) is a change all the same.
TEST(ConfigDiff, BytesAnUploadSendsButNoFieldShowsAreListed) {
    for (const int address : {388, 391, 211, 1004 + 2}) {
        const ConfigImage before = startImage();
        ConfigImage after = before;
        after[address] = std::uint8_t(after[address] ^ 0x5A);
        const std::vector<FieldChange> changes = diffImages(before, after);
        ASSERT_FALSE(changes.empty()) << address;
        EXPECT_TRUE(changes.back().where.startsWith(QStringLiteral("Ostatní bajty")) &&
                    changes.back().where.contains(QString::number(address)))
            << address << " " << changeLine(changes.back()).toStdString();
    }
    // A byte no page uploads (the unit is never even asked for 7990) is no change.
    ConfigImage after = startImage();
    after[20] = 0x77;
    after[7990] = 0x77;
    EXPECT_TRUE(diffImages(startImage(), after).empty());
}

} // namespace
