#include "PageSuite.h"
#include "TestSupport.h"
#include "base/Errors.h"
#include "editors/AnalogPage.h"
#include "editors/InputsPage.h"
#include "editors/ModesPage.h"
#include "editors/NetworkPage.h"
#include "editors/OutputsPage.h"
#include "editors/ThermometersPage.h"
#include "logic/RelayPage.h"
#include "logic/ThermostatPage.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

namespace {

bool inRegions(PageSlot slot, int address) {
    for (const mem::Region& r : pageInfo(slot).regions)
        if (address >= r.first && address < r.end())
            return true;
    return false;
}

struct NetworkTraits {
    static constexpr PageSlot slot = PageSlot::Network;
    static std::unique_ptr<Page> make() { return std::make_unique<NetworkPage>(); }
    static ConfigImage initial() {
        ConfigImage image;
        const std::uint8_t app[] = {193, 168, 1, 103, 255, 255, 255, 0, 192, 168, 1, 1};
        image.copyIn(56, 12, app);
        image.copyIn(76, 8, app); // the second copies of IP and mask
        putText(image, 91, "Quel5");
        image[215] = 2;
        image.setU16(215 + 47, 30305);
        image.setU16(215 + 49, 9760);
        image.setU16(215 + 51, 9761);
        image[215 + 86] = 44;
        image.setU16(215 + 87, 1000);
        image.setU16(215 + 91, 162);
        image.setU16(215 + 93, 162);
        image.setU16(215 + 95, 961);
        return image;
    }
    static ConfigImage patterned() {
        ConfigImage image = patternImage();
        image[95] = 0;  // "@M.." then the tail of BiosName
        image[111] = 0; // and of Popis
        return image;
    }
    static std::vector<mem::Region> carried() { return {{84, 7}, {96, 11}, {112, 45}, {211, 4}}; }
    static constexpr bool canRefuse = true;
    static void refuse(Page& page, const ConfigImage&) {
        static_cast<NetworkPage&>(page).setValue(QStringLiteral("LMDmaska"),
                                                 QStringLiteral("255.255.0"));
    }
};

struct RelayTraits {
    static constexpr PageSlot slot = PageSlot::Relays;
    static std::unique_ptr<Page> make() { return std::make_unique<RelayPage>(); }
    static ConfigImage initial() {
        ConfigImage image;
        for (int n = 0; n < 16; ++n)
            image.setU16(mem::RelayIndex + 4 * n + 2, 1602);
        return image;
    }
    static ConfigImage patterned() {
        ConfigImage image = patternImage();
        image.setU16(mem::RelayCodeLength, 120);
        for (int n = 0; n < 32; ++n)
            image[mem::RelayIndex + 4 * n + 1] = std::uint8_t(n < 16 ? n % 5 : 3);
        return image;
    }
    static std::vector<mem::Region> carried() {
        std::vector<mem::Region> bytes;
        for (int n = 0; n < 32; ++n)
            bytes.push_back({mem::RelayIndex + 4 * n, 1}); // byte 0 of every entry
        bytes.push_back({mem::RelayIndex + 64, 64});       // entries 17-32
        return bytes;
    }
    static constexpr bool canRefuse = true;
    // Sixteen programs of 255 bytes do not fit before the descriptions.
    static void refuse(Page& page, const ConfigImage&) {
        QString longest = QStringLiteral("V1");
        for (int i = 0; i < 127; ++i)
            longest += QStringLiteral("&V1");
        for (int n = 0; n < 16; ++n)
            static_cast<RelayPage&>(page).rows[size_t(n)].text = longest;
    }
};

// The pages whose every record byte belongs to a control, and which cannot refuse a gather.
template <typename Model, PageSlot Slot> struct PlainTraits {
    static constexpr PageSlot slot = Slot;
    static constexpr bool canRefuse = false;
    static std::unique_ptr<Page> make() { return std::make_unique<Model>(); }
    static ConfigImage patterned() { return patternImage(); }
    static std::vector<mem::Region> carried() { return {}; }
    static void refuse(Page&, const ConfigImage&) {}
};

struct InputsTraits : PlainTraits<InputsPage, PageSlot::Inputs> {
    static ConfigImage initial() { return {}; }
};

struct OutputsTraits : PlainTraits<OutputsPage, PageSlot::Outputs> {
    static ConfigImage initial() {
        ConfigImage image;
        for (int k = 0; k < 10; ++k)
            image[378 + k] = 0x10; // "OFF"
        return image;
    }
    // Offsets 18..23 travel in the record copy.
    static std::vector<mem::Region> carried() { return {{388, 6}}; }
};

struct AnalogTraits : PlainTraits<AnalogPage, PageSlot::Analog> {
    static ConfigImage initial() {
        ConfigImage image;
        image.setU16(397, 1023); // MAX PWM
        image[399] = 255;        // PR2
        image[400] = 1;          // prescaler "4"
        for (int n = 0; n < 4; ++n)
            image[401 + 6 * n] = 17; // thermostat "OFF"
        return image;
    }
};

struct ThermometersTraits : PlainTraits<ThermometersPage, PageSlot::Thermometers> {
    static ConfigImage initial() {
        ConfigImage image;
        const std::uint8_t fresh[20] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                        0, 5, 5, 5, 5, 5, 0, 0, 0, 10};
        image.copyIn(437, 20, fresh);
        return image;
    }
};

