// Pointer gestures on the canvas: drawing new regions (plain and protected), selecting,
// moving, resizing by each handle, and what a click does without an image.

#include <gtest/gtest.h>

#include <QTest>

#include "CanvasTestFixture.h"

namespace tarnveil::test {
namespace {

class CanvasGestureTest : public CanvasTestFixture {
protected:
    CanvasGestureTest() { loadBlank(); }

    static Rect imageBounds() { return Rect{0, 0, 300, 200}; }

    static Rect intersection(const Rect& a, const Rect& b)
    {
        const double left = std::max(a.minX(), b.minX());
        const double top = std::max(a.minY(), b.minY());
        const double right = std::min(a.maxX(), b.maxX());
        const double bottom = std::min(a.maxY(), b.maxY());
        return Rect{left, top, std::max(right - left, 0.0), std::max(bottom - top, 0.0)};
    }
};

struct DrawCase {
    const char* name;
    double zoom;
    QPointF startImage;
    QPoint drag; ///< view pixels, may point up or left
    std::optional<Rect> added;
};

class CanvasDrawTest : public CanvasGestureTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(CanvasDrawTest, DrawsARegionOnlyWhenBothSidesExceedFourViewPixels)
{
    const DrawCase& c = GetParam();
    zoomTo(c.zoom);
    const std::size_t undoSteps = model->undoStack().size();
    const QPoint start = at(c.startImage);
    drag(start, start + c.drag);

    EXPECT_EQ(view().mode(), CanvasMode::idle());
    EXPECT_FALSE(view().draftRect().has_value());
    if (!c.added) {
        EXPECT_TRUE(model->regions().empty());
        EXPECT_EQ(model->undoStack().size(), undoSteps);
        return;
    }
    ASSERT_EQ(model->regions().size(), 1u);
    const RedactionRegion& region = model->regions().front();
    EXPECT_EQ(region.rect, *c.added);
    EXPECT_FALSE(region.isProtected);
    EXPECT_EQ(region.style, model->activeProfile().style.redactionStyle());
    EXPECT_FALSE(region.severity || region.category || region.label || region.value);
    EXPECT_EQ(model->selection(), std::set<RegionID>{region.id});
    EXPECT_EQ(model->undoStack().size(), undoSteps + 1);
}

INSTANTIATE_TEST_SUITE_P(
    CanvasDrawSizes, CanvasDrawTest,
    ::testing::Values(DrawCase{"TooNarrow", 1.0, {50, 40}, {4, 10}, std::nullopt},
                      DrawCase{"TooLow", 1.0, {50, 40}, {10, 4}, std::nullopt},
                      DrawCase{"JustLargeEnough", 1.0, {50, 40}, {5, 5}, Rect{50, 40, 5, 5}},
                      DrawCase{"UpAndLeft", 1.0, {50, 40}, {-20, -10}, Rect{30, 30, 20, 10}},
                      DrawCase{"HalfZoomTooNarrow", 0.5, {50, 40}, {4, 10}, std::nullopt},
                      DrawCase{"HalfZoomSmallest", 0.5, {50, 40}, {5, 5}, Rect{50, 40, 10, 10}},
                      DrawCase{"DoubleZoom", 2.0, {50, 40}, {30, 20}, Rect{50, 40, 15, 10}}),
    [](const auto& info) { return info.param.name; });

TEST_F(CanvasGestureTest, AltOrCtrlAltDrawsAProtectedSolidBlackRegion)
{
    ASSERT_EQ(model->activeProfile().style.kind, Profile::Style::Kind::labeled);
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)}) {
        model->selectAll();
        model->deleteSelected();
        drag(at({10, 10}), at({60, 50}), modifiers);
        ASSERT_EQ(model->regions().size(), 1u) << modifiers;
        const RedactionRegion& region = model->regions().front();
        EXPECT_TRUE(region.isProtected);
        EXPECT_EQ(region.style, RedactionStyle::solid(FillColor::black));
        EXPECT_EQ(region.rect, (Rect{10, 10, 50, 40}));
    }
}

