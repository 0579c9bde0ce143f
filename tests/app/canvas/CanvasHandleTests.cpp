// The handle hit test on its own: which handle wins when several are within reach.

#include <gtest/gtest.h>

#include <optional>

#include "canvas/CanvasHandle.h"

namespace tarnveil {
namespace {

struct HitCase {
    const char* name;
    QRectF rect;
    QPointF point;
    std::optional<CanvasHandle> handle;
};

class CanvasHandleHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(CanvasHandleHitTest, TheLowestHandleOnScreenWinsWithinEightPixelsOnBothAxes)
{
    const HitCase& c = GetParam();
    EXPECT_EQ(hitHandle(c.rect, c.point), c.handle);
}

// Y grows downwards: the bottom edge is at rect.bottom().
INSTANTIATE_TEST_SUITE_P(
    CanvasHandleHits, CanvasHandleHitTest,
    ::testing::Values(
        HitCase{"TinyRegionCentreTakesBottomLeft", QRectF(100, 100, 6, 6), QPointF(103, 103), CanvasHandle::bl},
        HitCase{"TinyRegionTopRightOnlyNearTopRight", QRectF(100, 100, 6, 6), QPointF(113, 93), CanvasHandle::tr},
        HitCase{"FlatRegionPrefersBottomRow", QRectF(100, 100, 100, 10), QPointF(150, 103), CanvasHandle::b},
        HitCase{"NarrowRegionPrefersLeftOverRight", QRectF(100, 100, 10, 100), QPointF(105, 150), CanvasHandle::l},
        HitCase{"ReachIsInclusive", QRectF(100, 100, 100, 60), QPointF(92, 92), CanvasHandle::tl},
        HitCase{"JustOutOfReach", QRectF(100, 100, 100, 60), QPointF(91.5, 100), std::nullopt},
        HitCase{"InsideFarFromHandles", QRectF(100, 100, 100, 60), QPointF(130, 120), std::nullopt},
        HitCase{"RightEdgeMidpoint", QRectF(100, 100, 100, 60), QPointF(205, 127), CanvasHandle::r}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tarnveil
