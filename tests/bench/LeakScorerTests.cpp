#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "../../bench/leakbench/ImageScorer.h"
#include "../../bench/leakbench/InkMask.h"
#include "../../bench/leakbench/PixelRect.h"

using namespace tarnveil::leakbench;

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const InkMask& mask)
{
    Pixels pixels;
    mask.forEachPixel([&](int x, int y) { pixels.insert({x, y}); });
    return pixels;
}

/// A value or decoy whose ink fills the whole box.
TruthItem solidItem(int x, int y, int width, int height)
{
    TruthItem item;
    const std::vector<bool> bits(static_cast<std::size_t>(width * height), true);
    item.ink = InkMask::fromBits(x, y, width, height, bits);
    return item;
}

ScanRegion region(double x, double y, double width, double height, bool isProtected = false)
{
    return ScanRegion{x, y, width, height, {}, isProtected};
}

} // namespace

TEST(LeakInkMask, RunsRoundTripTheExactPixels)
{
    // 3 x 2 boxes at (10, 20), row-major bits.
    const struct {
        std::vector<bool> bits;
        std::vector<int> runs;
        Pixels pixels;
    } cases[] = {
        {{false, false, false, false, false, false}, {6}, {}},
        {{true, true, true, true, true, true}, {0, 6}, {{10, 20}, {11, 20}, {12, 20}, {10, 21}, {11, 21}, {12, 21}}},
        {{true, false, false, false, false, true}, {0, 1, 4, 1}, {{10, 20}, {12, 21}}},
        {{false, false, true, true, false, false}, {2, 2, 2}, {{12, 20}, {10, 21}}},
    };
    for (const auto& c : cases) {
        const InkMask mask = InkMask::fromBits(10, 20, 3, 2, c.bits);
        EXPECT_EQ(mask.runs, c.runs);
        EXPECT_EQ(mask.pixelCount(), c.pixels.size());
        EXPECT_EQ(pixelsOf(mask), c.pixels);

        std::string error;
        const auto decoded = InkMask::fromJson(mask.toJson(), error);
        ASSERT_TRUE(decoded) << error;
        EXPECT_EQ(pixelsOf(*decoded), c.pixels);
    }
}

TEST(LeakInkMask, RejectsRunsThatDoNotFillTheBox)
{
    const nlohmann::json cases[] = {
        {{"x", 0}, {"y", 0}, {"width", 3}, {"height", 2}, {"runs", {2, 2}}},     // 4 of 6 pixels
        {{"x", 0}, {"y", 0}, {"width", 3}, {"height", 2}, {"runs", {4, 2, 1}}},  // 7 of 6
        {{"x", 0}, {"y", 0}, {"width", 3}, {"height", 2}, {"runs", {8, -2}}},    // a negative run
        {{"x", 0}, {"y", 0}, {"width", 3}, {"runs", {6}}},                       // no height
        nlohmann::json::array(),
    };
    for (const auto& json : cases) {
        std::string error;
        EXPECT_FALSE(InkMask::fromJson(json, error)) << json.dump();
        EXPECT_FALSE(error.empty());
    }
}

TEST(LeakPixelRect, CoversThePixelsWhoseCentresLieInside)
{
    const struct {
        double x, y, width, height;
        PixelRect expected;
    } cases[] = {
        {2, 3, 4, 5, {2, 3, 6, 8}},
        {0.4, 0, 1.2, 1, {0, 0, 2, 1}},    // centres 0.5 and 1.5 lie in [0.4, 1.6)
        {0.6, 0, 0.8, 1, {1, 0, 1, 1}},    // no centre in [0.6, 1.4): empty
        {-5, -5, 7.5, 6, {-5, -5, 2, 1}},  // reaches off the image; clipping is the grid's job
        {3, 3, 0, 4, {}},
        {3, 3, -2, 4, {}},
    };
    for (const auto& c : cases) {
        const PixelRect rect = PixelRect::covering(c.x, c.y, c.width, c.height);
        if (c.expected.empty()) {
            EXPECT_TRUE(rect.empty()) << c.x << "," << c.y << " " << c.width << "x" << c.height;
            continue;
        }
        EXPECT_EQ(std::vector<int>({rect.left, rect.top, rect.right, rect.bottom}),
                  std::vector<int>({c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}));
    }
}

TEST(LeakImageScorer, RedactedFromNinetyNinePercentOfTheInk)
{
    ImageTruth truth;
    truth.width = 100;
    truth.height = 100;
    truth.values = {solidItem(10, 10, 10, 10)}; // 100 ink pixels
    const struct {
        std::vector<ScanRegion> regions;
        std::size_t covered;
        bool redacted;
    } cases[] = {
        {{region(7, 7, 16, 16)}, 100, true},
        {{region(10, 10, 10, 9.9)}, 100, true},                      // the last row's centres still lie inside
        {{region(10, 10, 10, 10), region(0, 0, 100, 100, true)}, 100, true},
        {{region(11, 10, 9, 10)}, 90, false},                        // the first column stays visible
        {{region(10, 10, 10, 5), region(10, 15, 10, 5)}, 100, true}, // two halves together
        {{region(10, 10, 10, 10, true)}, 0, false},                  // protected regions hide nothing
        {{}, 0, false},
    };
    for (const auto& c : cases) {
        const ImageScore score = ImageScorer::score(truth, c.regions);
        ASSERT_EQ(score.valueCoveredPixels.size(), 1u);
        EXPECT_EQ(score.valueCoveredPixels[0], c.covered);
        EXPECT_EQ(ImageScorer::isRedacted(score.valueCoveredPixels[0], 100), c.redacted);
    }
    EXPECT_TRUE(ImageScorer::isRedacted(99, 100));
    EXPECT_FALSE(ImageScorer::isRedacted(98, 100));
    EXPECT_FALSE(ImageScorer::isRedacted(0, 0));
    EXPECT_TRUE(ImageScorer::isDecoyCovered(50, 100));
    EXPECT_FALSE(ImageScorer::isDecoyCovered(49, 100));
}

TEST(LeakImageScorer, AFalsePositiveRegionTouchesNoPlantedInk)
{
    ImageTruth truth;
    truth.width = 100;
    truth.height = 100;
    // A value whose ink is a single pixel at (20, 20) inside a 3 x 3 box, and a decoy.
    truth.values = {TruthItem{}};
    const std::vector<bool> centreOnly{false, false, false, false, true, false, false, false, false};
    truth.values[0].ink = InkMask::fromBits(19, 19, 3, 3, centreOnly);
    truth.decoys = {solidItem(60, 60, 10, 10)};
    const struct {
        ScanRegion region;
        bool falsePositive;
    } cases[] = {
        {region(20, 20, 1, 1), false},
        {region(0, 0, 20.6, 20.6), false}, // reaches the ink pixel's centre
        {region(19, 19, 1, 3), true},      // inside the value's box but off its ink
        {region(60, 60, 10, 10), true},    // on the decoy
        {region(200, 200, 10, 10), true},  // outside the image
    };
    for (const auto& c : cases) {
        const ImageScore score = ImageScorer::score(truth, {c.region});
        EXPECT_EQ(score.regions, 1u);
        EXPECT_EQ(score.falsePositiveRegions, c.falsePositive ? 1u : 0u)
            << c.region.x << "," << c.region.y << " " << c.region.width << "x" << c.region.height;
    }
    const ImageScore onDecoy = ImageScorer::score(truth, {region(60, 60, 10, 5)});
    EXPECT_EQ(onDecoy.decoyCoveredPixels, std::vector<std::size_t>{50});
}
