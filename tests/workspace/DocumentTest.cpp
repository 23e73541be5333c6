// Configurations as JSON documents: export and import undo each other over generated
// images, an edited document changes exactly what was edited, and a document the pages
// cannot take is refused naming the field.
#include "TestSupport.h"
#include "base/Errors.h"
#include "workspace/ConfigDiff.h"
#include "workspace/ConfigDocument.h"
#include "workspace/Report.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

ConfigImage simImage() {
    const QByteArray bytes = SimUnit::defaultImage();
    ConfigImage image;
    image.copyIn(0, int(bytes.size()), reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    return image;
}

// A document with one value replaced: path is the page's key, then the field's key.
QJsonObject edited(QJsonObject doc, const QStringList& path, const QJsonValue& value) {
    QJsonObject page = doc[path[0]].toObject();
    page[path[1]] = value;
    doc[path[0]] = page;
    return doc;
}

bool same(const ConfigImage& a, const ConfigImage& b) {
    return std::equal(a.data(), a.data() + mem::ImageSize, b.data());
}

TEST(ConfigDocument, ExportAndImportUndoEachOtherOverGeneratedImages) {
    std::vector<bool> owned(mem::ImageSize, false);
    for (const PageInfo& info : pageRegistry())
        for (const mem::Region& r : info.regions)
            for (int a = r.first; a < r.end(); ++a)
                owned[size_t(a)] = true;
    for (int seed = 0; seed < 40; ++seed) {
        const ConfigImage image = generatedImage(seed);
        // Opening and saving twice gives what once gives; a byte no page owns is saved as 0.
        const ConfigImage saved = savedImage(image);
        ASSERT_TRUE(same(savedImage(saved), saved)) << "seed " << seed;
        for (int a = 0; a < mem::ImageSize; ++a) {
            if (!owned[size_t(a)]) {
                ASSERT_EQ(saved[a], 0) << "seed " << seed << " address " << a;
            }
        }
        const QJsonObject doc = exportDocument(image);
        const ConfigImage back = importDocument(doc);
        ASSERT_TRUE(same(back, savedImage(image))) << "seed " << seed;
        ASSERT_EQ(exportDocument(back), doc) << "seed " << seed;
    }
}

// Bytes of the records that no control edits, over generated images: carried from the file
// into the next save (an empty "fixed"), or always written as the fixed bytes given.
TEST(ConfigDocument, BytesNoControlEditsAreCarriedOrFixedOverGeneratedImages) {
    const struct {
        const char* what;
        int first, size;
        QByteArray fixed;
    } bytes[] = {
        {"AppConfig offset 28", 84, 1, {}},
        {"MAC", 85, 6, {}},
        {"SnmpComm offsets 54..57", 211, 4, {}},
        {"EthConfig offset 0", 215, 1, QByteArray("\x02", 1)},
        {"EthConfig offsets 83..86", 298, 4, QByteArray("\0\0\0\x2c", 4)},
        {"modes reserved 427", 427, 1, QByteArray(1, '\0')},
        {"modes reserved 434..436", 434, 3, QByteArray(3, '\0')},
        {"input description slots 5..7", 5100, 60, QByteArray(60, '\0')},
        {"output description slots 10..15", 5360, 120, QByteArray(120, '\0')},
    };
    for (int seed = 0; seed < 24; ++seed) {
        const ConfigImage image = generatedImage(seed);
        const ConfigImage saved = savedImage(image);
        for (const auto& b : bytes)
            for (int i = 0; i < b.size; ++i)
                ASSERT_EQ(saved[b.first + i],
                          b.fixed.isEmpty() ? image[b.first + i] : std::uint8_t(b.fixed[i]))
                    << b.what << ", seed " << seed << ", address " << b.first + i;
    }
}

// Documents written before the keys, with the Czech captions as keys, import for ever to
// the image they were exported from; exporting that again gives the keyed form.
TEST(ConfigDocument, DocumentsOfTheFirstFormImportUnchanged) {
    for (const char* name : {"v1-sim", "v1-edited"}) {
        const QString base = QStringLiteral(QUEL5_TEST_DATA "/documents/") + QLatin1String(name);
        QFile json(base + QStringLiteral(".json"));
        QFile ql5(base + QStringLiteral(".ql5"));
        ASSERT_TRUE(json.open(QIODevice::ReadOnly) && ql5.open(QIODevice::ReadOnly)) << name;
        const ConfigImage image = importDocument(parseDocument(json.readAll()));
        const QByteArray expected = ql5.readAll();
        ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()), mem::ImageSize), expected)
            << name;
        const QJsonObject keyed = exportDocument(image);
        EXPECT_EQ(keyed[QStringLiteral("_format")].toInt(), 2);
        EXPECT_TRUE(same(importDocument(keyed), image)) << name;
    }
}

