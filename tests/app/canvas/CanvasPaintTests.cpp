// What the canvas paints: the theme background, a region's overlay where the zoom puts it,
// the burned preview after Space, and the sweep burning from the left.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QTest>

#include "CanvasTestFixture.h"
#include "editor/AppColors.h"

namespace tarnveil::test {
namespace {

/// Near-white: the blank image with nothing over it.
bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250;
}

/// Tinted by the orange overlay: red stays high, blue drops clearly.
bool isOrangeTinted(QRgb pixel)
{
    return qRed(pixel) > 240 && qBlue(pixel) < 245 && qBlue(pixel) < qRed(pixel) - 8;
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 8 && qGreen(pixel) < 8 && qBlue(pixel) < 8;
}

/// Collects the areas the view repaints through the window system.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

class CanvasPaintTest : public CanvasTestFixture {
protected:
    void pressSpace(QEvent::Type type)
    {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(&view(), &event);
    }
};

class CanvasBackgroundTest : public CanvasPaintTest, public ::testing::WithParamInterface<AppTheme> {};

TEST_P(CanvasBackgroundTest, WithoutAnImageOnlyTheThemeBackgroundIsPainted)
{
    model->setTheme(GetParam());
    const QImage image = rendered();
    const QColor expected = AppColors::canvasBackground(GetParam());
    for (const QPoint point : {QPoint(1, 1), QPoint(300, 200), QPoint(598, 398)}) {
        const QColor pixel = image.pixelColor(point);
        EXPECT_NEAR(pixel.red(), expected.red(), 1) << point.x();
        EXPECT_NEAR(pixel.green(), expected.green(), 1);
        EXPECT_NEAR(pixel.blue(), expected.blue(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(CanvasThemes, CanvasBackgroundTest,
                         ::testing::Values(AppTheme::midnight, AppTheme::daylight, AppTheme::hacker),
                         [](const auto& info) { return std::string(identifier(info.param)); });

TEST_F(CanvasPaintTest, TheHackerThemeDarkensEveryThirdRow)
{
    loadBlank();
    model->setTheme(AppTheme::hacker);
    const QImage image = rendered();
    EXPECT_LT(qRed(image.pixel(200, 102)), 235);
    EXPECT_TRUE(isWhite(image.pixel(200, 103)));
    EXPECT_TRUE(isWhite(image.pixel(200, 104)));
    EXPECT_LT(qRed(image.pixel(200, 105)), 235);
}

TEST_F(CanvasPaintTest, ARegionOverlayIsPaintedWhereTheZoomPutsIt)
{
    loadBlank();
    addManual(Rect{50, 30, 40, 20});
    model->clearSelection();
    zoomTo(2.0);
    ASSERT_EQ(view().imageDrawRect(), QRectF(0, 0, 600, 400));
    const QImage image = rendered();
    // Image (50, 30, 40, 20) is view (100, 60, 80, 40) at zoom 2.
    EXPECT_TRUE(isOrangeTinted(image.pixel(140, 80)));
    EXPECT_TRUE(isOrangeTinted(image.pixel(110, 70)));
    EXPECT_TRUE(isOrangeTinted(image.pixel(170, 92)));
    EXPECT_TRUE(isWhite(image.pixel(140, 130)));
    EXPECT_TRUE(isWhite(image.pixel(60, 80)));
    EXPECT_TRUE(isWhite(image.pixel(220, 80)));
    EXPECT_TRUE(isWhite(image.pixel(65, 45))) << "where zoom 1 would have put it";
}

TEST_F(CanvasPaintTest, MovingARegionRepaintsWhereItWasAndWhereItIsNow)
{
    loadBlank();
    const RegionID id = addManual(Rect{20, 20, 40, 30});
    addManual(Rect{200, 150, 40, 30});
    model->select(id, false);
    settle();
    PaintRecorder recorder;
    view().installEventFilter(&recorder);

    const QRectF before = view().viewRect(rectOf(id));
    drag(at({30, 30}), at({130, 90}));
    settle();
    const QRectF after = view().viewRect(rectOf(id));
    ASSERT_NE(before, after);
    for (const QRectF& rect : {before, after}) {
        EXPECT_TRUE(recorder.painted.contains(rect.adjusted(-4, -4, 4, 4).toAlignedRect()));
    }
    EXPECT_FALSE(recorder.painted.contains(QPoint(220, 265))) << "the other region is left alone";
}

TEST_F(CanvasPaintTest, SpaceCrossFadesToTheBurnedPicture)
{
    loadBlank();
    addManual(Rect{50, 30, 40, 20}); // solid black; view (200, 130, 40, 20)
    model->applyStyleToSelection(RedactionStyle::solid(FillColor::black));
    const QPoint inside(220, 140);
    EXPECT_TRUE(isOrangeTinted(rendered().pixel(inside)));

    pressSpace(QEvent::KeyPress);
    advance(0.075);
    const int halfway = qRed(rendered().pixel(inside));
    EXPECT_GT(halfway, 60);
    EXPECT_LT(halfway, 200);

    advance(0.1);
    EXPECT_TRUE(isBlack(rendered().pixel(inside)));
    EXPECT_TRUE(isWhite(rendered().pixel(300, 190))) << "no overlay and no burn outside the region";

    pressSpace(QEvent::KeyRelease);
    advance(0.2);
    EXPECT_TRUE(isOrangeTinted(rendered().pixel(inside)));
}

TEST_F(CanvasPaintTest, TheSweepBurnsFromTheLeft)
{
    platform->desktop = folder.path();
    loadBlank();
    addManual(Rect{10, 80, 30, 20});  // view (160, 180)
    addManual(Rect{260, 80, 30, 20}); // view (410, 180)
    model->selectAll();
    model->applyStyleToSelection(RedactionStyle::solid(FillColor::black));
    model->clearSelection();
    model->exportToDesktopAndCopy();
    settle();
    advance(0.3);
    ASSERT_GT(view().sweepProgress(), 0.4);
    ASSERT_LT(view().sweepProgress(), 0.9);
    const QImage image = rendered();
    EXPECT_TRUE(isBlack(image.pixel(175, 190)));
    EXPECT_TRUE(isOrangeTinted(image.pixel(425, 190)));
}

} // namespace
} // namespace tarnveil::test
