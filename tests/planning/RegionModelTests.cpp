#include <gtest/gtest.h>

#include <set>

#include "planning/FillColor.h"
#include "planning/RedactionRegion.h"
#include "planning/RedactionStyle.h"
#include "planning/RegionID.h"

using namespace tarnveil;

TEST(FillColor, IdentifiersAreExactAndOrdered)
{
    EXPECT_EQ(allFillColors(), (std::array{FillColor::black, FillColor::white, FillColor::grey}));
    for (const FillColor fill : allFillColors()) {
        EXPECT_EQ(fillColorFromIdentifier(identifier(fill)), fill);
    }
    EXPECT_EQ(fillColorFromIdentifier("grey"), FillColor::grey);
    for (const char* text : {"gray", "Black", "WHITE", "", " grey"}) {
        EXPECT_EQ(fillColorFromIdentifier(text), std::nullopt) << text;
    }
}

TEST(FillColor, LabelsContrastWithTheirFill)
{
    const RGBColor black{0, 0, 0, 1};
    const RGBColor white{1, 1, 1, 1};
    EXPECT_EQ(color(FillColor::black), black);
    EXPECT_EQ(color(FillColor::white), white);
    EXPECT_EQ(color(FillColor::grey), (RGBColor{0.5, 0.5, 0.5, 1}));
    EXPECT_EQ(labelColor(FillColor::white), black);
    EXPECT_EQ(labelColor(FillColor::black), white);
    EXPECT_EQ(labelColor(FillColor::grey), white);
}

TEST(RedactionStyle, OnlyFillsAreSafeForSecrets)
{
    struct Case {
        RedactionStyle style;
        bool reversible;
    };
    for (const auto& c : {Case{RedactionStyle::solid(FillColor::grey), false},
                          Case{RedactionStyle::labeled(FillColor::white), false}, Case{RedactionStyle::blur(), true},
                          Case{RedactionStyle::pixelate(), true}}) {
        EXPECT_EQ(c.style.isReversible(), c.reversible) << RedactionStyle::identifier(c.style.kind());
        EXPECT_EQ(c.style.isSafeForSecrets(), !c.reversible);
    }
    EXPECT_EQ(RedactionStyle::defaultStyle, RedactionStyle::solid(FillColor::black));
    EXPECT_TRUE(RedactionStyle::defaultStyle.isSafeForSecrets());
    EXPECT_EQ(RedactionStyle::blurRadius, 20);
    EXPECT_EQ(RedactionStyle::pixelateCell, 12);
}

TEST(RedactionStyle, EqualityComparesCaseAndFill)
{
    EXPECT_NE(RedactionStyle::solid(FillColor::black), RedactionStyle::labeled(FillColor::black));
    EXPECT_NE(RedactionStyle::solid(FillColor::black), RedactionStyle::solid(FillColor::white));
    EXPECT_EQ(RedactionStyle::blur(), RedactionStyle::blur());
    EXPECT_NE(RedactionStyle::blur(), RedactionStyle::pixelate());
    EXPECT_EQ(RedactionStyle::labeled(FillColor::grey).fill(), FillColor::grey);
    EXPECT_EQ(RedactionStyle::pixelate().fill(), std::nullopt);
    EXPECT_EQ(RedactionStyle::kindFromIdentifier("pixelate"), RedactionStyle::Kind::pixelate);
    EXPECT_EQ(RedactionStyle::kindFromIdentifier("Blur"), std::nullopt);
}

TEST(RegionID, GeneratesDistinctVersion4Identifiers)
{
    std::set<RegionID> ids;
    for (int i = 0; i < 1000; ++i) {
        const RegionID id = RegionID::generate();
        EXPECT_EQ(id.bytes()[6] >> 4, 4);           // version
        EXPECT_EQ(id.bytes()[8] & 0xC0, 0x80);      // variant
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 1000u);
}

TEST(RegionID, TextFormIsLowercase8_4_4_4_12)
{
    const std::array<std::uint8_t, 16> bytes{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                                             0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10};
    const RegionID id(bytes);
    EXPECT_EQ(id.toString(), "01234567-89ab-cdef-fedc-ba9876543210");
    EXPECT_EQ(RegionID::fromString("01234567-89AB-cdef-fedc-ba9876543210"), id);
    const RegionID random = RegionID::generate();
    EXPECT_EQ(RegionID::fromString(random.toString()), random);
    for (const char* text : {"", "01234567-89ab-cdef-fedc-ba987654321", "0123456789ab-cdef-fedc-ba9876543210-",
                             "01234567-89ab-cdef-fedc-ba987654321g", "01234567089ab-cdef-fedc-ba9876543210"}) {
        EXPECT_EQ(RegionID::fromString(text), std::nullopt) << text;
    }
    EXPECT_EQ(RegionID().toString(), "00000000-0000-0000-0000-000000000000");
}

TEST(RedactionRegion, EqualityCoversEveryField)
{
    const RedactionRegion base(RegionID::generate(), Rect{1, 2, 3, 4}, RedactionStyle::labeled(FillColor::black),
                               "[EMAIL-1]", DetectionCategory::email, Severity::identifier, "a@b.io", false);
    EXPECT_EQ(base, base);

    std::vector<RedactionRegion> variants(7, base);
    variants[0].id = RegionID::generate();
    variants[1].rect.height = 4.5;
    variants[2].style = RedactionStyle::solid(FillColor::black);
    variants[3].label.reset();
    variants[4].category = DetectionCategory::hostname;
    variants[5].value = "a@b.io ";
    variants[6].isProtected = true;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        EXPECT_NE(variants[i], base) << "variant " << i;
    }
    RedactionRegion severity = base;
    severity.severity.reset();
    EXPECT_NE(severity, base);
}

TEST(RedactionRegion, HandDrawnRegionsCarryNoDetection)
{
    const RedactionRegion drawn(RegionID::generate(), Rect{0, 0, 10, 10}, RedactionStyle::defaultStyle);
    EXPECT_FALSE(drawn.label || drawn.category || drawn.severity || drawn.value);
    EXPECT_FALSE(drawn.isProtected);
}