TEST(ConfigDocument, AnEditedDocumentChangesWhatWasEdited) {
    const ConfigImage start = savedImage(simImage());
    const struct {
        QStringList path;
        QJsonValue value;
        const char* line;
    } edits[] = {
        {{"network", "LMDIP"}, "10.1.2.203", "Ethernet / IP adresa: 127.0.0.1 → 10.1.2.203"},
        {{"outputs", "outn01"}, true, "Výstupy / X14 / Negace: ne → ano"},
        {{"outputs", "outvr01"}, "3", "Výstupy / X14 / Virt. relé: 1 → 3"},
        {{"network", "udpport"}, 30400, "Ethernet / UDP port: 30305 → 30400"},
        {{"analog", "avhs"}, 2.5, "Výstup 0-10V / Hystereze setpointu: 0.0 → 2.5"},
        {{"modes", "profile1-hours"}, "5, 8-19", "Režim / Profil 1 / Hodiny: 8-19 → 5, 8-19"},
        {{"modes", "profile1-days"},
         "so",
         "Režim / Profil 1 / Dny: So, Ne → So\nRežim / Dny bez profilu: (nezobrazeno) → Ne"},
        {{"relays", "r3-expression"}, "V1 & T2", "Virtuální relé / R3 / Výraz:  → V1 & T2"},
        {{"inputs", "inpop0"}, "Okno", "Vstupy / X8 / Popis: Vstup 1 → Okno"},
    };
    // A day moves from one profile to the other with both lists changed.
    QJsonObject moved = edited(exportDocument(start), {"modes", "profile0-days"}, "po, ut, st, ct");
    moved = edited(moved, {"modes", "profile1-days"}, "pa, so, ne");
    EXPECT_EQ(diffImages(start, importDocument(moved)).size(), 2u);
    for (const auto& e : edits) {
        const ConfigImage after = importDocument(edited(exportDocument(start), e.path, e.value));
        QStringList lines;
        for (const FieldChange& change : diffImages(start, after))
            lines << changeLine(change);
        EXPECT_EQ(lines.join('\n'), QString::fromUtf8(e.line));
    }
}

TEST(ConfigDocument, ADocumentThePagesCannotTakeIsRefusedNamingIt) {
    const QJsonObject doc = exportDocument(simImage());
    const struct {
        QStringList path;
        QJsonValue value;
        const char* named;
    } refused[] = {
        {{"outputs", "outn99"}, true, "Neznámé pole „outn99“"},
        {{"outputs", "outn01"}, "ano", "X14 / Negace“: čeká se true nebo false"},
        {{"outputs", "outvr01"}, "40", "jedna z položek „1“, „2“"},
        {{"network", "udpport"}, 0, "UDP port“: 0 je mimo rozsah 1 až 65535"},
        {{"network", "udpport"}, 2.5, "celé číslo"},
        {{"network", "LMDIP"}, "10.1.2", "není IP adresa"},
        {{"network", "LMAC"}, "00-11-22-33-44-55", "MAC“: pole se jen zobrazuje"},
        {{"inputs", "inpop0"}, QString(40, QLatin1Char('a')), "X8 / Popis“: text je delší"},
        {{"modes", "profile1-hours"}, "8-25", "Profil 1 / Hodiny"},
        {{"modes", "profile1-days"}, "so, nedele", "čekají se dny jako „Po, Út“"},
        {{"modes", "profile1-days"}, "pa, so, ne", "Profil 1 / Dny“: den Pá je i v profilu 0"},
        {{"relays", "r3-expression"}, "V1 & ?", "Virtuální relé / R3: Chyba v zadání"},
        {{"relays", "r3-expression"}, QJsonArray{1}, "r3-expression“: čeká se jedna hodnota"},
        {{"boiler", "X"}, 1, "Neznámá stránka „boiler“"},
        {{"rest-bytes", "7999"}, "0000", "rest-bytes / 7999"},
        {{"_format", "x"}, 3, "formě"},
    };
    for (const auto& r : refused) {
        try {
            importDocument(edited(doc, r.path, r.value));
            ADD_FAILURE() << "taken: " << qPrintable(r.path.join('/'));
        } catch (const OperationError& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(r.named))) << qPrintable(e.text());
        }
    }
    // A run that ends at the image's last byte is taken.
    EXPECT_NO_THROW(importDocument(edited(doc, {"rest-bytes", "7998"}, "0102")));
}

} // namespace

namespace {

// A "Mod 1" that follows "Mod 0" is written as null, and a script that edits only
// "Mod 0" moves both, as the window does; a "Mod 1" of its own stays a number.
TEST(ConfigDocument, AFollowingMod1IsNullAndFollowsAnEdit) {
    ConfigImage image = simImage();
    image[1004] = 1; // T1 type 1, both modes 20.0 / 22.5
    image.setU16(1004 + 4, 200);
    image.setU16(1004 + 6, 200);
    image.setU16(1004 + 8, 225);
    image.setU16(1004 + 10, 225);
    const QJsonObject doc = exportDocument(image);
    const QJsonObject t1 = doc[QStringLiteral("thermostats")].toObject();
    EXPECT_TRUE(t1[QStringLiteral("trtl100")].isNull());
    EXPECT_TRUE(t1[QStringLiteral("trth100")].isNull());
    EXPECT_EQ(t1[QStringLiteral("trtl000")].toDouble(), 20.0);
    const ConfigImage moved = importDocument(edited(doc, {"thermostats", "trtl000"}, 18.5));
    EXPECT_EQ(moved.u16(1004 + 4), 185);
    EXPECT_EQ(moved.u16(1004 + 6), 185);
    // A number of its own stays its own.
    const ConfigImage own = importDocument(edited(doc, {"thermostats", "trtl100"}, 17.0));
    EXPECT_EQ(own.u16(1004 + 4), 200);
    EXPECT_EQ(own.u16(1004 + 6), 170);
}

} // namespace
