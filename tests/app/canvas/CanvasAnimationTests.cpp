// The canvas's animations: the burn sweep that ends in the export, the burned-preview
// cross-fade, the marching ants and the scan line, each with the reduce-motion setting on and
// off, and the repaints the animation clock asks for.

#include <gtest/gtest.h>

#include <cmath>

#include <QDir>

#include "CanvasTestFixture.h"
#include "canvas/BurnSweep.h"

namespace tarnveil::test {
namespace {

class CanvasAnimationTest : public CanvasTestFixture {
protected:
    CanvasAnimationTest()
    {
        platform->desktop = folder.path();
        loadBlank();
    }

    /// Starts an export and lets the canvas pick up the burn request.
    void startExport()
    {
        model->exportToDesktopAndCopy();
        ASSERT_TRUE(model->isExporting());
        settle();
    }

    bool exported() const { return platform->copiedPng.has_value() && !model->isExporting(); }
};

TEST_F(CanvasAnimationTest, TheSweepEasesOutThenExportsLingersAndFadesBack)
{
    addManual(Rect{20, 20, 40, 30});
    startExport();
    EXPECT_DOUBLE_EQ(view().sweepProgress(), 0);
    EXPECT_TRUE(view().motionRunning());

    advance(0.475);
    EXPECT_NEAR(view().sweepProgress(), 1 - std::pow(0.5, BurnSweep::easeExponent), 1e-9);
    EXPECT_FALSE(exported()) << "the export waits for the end of the sweep";

    advance(0.48);
    EXPECT_TRUE(exported());
    EXPECT_LT(view().sweepProgress(), 0);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 1);

    advance(0.45);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 1) << "the burned picture stays half a second";
    advance(0.1);
    advance(0.075);
    EXPECT_NEAR(view().burnProgress(), 0.5, 1e-9);
    advance(0.1);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 0);
    EXPECT_FALSE(view().motionRunning());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(CanvasAnimationTest, WithReducedMotionTheExportRunsAtOnceWithoutLingering)
{
    platform->motionReduced = true;
    addManual(Rect{20, 20, 40, 30});
    startExport();
    EXPECT_TRUE(exported());
    EXPECT_LT(view().sweepProgress(), 0);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 0);
    EXPECT_FALSE(view().motionRunning());
}

TEST_F(CanvasAnimationTest, ACanvasClosedDuringTheSweepStillLetsTheExportRun)
{
    addManual(Rect{20, 20, 40, 30});
    startExport();
    advance(0.3);
    canvas.reset();
    settle();
    EXPECT_TRUE(exported());
}

TEST_F(CanvasAnimationTest, ThePreviewCrossFadesFromWhereverItStands)
{
    model->setPreviewBurned(true);
    advance(0.075);
    EXPECT_NEAR(view().burnProgress(), 0.5, 1e-9);
    model->setPreviewBurned(false);
    advance(0.075);
    EXPECT_NEAR(view().burnProgress(), 0.25, 1e-9);
    advance(0.1);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 0);
    EXPECT_FALSE(view().motionRunning());

    platform->motionReduced = true;
    view().refreshReduceMotion();
    model->setPreviewBurned(true);
    EXPECT_DOUBLE_EQ(view().burnProgress(), 1) << "reduced motion switches at once";
}

TEST_F(CanvasAnimationTest, TheAntsMarchAndRepaintOnlyTheOutlines)
{
    const RegionID id = addManual(Rect{50, 50, 150, 100});
    const double start = view().dashPhase();
    for (int tick = 0; tick < 21; ++tick) {
        view().tickAnimation();
    }
    EXPECT_NEAR(view().dashPhase(), std::fmod(start + 12.6, 12), 1e-9) << "the phase wraps at 12";
    EXPECT_LT(view().dashPhase(), 12);

    const QRegion dirty = view().lastAnimationDirty();
    const QRectF outline = view().viewRect(rectOf(id));
    EXPECT_TRUE(dirty.contains(outline.topLeft().toPoint()));
    EXPECT_TRUE(dirty.contains(QPoint(static_cast<int>(outline.right()) - 1, static_cast<int>(outline.center().y()))));
    EXPECT_FALSE(dirty.contains(outline.center().toPoint())) << "the inside does not move";
    EXPECT_FALSE(dirty.contains(QPoint(20, 20)));
}

TEST_F(CanvasAnimationTest, AnIdleCanvasAsksForNoRepaint)
{
    view().tickAnimation();
    EXPECT_TRUE(view().lastAnimationDirty().isEmpty());

    addManual(Rect{50, 50, 10, 10});
    model->setProtected(model->regions().front().id, true);
    view().tickAnimation();
    EXPECT_TRUE(view().lastAnimationDirty().isEmpty()) << "protected outlines stand still";
}

TEST_F(CanvasAnimationTest, TheScanLineMovesWhileAScanRuns)
{
    recognizer.hold = true;
    paste(blankImage(300, 200));
    settle();
    ASSERT_TRUE(model->isProcessing());
    const double start = view().scanPhase();
    view().tickAnimation();
    view().tickAnimation();
    EXPECT_NEAR(view().scanPhase(), std::fmod(start + 0.024, 1.0), 1e-9);
    EXPECT_FALSE(view().lastAnimationDirty().isEmpty());
    recognizer.release(recognizer.requestCount() - 1);
    ASSERT_TRUE(waitForScan());
}

TEST_F(CanvasAnimationTest, WithReducedMotionNothingMarchesAndNothingRepaints)
{
    platform->motionReduced = true;
    view().refreshReduceMotion();
    addManual(Rect{50, 50, 150, 100});
    const double start = view().dashPhase();
    view().tickAnimation();
    EXPECT_DOUBLE_EQ(view().dashPhase(), start);
    EXPECT_TRUE(view().lastAnimationDirty().isEmpty());
}

TEST_F(CanvasAnimationTest, TheAnimationClockRunsWhileTheCanvasIsShown)
{
    EXPECT_TRUE(view().animationClockRunning());
    canvas->hide();
    EXPECT_FALSE(view().animationClockRunning());
    canvas->show();
    EXPECT_TRUE(view().animationClockRunning());
}

} // namespace
} // namespace tarnveil::test