// Every day on profile 0 until a scatter says otherwise.
struct ModesTraits : PlainTraits<ModesPage, PageSlot::Modes> {
    static ConfigImage initial() {
        ConfigImage image;
        image[425] = 0x7F;
        return image;
    }
};

// Rows 17-32, their descriptions and the 80 bytes after the records travel unchanged.
struct ThermostatsTraits : PlainTraits<ThermostatPage, PageSlot::Thermostats> {
    static ConfigImage initial() { return {}; }
    static ConfigImage patterned() {
        ConfigImage image = patternImage();
        for (int k = 0; k < 32; ++k)
            image[1004 + 12 * k] = std::uint8_t(k % 6);
        return image;
    }
    static std::vector<mem::Region> carried() { return {{1196, 272}, {5980, 320}}; }
};

template <typename T> struct PageSuite : ::testing::Test {};
using Pages = ::testing::Types<NetworkTraits, InputsTraits, OutputsTraits, AnalogTraits,
                               ThermometersTraits, ThermostatsTraits, ModesTraits, RelayTraits>;
TYPED_TEST_SUITE(PageSuite, Pages);

TYPED_TEST(PageSuite, FreshGatherWritesThePagesInitialBytes) {
    auto page = TypeParam::make();
    ConfigImage image;
    page->gather(image);
    const ConfigImage expected = TypeParam::initial();
    for (int a = 0; a < mem::ImageSize; ++a)
        ASSERT_EQ(image[a], expected[a]) << "address " << a;
}

TYPED_TEST(PageSuite, BytesNoControlEditsSurviveScatterAndGather) {
    auto page = TypeParam::make();
    const ConfigImage source = TypeParam::patterned();
    page->scatter(source);
    ConfigImage out;
    out.bytes().fill(0xEE);
    page->gather(out);
    for (const mem::Region& r : TypeParam::carried())
        for (int a = r.first; a < r.end(); ++a)
            ASSERT_EQ(out[a], source[a]) << "address " << a;
}

TYPED_TEST(PageSuite, ScatterGatherIsAFixedPoint) {
    auto page = TypeParam::make();
    page->scatter(TypeParam::patterned());
    ConfigImage first;
    page->gather(first);
    page->scatter(first);
    ConfigImage second;
    page->gather(second);
    EXPECT_EQ(first.bytes(), second.bytes());
}

TYPED_TEST(PageSuite, GatherWritesOnlyInsideThePagesRegions) {
    auto page = TypeParam::make();
    page->scatter(TypeParam::patterned());
    ConfigImage image;
    image.bytes().fill(0xA5);
    page->gather(image);
    for (int a = 0; a < mem::ImageSize; ++a) {
        if (!inRegions(TypeParam::slot, a)) {
            ASSERT_EQ(image[a], 0xA5) << "address " << a;
        }
    }
}

TYPED_TEST(PageSuite, RefusedGatherLeavesTheImageUntouched) {
    if (!TypeParam::canRefuse)
        GTEST_SKIP() << "every value of this page can be stored";
    auto page = TypeParam::make();
    ConfigImage source = TypeParam::patterned();
    page->scatter(source);
    TypeParam::refuse(*page, source);
    ConfigImage image;
    image.bytes().fill(0x5A);
    EXPECT_THROW(page->gather(image), GatherError);
    for (int a = 0; a < mem::ImageSize; ++a)
        ASSERT_EQ(image[a], 0x5A) << "address " << a;
}

TYPED_TEST(PageSuite, TheWorkspacesPageIsTheRegistrysModel) {
    FixedTarget target;
    RecordingFeedback feedback;
    DeviceLink link(target, feedback);
    Workspace workspace(link);
    EXPECT_EQ(typeid(workspace.page(TypeParam::slot)), typeid(*TypeParam::make()));
}

} // namespace