TEST_F(CanvasGestureTest, DragMovesTheRegionInImagePixelsAsOneUndoStep)
{
    for (const double zoom : {1.0, 2.0}) {
        zoomTo(zoom);
        const RegionID id = addManual(Rect{20, 20, 40, 30});
        const std::size_t undoSteps = model->undoStack().size();
        const QPoint start = at({30, 30});
        drag(start, start + QPoint(30, 16));

        EXPECT_EQ(rectOf(id), (Rect{20 + 30 / zoom, 20 + 16 / zoom, 40, 30})) << "zoom " << zoom;
        EXPECT_FALSE(model->isInteracting());
        EXPECT_EQ(model->undoStack().size(), undoSteps + 1);
        model->undo();
        EXPECT_EQ(rectOf(id), (Rect{20, 20, 40, 30}));
        model->selectAll();
        model->deleteSelected();
    }
}

TEST_F(CanvasGestureTest, ClickWithoutMovingChangesNothingAndAddsNoUndoStep)
{
    const RegionID id = addManual(Rect{20, 20, 40, 30});
    const std::size_t undoSteps = model->undoStack().size();
    click(at({30, 30}));
    EXPECT_EQ(rectOf(id), (Rect{20, 20, 40, 30}));
    EXPECT_EQ(model->undoStack().size(), undoSteps);
}

TEST_F(CanvasGestureTest, TheRegionLaterInTheListWinsTheClick)
{
    const RegionID below = addManual(Rect{20, 20, 60, 40});
    const RegionID above = addManual(Rect{50, 30, 60, 40});
    model->clearSelection();
    drag(at({60, 40}), at({70, 45}));
    EXPECT_EQ(model->selection(), std::set<RegionID>{above});
    EXPECT_EQ(rectOf(above), (Rect{60, 35, 60, 40}));
    EXPECT_EQ(rectOf(below), (Rect{20, 20, 60, 40}));
}

TEST_F(CanvasGestureTest, ShiftClickAddsToTheSelectionAndMovesEverySelectedRegion)
{
    const RegionID first = addManual(Rect{20, 20, 40, 30});
    const RegionID second = addManual(Rect{150, 100, 40, 30});
    click(at({30, 30}));
    ASSERT_EQ(model->selection(), std::set<RegionID>{first});

    drag(at({160, 110}), at({170, 115}), Qt::ShiftModifier);
    EXPECT_EQ(model->selection(), (std::set<RegionID>{first, second}));
    EXPECT_EQ(rectOf(first), (Rect{30, 25, 40, 30}));
    EXPECT_EQ(rectOf(second), (Rect{160, 105, 40, 30}));

    click(at({40, 35}), Qt::ShiftModifier);
    EXPECT_EQ(model->selection(), (std::set<RegionID>{first, second})) << "Shift-click keeps a selected region";
}

TEST_F(CanvasGestureTest, AClickOnEmptyCanvasClearsTheSelection)
{
    addManual(Rect{20, 20, 40, 30});
    ASSERT_FALSE(model->selection().empty());
    click(at({200, 150}));
    EXPECT_TRUE(model->selection().empty());
    EXPECT_EQ(model->regions().size(), 1u);
}

struct ResizeCase {
    const char* name;
    CanvasHandle handle;
    QPoint drag;
    Rect expected;
};

class CanvasResizeTest : public CanvasGestureTest, public ::testing::WithParamInterface<ResizeCase> {};

// The region (100, 60, 80, 40) is the only one selected; each handle is taken at its centre.
TEST_P(CanvasResizeTest, HandleMovesItsEdgesAndTheResultIsNormalised)
{
    const ResizeCase& c = GetParam();
    const RegionID id = addManual(Rect{100, 60, 80, 40});
    const std::size_t undoSteps = model->undoStack().size();
    const QPoint start = handleCentre(view().viewRect(rectOf(id)), c.handle).toPoint();

    QTest::mousePress(&view(), Qt::LeftButton, {}, start);
    EXPECT_EQ(view().mode(), CanvasMode::resizing(c.handle));
    QTest::mouseMove(&view(), start + c.drag / 2);
    QTest::mouseMove(&view(), start + c.drag);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, start + c.drag);

    const Rect rect = rectOf(id);
    EXPECT_EQ(rect, c.expected);
    EXPECT_GT(rect.width, 0);
    EXPECT_GT(rect.height, 0);
    EXPECT_EQ(model->undoStack().size(), undoSteps + 1);
    EXPECT_EQ(view().mode(), CanvasMode::idle());
}

