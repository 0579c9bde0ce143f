// Zoom on the canvas: fitting the image, Ctrl + wheel and pinch within their limits and around
// the pointer, plain wheel scrolling, and the scroll area's layout.

#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "CanvasTestFixture.h"
#include "canvas/CanvasGeometry.h"

namespace tarnveil::test {
namespace {

class CanvasZoomTest : public CanvasTestFixture {
protected:
    /// A wheel turn as the window system delivers it (only those reach the scroll area when
    /// the view passes them on).
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(QPointF(at), QPointF(view().mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        // sendEvent would clear the flag again.
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(&view(), &event);
    }

    void pinch(QPoint at, double magnification)
    {
        QNativeGestureEvent event(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, QPointF(at),
                                  QPointF(at), QPointF(view().mapToGlobal(at)), magnification, QPointF());
        QApplication::sendEvent(&view(), &event);
    }

    /// Where an image point is on screen, in viewport coordinates.
    QPointF onScreen(QPointF imagePoint) const
    {
        return view().imageToView(imagePoint) + QPointF(view().pos());
    }
};

struct FitCase {
    const char* name;
    int width;
    int height;
    double zoom;
};

class CanvasFitTest : public CanvasZoomTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(CanvasFitTest, LoadingFitsTheImageNeverAbove100PercentNorBelow5)
{
    const FitCase& c = GetParam();
    pasteAndScan(blankImage(c.width, c.height));
    settle();
    EXPECT_DOUBLE_EQ(model->zoom(), c.zoom);

    model->setZoom(3.0);
    settle();
    model->requestFit();
    settle();
    EXPECT_DOUBLE_EQ(model->zoom(), c.zoom) << "a fit request fits again";
}

INSTANTIATE_TEST_SUITE_P(CanvasFitSizes, CanvasFitTest,
                         ::testing::Values(FitCase{"Small", 300, 200, 1.0}, FitCase{"Wide", 1200, 100, 0.5},
                                           FitCase{"Tall", 300, 1600, 0.25}, FitCase{"Huge", 24000, 100, 0.05}),
                         [](const auto& info) { return info.param.name; });

TEST_F(CanvasZoomTest, AFitAskedForWhileHiddenRunsWhenTheCanvasIsShown)
{
    canvas->hide();
    pasteAndScan(blankImage(1200, 100));
    settle();
    EXPECT_DOUBLE_EQ(model->zoom(), 1.0) << "no fit to a viewport nobody sees";
    canvas->show();
    settle();
    EXPECT_DOUBLE_EQ(model->zoom(), 0.5);
}

TEST_F(CanvasZoomTest, FitWithoutAnImageOrWithoutRoomChangesNothing)
{
    model->setZoom(2.0);
    canvas->fit();
    EXPECT_DOUBLE_EQ(model->zoom(), 2.0);
    loadBlank();
    canvas->resize(0, 0);
    model->setZoom(2.0);
    canvas->fit();
    EXPECT_DOUBLE_EQ(model->zoom(), 2.0);
}

TEST_F(CanvasZoomTest, TheImageIsCentredWhileSmallerAndScrollableOnceLarger)
{
    loadBlank();
    EXPECT_EQ(view().size(), QSize(canvasWidth, canvasHeight));
    EXPECT_EQ(view().imageDrawRect(), QRectF(150, 100, 300, 200));
    EXPECT_EQ(canvas->horizontalScrollBar()->maximum(), 0);

    zoomTo(4.0);
    EXPECT_EQ(view().size(), QSize(1200, 800));
    EXPECT_EQ(view().imageDrawRect(), QRectF(0, 0, 1200, 800));
    EXPECT_GT(canvas->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(canvas->verticalScrollBar()->maximum(), 0);
    EXPECT_NEAR(onScreen({150, 100}).x(), canvasWidth / 2.0, 1) << "the old centre stays in place";
    EXPECT_NEAR(onScreen({150, 100}).y(), canvasHeight / 2.0, 1);
}

TEST_F(CanvasZoomTest, CtrlWheelZoomsAroundThePointerWithinTheGestureRange)
{
    loadBlank();
    wheel(at({60, 40}), 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(model->zoom(), 1.25);
    // Once the image is larger than the viewport, the point under the pointer stays there.
    zoomTo(2.5);
    const QPointF before = onScreen({60, 40});
    for (int step = 0; step < 3; ++step) {
        wheel(view().imageToView({60, 40}).toPoint(), 120, Qt::ControlModifier);
    }
    EXPECT_NEAR(model->zoom(), 2.5 * std::pow(1.25, 3), 1e-9);
    const QPointF after = onScreen({60, 40});
    EXPECT_NEAR(after.x(), before.x(), 1.5);
    EXPECT_NEAR(after.y(), before.y(), 1.5);

    for (int step = 0; step < 20; ++step) {
        wheel(QPoint(300, 200), 120, Qt::ControlModifier);
    }
    EXPECT_DOUBLE_EQ(model->zoom(), CanvasGeometry::maxGestureZoom);
    for (int step = 0; step < 40; ++step) {
        wheel(QPoint(300, 200), -120, Qt::ControlModifier);
    }
    EXPECT_DOUBLE_EQ(model->zoom(), CanvasGeometry::minGestureZoom);
}

TEST_F(CanvasZoomTest, PlainWheelScrollsInsteadOfZooming)
{
    loadBlank();
    zoomTo(4.0);
    QScrollBar& bar = *canvas->verticalScrollBar();
    bar.setValue(bar.maximum() / 2);
    const int before = bar.value();
    wheel(QPoint(100, 100), -120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(model->zoom(), 4.0);
    EXPECT_GT(bar.value(), before) << "turning the wheel towards the user scrolls down";
}

TEST_F(CanvasZoomTest, PinchZoomsAndStaysBetweenOneTenthAndEight)
{
    loadBlank();
    pinch(QPoint(300, 200), 0.5);
    EXPECT_DOUBLE_EQ(model->zoom(), 1.5);
    pinch(QPoint(300, 200), 10.0);
    EXPECT_DOUBLE_EQ(model->zoom(), 8.0);
    for (int step = 0; step < 10; ++step) {
        pinch(QPoint(300, 200), -0.9);
    }
    EXPECT_DOUBLE_EQ(model->zoom(), 0.1);
    pinch(QPoint(300, 200), std::nan(""));
    EXPECT_DOUBLE_EQ(model->zoom(), 0.1) << "a broken gesture keeps the zoom";
}

} // namespace
} // namespace tarnveil::test
