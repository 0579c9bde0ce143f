#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "planning/RegionListJson.h"

using namespace tarnveil;

TEST(RegionListJsonTest, DecodesWhatEncodeWrites)
{
    const std::vector<RedactionRegion> regions{
        RedactionRegion(RegionID::generate(), Rect{10.5, 20.25, 30, 5.5}, RedactionStyle::labeled(FillColor::grey),
                        "[EMAIL-1]", DetectionCategory::email, Severity::identifier, "a@b.io"),
        RedactionRegion(RegionID::generate(), Rect{0, 0, 100, 40}, RedactionStyle::blur()),
        RedactionRegion(RegionID::generate(), Rect{5, 5, 10, 10}, RedactionStyle::pixelate(), std::nullopt,
                        std::nullopt, std::nullopt, std::nullopt, true),
        RedactionRegion(RegionID::generate(), Rect{1, 2, 3, 4}, RedactionStyle::solid(FillColor::white)),
    };
    const auto text = RegionListJson::encode(regions, "pentest-report", "4 detections").dump();
    const auto decoded = RegionListJson::decode(text);
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    EXPECT_EQ(*decoded, regions);
}

TEST(RegionListJsonTest, MissingIdGetsAFreshOneAndOptionalFieldsMayBeLeftOut)
{
    const auto decoded = RegionListJson::decode(R"({"regions": [
        {"rect": {"x": 1, "y": 2, "width": 3, "height": 4}, "style": {"kind": "solid", "fill": "black"}},
        {"rect": {"x": 1, "y": 2, "width": 3, "height": 4}, "style": {"kind": "blur"}, "label": null}]})");
    ASSERT_TRUE(decoded.ok()) << decoded.error();
    ASSERT_EQ(decoded->size(), 2u);
    EXPECT_NE((*decoded)[0].id, RegionID());
    EXPECT_NE((*decoded)[0].id, (*decoded)[1].id);
    EXPECT_FALSE((*decoded)[0].isProtected);
    EXPECT_FALSE((*decoded)[1].label.has_value());
}

TEST(RegionListJsonTest, MalformedInputNamesTheValueAtFault)
{
    const std::string rect = R"("rect": {"x": 1, "y": 2, "width": 3, "height": 4})";
    struct Case {
        std::string json;
        std::string message;
    };
    const std::vector<Case> cases{
        {"{", "invalid JSON"},
        {"[]", "must be an object"},
        {R"({"profile": "x"})", "missing key \"regions\""},
        {R"({"regions": {}})", "regions must be an array"},
        {R"({"regions": [7]})", "regions[0] must be an object"},
        {R"({"regions": [{"style": {"kind": "blur"}}]})", "missing key \"rect\" in regions[0]"},
        {R"({"regions": [{"rect": {"x": "1", "y": 2, "width": 3, "height": 4}, "style": {"kind": "blur"}}]})",
         "regions[0].rect.x must be a number"},
        {R"({"regions": [{"rect": {"x": 1e300, "y": 2, "width": 3, "height": 4}, "style": {"kind": "blur"}}]})",
         "regions[0].rect.x is out of range"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "smudge"}}]})", "regions[0].style.kind must be"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "solid"}}]})", "missing key \"fill\" in regions[0].style"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "solid", "fill": "gray"}}]})",
         "regions[0].style.fill must be"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "blur"}, "id": "nope"}]})", "regions[0].id must be a UUID"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "blur"}, "protected": "yes"}]})",
         "regions[0].protected must be true or false"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "blur"}, "category": "shoeSize"}]})",
         "regions[0].category is not a detection category"},
        {"{\"regions\": [{" + rect + R"(, "style": {"kind": "blur"}, "label": ")" +
             std::string(RegionListJson::maxLabelBytes + 1, 'x') + "\"}]}",
         "regions[0].label is longer than"},
    };
    for (const auto& [json, message] : cases) {
        const auto decoded = RegionListJson::decode(json);
        ASSERT_FALSE(decoded.ok()) << json;
        EXPECT_NE(decoded.error().find(message), std::string::npos) << decoded.error();
        EXPECT_EQ(decoded.error().find('\n'), std::string::npos) << decoded.error();
    }
}