INSTANTIATE_TEST_SUITE_P(
    CanvasHandles, CanvasResizeTest,
    ::testing::Values(ResizeCase{"TopLeft", CanvasHandle::tl, {10, 6}, Rect{110, 66, 70, 34}},
                      ResizeCase{"TopRight", CanvasHandle::tr, {10, 6}, Rect{100, 66, 90, 34}},
                      ResizeCase{"BottomLeft", CanvasHandle::bl, {10, 6}, Rect{110, 60, 70, 46}},
                      ResizeCase{"BottomRight", CanvasHandle::br, {10, 6}, Rect{100, 60, 90, 46}},
                      ResizeCase{"Top", CanvasHandle::t, {10, 6}, Rect{100, 66, 80, 34}},
                      ResizeCase{"Bottom", CanvasHandle::b, {10, 6}, Rect{100, 60, 80, 46}},
                      ResizeCase{"Left", CanvasHandle::l, {10, 6}, Rect{110, 60, 70, 40}},
                      ResizeCase{"Right", CanvasHandle::r, {10, 6}, Rect{100, 60, 90, 40}},
                      ResizeCase{"RightPastLeft", CanvasHandle::r, {-100, 0}, Rect{80, 60, 20, 40}},
                      ResizeCase{"BottomPastTop", CanvasHandle::b, {0, -60}, Rect{100, 40, 80, 20}},
                      ResizeCase{"TopLeftPastBottomRight", CanvasHandle::tl, {100, 50}, Rect{180, 100, 20, 10}}),
    [](const auto& info) { return info.param.name; });

TEST_F(CanvasGestureTest, AHandleResizesOnlyWhenExactlyOneRegionIsSelected)
{
    const RegionID first = addManual(Rect{100, 60, 80, 40});
    const RegionID second = addManual(Rect{20, 20, 40, 30});
    model->selectAll();
    // The top-left handle position lies inside the first region: with two selected it moves both.
    drag(at({100, 60}), at({110, 70}));
    EXPECT_EQ(rectOf(first), (Rect{110, 70, 80, 40}));
    EXPECT_EQ(rectOf(second), (Rect{30, 30, 40, 30}));
}

TEST_F(CanvasGestureTest, RectanglesDraggedPastTheImageEdgeKeepAPositiveSizeAndTheirPartInside)
{
    const RegionID id = addManual(Rect{250, 150, 40, 40});
    QTest::mousePress(&view(), Qt::LeftButton, {}, at({290, 190}));
    QTest::mouseMove(&view(), at({390, 290}));
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, at({390, 290}));
    Rect rect = rectOf(id);
    EXPECT_GT(rect.width, 0);
    EXPECT_GT(rect.height, 0);
    EXPECT_EQ(intersection(rect, imageBounds()), (Rect{250, 150, 50, 50}));

    drag(at({260, 160}), at({20, 0}));
    rect = rectOf(id);
    EXPECT_GT(rect.width, 0);
    EXPECT_GT(rect.height, 0);
    EXPECT_EQ(intersection(rect, imageBounds()).x, 10);
}

TEST_F(CanvasGestureTest, ARegionRemovedDuringADragIsLeftAlone)
{
    const RegionID id = addManual(Rect{20, 20, 40, 30});
    QTest::mousePress(&view(), Qt::LeftButton, {}, at({30, 30}));
    model->deleteSelected();
    QTest::mouseMove(&view(), at({60, 60}));
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, at({60, 60}));
    EXPECT_FALSE(model->region(id).has_value());
    EXPECT_FALSE(model->isInteracting());
}

TEST_F(CanvasGestureTest, AnImageLoadedDuringAGestureEndsIt)
{
    QTest::mousePress(&view(), Qt::LeftButton, {}, at({10, 10}));
    QTest::mouseMove(&view(), at({80, 80}));
    pasteAndScan(blankImage(320, 200));
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, at({80, 80}));
    EXPECT_TRUE(model->regions().empty());
    EXPECT_FALSE(view().draftRect().has_value());
}

class CanvasWithoutImageTest : public CanvasTestFixture {};

TEST_F(CanvasWithoutImageTest, ClicksAndDragsDoNothing)
{
    ASSERT_FALSE(model->image().has_value());
    const std::size_t undoSteps = model->undoStack().size();
    drag(QPoint(100, 100), QPoint(200, 200));
    drag(QPoint(100, 100), QPoint(200, 200), Qt::AltModifier);
    EXPECT_TRUE(model->regions().empty());
    EXPECT_EQ(view().mode(), CanvasMode::idle());
    EXPECT_FALSE(view().draftRect().has_value());
    EXPECT_EQ(model->undoStack().size(), undoSteps);
}

} // namespace
} // namespace tarnveil::test
