#include <gtest/gtest.h>

#include "planning/ScanStatus.h"

using namespace tarnveil;

namespace {

RedactionRegion region(std::optional<DetectionCategory> category)
{
    return RedactionRegion(RegionID::generate(), Rect{0, 0, 1, 1}, RedactionStyle::defaultStyle, std::nullopt,
                           category);
}

} // namespace

TEST(ScanStatus, CountsRegionsAndAppendsTheKeySuffixOnce)
{
    const std::string suffix = " · Private key: review the full block, including clipped lines.";
    const struct {
        std::vector<RedactionRegion> regions;
        std::string expected;
    } cases[] = {
        {{}, "No detections — review manually before exporting"},
        {{region(DetectionCategory::email)}, "1 detection · Client Demo"},
        {{region(DetectionCategory::email), region(std::nullopt)}, "2 detections · Client Demo"},
        {{region(DetectionCategory::privateKey), region(DetectionCategory::privateKey),
          region(DetectionCategory::jwt)},
         "3 detections · Client Demo" + suffix},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanStatus::afterScan(c.regions, "Client Demo"), c.expected);
    }
}
