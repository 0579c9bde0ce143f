#include <gtest/gtest.h>

#include <vector>

#include "ocr/Geometry.h"

using tarnveil::Rect;
using tarnveil::Size;
namespace Geometry = tarnveil::Geometry;

TEST(Geometry, ConvertsBetweenNormalisedAndPixelSpace)
{
    const Size image{200, 100};
    EXPECT_EQ(Geometry::pixelRect(Rect{0, 0, 1, 1}, image), (Rect{0, 0, 200, 100}));
    // The top of the box lies at 1 - 0.75 of the height.
    EXPECT_EQ(Geometry::pixelRect(Rect{0.25, 0.5, 0.5, 0.25}, image), (Rect{50, 25, 100, 25}));
    EXPECT_EQ(Geometry::normalizedRect(Rect{50, 25, 100, 25}, image), (Rect{0.25, 0.5, 0.5, 0.25}));
    // A negative size is read as the standardised rectangle.
    EXPECT_EQ(Geometry::pixelRect(Rect{0.75, 0.75, -0.5, -0.25}, image), (Rect{50, 25, 100, 25}));
}

TEST(Geometry, NormalizedRectOfAnImageWithoutAreaIsZero)
{
    for (const Size image : {Size{0, 100}, Size{100, 0}, Size{-5, 100}, Size{100, -1}}) {
        EXPECT_EQ(Geometry::normalizedRect(Rect{10, 10, 20, 20}, image), Rect{});
    }
}

TEST(Geometry, PaddingGrowsThenRoundsOutward)
{
    EXPECT_EQ(Geometry::padded(Rect{10.2, 5.7, 3.0, 2.0}, 0), (Rect{10, 5, 4, 3}));
    EXPECT_EQ(Geometry::padded(Rect{100.4, 50.2, 80.0, 12.0}, 3), (Rect{97, 47, 87, 19}));
    EXPECT_EQ(Geometry::outwardRounded(Rect{-0.5, -1.5, 1, 1}), (Rect{-1, -2, 2, 2}));
    EXPECT_EQ(Geometry::outwardRounded(Rect{4, 5, 6, 7}), (Rect{4, 5, 6, 7}));
}

TEST(Geometry, FlipsVertically)
{
    EXPECT_EQ(Geometry::flippedVertically(Rect{10, 20, 30, 40}, 100), (Rect{10, 40, 30, 40}));
}

TEST(Geometry, IntersectionOverUnion)
{
    const Rect box{0, 0, 10, 10};
    EXPECT_DOUBLE_EQ(Geometry::iou(box, box), 1);
    EXPECT_DOUBLE_EQ(Geometry::iou(box, Rect{5, 0, 10, 10}), 50.0 / 150.0);
    EXPECT_EQ(Geometry::iou(box, Rect{20, 20, 5, 5}), 0);   // apart
    EXPECT_EQ(Geometry::iou(box, Rect{10, 0, 10, 10}), 0);  // sharing an edge
    EXPECT_EQ(Geometry::iou(box, Rect{2, 2, 0, 5}), 0);     // no width
    EXPECT_EQ(Geometry::iou(Rect{}, Rect{}), 0);

    EXPECT_DOUBLE_EQ(Geometry::horizontalIoU(box, Rect{5, 50, 10, 1}), 5.0 / 15.0);
    EXPECT_EQ(Geometry::horizontalIoU(box, Rect{10, 0, 5, 5}), 0);
}

TEST(Geometry, SameBaselineNeedsEnoughOfTheShorterHeight)
{
    const Rect line{0, 0, 50, 10};
    EXPECT_TRUE(Geometry::sameBaseline(line, Rect{60, 5, 10, 10}, 0.5));   // half of 10
    EXPECT_FALSE(Geometry::sameBaseline(line, Rect{60, 6, 10, 10}, 0.5));  // 4 of 10
    EXPECT_TRUE(Geometry::sameBaseline(line, Rect{60, 8, 10, 4}, 0.5));    // 2 of the shorter 4
    EXPECT_FALSE(Geometry::sameBaseline(line, Rect{60, 10, 10, 10}, 0.5)); // touching only
    EXPECT_FALSE(Geometry::sameBaseline(line, Rect{60, 5, 10, 0}, 0.5));   // no height
}

TEST(Geometry, MergesBoxesOnOneLineWithinTheGap)
{
    // Gaps of 4 and 5 between three boxes of one line.
    const std::vector<Rect> boxes{{0, 0, 10, 10}, {14, 0, 10, 10}, {29, 0, 10, 10}};
    EXPECT_EQ(Geometry::merged(boxes, 5), (std::vector<Rect>{{0, 0, 39, 10}}));
    EXPECT_EQ(Geometry::merged(boxes, 4.5), (std::vector<Rect>{{0, 0, 24, 10}, {29, 0, 10, 10}}));
}

TEST(Geometry, MergeKeepsEarliestPositionsAndNeverJoinsStackedLines)
{
    // One box above another, close but without vertical overlap: the gap rule does not apply.
    const std::vector<Rect> stacked{{0, 0, 10, 10}, {0, 11, 10, 10}};
    EXPECT_EQ(Geometry::merged(stacked, 100), stacked);

    // The third box overlaps the first: the union takes the first one's place, and the
    // second, far away on another line, keeps its own.
    const std::vector<Rect> boxes{{0, 0, 10, 10}, {500, 500, 10, 10}, {5, 5, 10, 10}};
    EXPECT_EQ(Geometry::merged(boxes, 0), (std::vector<Rect>{{0, 0, 15, 15}, {500, 500, 10, 10}}));

    // A union can bring in a box that neither member reached alone.
    const std::vector<Rect> chain{{0, 0, 10, 10}, {30, 0, 10, 10}, {8, 0, 25, 10}};
    EXPECT_EQ(Geometry::merged(chain, 0), (std::vector<Rect>{{0, 0, 40, 10}}));

    EXPECT_TRUE(Geometry::merged({}, 3).empty());
    EXPECT_EQ(Geometry::merged({Rect{1, 2, 3, 4}}, 3), (std::vector<Rect>{{1, 2, 3, 4}}));
}
