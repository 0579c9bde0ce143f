// The area selector on the offscreen platform: its drags, cancels and minimum size, the size
// label, completing once, and the capture cut from a frozen display at its pixel ratio.

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "capture/NullScreenSource.h"
#include "capture/PortalScreenSource.h"
#include "capture/RegionSelector.h"
#include "capture/ScreenCapturer.h"
#include "capture/SelectorView.h"
#include "capture/ScreenSources.h"
#include "capture/SelectorWindow.h"
#include "capture/X11ScreenSource.h"

namespace tarnveil::test {
namespace {

/// A colour that differs from pixel to pixel, so that a shifted or scaled cut shows.
QRgb patternAt(int x, int y)
{
    return qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256);
}

QImage pattern(QSize pixels, double ratio)
{
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            image.setPixel(x, y, patternAt(x, y));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

FrozenScreen frozen(QRect geometry, double ratio)
{
    FrozenScreen screen;
    screen.geometry = geometry;
    screen.devicePixelRatio = ratio;
    screen.image = pattern((QSizeF(geometry.size()) * ratio).toSize(), ratio);
    return screen;
}

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPointF at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPointF from, QPointF to)
{
    sendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, from);
    sendMouse(widget, QEvent::MouseMove, Qt::LeftButton, (from + to) / 2);
    sendMouse(widget, QEvent::MouseMove, Qt::LeftButton, to);
    sendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, to);
}

class RegionSelectorTest : public ::testing::Test {
protected:
    /// Begins a selection on `screens`, recording every completion.
    void begin(std::vector<FrozenScreen> screens)
    {
        selector.begin(screens, [this](std::optional<SelectedArea> area) { completions.push_back(area); });
        QApplication::processEvents();
    }

    SelectorView* view(std::size_t index) const { return selector.windows().at(index)->view(); }

    RegionSelector selector;
    std::vector<std::optional<SelectedArea>> completions;
};

struct DragCase {
    const char* name;
    QPointF from;
    QPointF to;
    std::optional<QRectF> expected; ///< global; none when the selection is cancelled
};

class SelectorDrag : public RegionSelectorTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(SelectorDrag, ReportsTheSpannedRectangleOrCancels)
{
    begin({frozen(QRect(100, 50, 400, 300), 1.0)});
    drag(view(0), GetParam().from, GetParam().to);
    ASSERT_EQ(completions.size(), 1u);
    if (GetParam().expected) {
        ASSERT_TRUE(completions[0].has_value());
        EXPECT_EQ(completions[0]->rect, *GetParam().expected);
        EXPECT_EQ(completions[0]->screen, 0u);
    } else {
        EXPECT_FALSE(completions[0].has_value());
    }
    EXPECT_FALSE(selector.isSelecting()) << "the windows are gone";
}

INSTANTIATE_TEST_SUITE_P(
    Selector, SelectorDrag,
    ::testing::Values(DragCase{"ClickWithoutDrag", {40, 40}, {40, 40}, std::nullopt},
                      DragCase{"ThreeByFifty", {40, 40}, {43, 90}, std::nullopt},
                      DragCase{"FiftyByThree", {40, 40}, {90, 43}, std::nullopt},
                      DragCase{"FourByFour", {40, 40}, {44, 44}, QRectF(140, 90, 4, 4)},
                      DragCase{"UpAndLeft", {200, 150}, {100, 100}, QRectF(200, 150, 100, 50)},
                      // A drag that leaves the display ends at its edge.
                      DragCase{"PastTheEdge", {350, 250}, {900, -40}, QRectF(450, 50, 50, 250)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegionSelectorTest, RightClickAndEscapeCancel)
{
    begin({frozen(QRect(0, 0, 300, 200), 1.0)});
    sendMouse(view(0), QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
    sendMouse(view(0), QEvent::MouseMove, Qt::LeftButton, {100, 100});
    sendMouse(view(0), QEvent::MouseButtonPress, Qt::RightButton, {100, 100});
    ASSERT_EQ(completions.size(), 1u);
    EXPECT_FALSE(completions[0].has_value());

    begin({frozen(QRect(0, 0, 300, 200), 1.0)});
    QTest::keyClick(view(0), Qt::Key_Escape);
    ASSERT_EQ(completions.size(), 2u);
    EXPECT_FALSE(completions[1].has_value());

    // A selector window closed from outside cancels too, instead of waiting forever.
    begin({frozen(QRect(0, 0, 300, 200), 1.0)});
    selector.windows().front()->close();
    ASSERT_EQ(completions.size(), 3u);
    EXPECT_FALSE(completions[2].has_value());
    EXPECT_FALSE(selector.isSelecting());
}

TEST_F(RegionSelectorTest, OneWindowPerDisplayAndTheSelectionCompletesOnce)
{
    begin({frozen(QRect(0, 0, 300, 200), 1.0), frozen(QRect(300, 0, 200, 200), 1.0)});
    ASSERT_EQ(selector.windows().size(), 2u);
    EXPECT_EQ(selector.windows()[0]->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(selector.windows()[1]->geometry(), QRect(300, 0, 200, 200));
    EXPECT_TRUE(selector.windows()[1]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    SelectorView* first = view(0);
    SelectorView* second = view(1);
    // A second begin while selecting changes nothing.
    selector.begin({frozen(QRect(0, 0, 10, 10), 1.0)}, [this](std::optional<SelectedArea>) { ADD_FAILURE(); });
    EXPECT_EQ(selector.windows().size(), 2u);

    drag(second, {10, 10}, {60, 40});
    QTest::keyClick(first, Qt::Key_Escape);
    sendMouse(first, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    ASSERT_EQ(completions.size(), 1u);
    ASSERT_TRUE(completions[0].has_value());
    EXPECT_EQ(completions[0]->screen, 1u);
    EXPECT_EQ(completions[0]->rect, QRectF(310, 10, 50, 30));
}

TEST_F(RegionSelectorTest, TheSizeLabelStandsAboveAndFlipsBelowAtTheTop)
{
    begin({frozen(QRect(0, 0, 400, 300), 1.0)});
    SelectorView* selectorView = view(0);
    sendMouse(selectorView, QEvent::MouseButtonPress, Qt::LeftButton, {50, 100});
    sendMouse(selectorView, QEvent::MouseMove, Qt::LeftButton, {150.7, 150.9});
    EXPECT_EQ(SelectorView::sizeText(*selectorView->selection()), QStringLiteral("100 \u00D7 50"));
    const QRectF above = *selectorView->sizeLabelRect();
    EXPECT_DOUBLE_EQ(above.left(), 50);
    EXPECT_DOUBLE_EQ(above.bottom(), 100 - SelectorView::labelGap);

    sendMouse(selectorView, QEvent::MouseButtonRelease, Qt::LeftButton, {150.7, 150.9});
    begin({frozen(QRect(0, 0, 400, 300), 1.0)});
    selectorView = view(0);
    sendMouse(selectorView, QEvent::MouseButtonPress, Qt::LeftButton, {50, 4});
    sendMouse(selectorView, QEvent::MouseMove, Qt::LeftButton, {150, 60});
    const QRectF below = *selectorView->sizeLabelRect();
    EXPECT_DOUBLE_EQ(below.top(), 60 + SelectorView::labelGap) << "a label above would leave the display";
    sendMouse(selectorView, QEvent::MouseButtonRelease, Qt::LeftButton, {150, 60});
}

TEST_F(RegionSelectorTest, TheFrozenDisplayIsDimmedExceptTheSelectionWhichIsOutlined)
{
    begin({frozen(QRect(0, 0, 200, 150), 1.0)});
    SelectorView* selectorView = view(0);
    sendMouse(selectorView, QEvent::MouseButtonPress, Qt::LeftButton, {40, 60});
    sendMouse(selectorView, QEvent::MouseMove, Qt::LeftButton, {140, 120});
    const QImage shown = selectorView->grab().toImage().convertToFormat(QImage::Format_RGB32);

    EXPECT_EQ(shown.pixel(90, 90), patternAt(90, 90)) << "inside: undimmed";
    const QColor outside = shown.pixelColor(20, 130);
    const QColor original(patternAt(20, 130));
    EXPECT_NEAR(outside.red(), original.red() * (1 - SelectorView::dimOpacity), 2) << "outside: dimmed";
    EXPECT_NEAR(outside.green(), original.green() * (1 - SelectorView::dimOpacity), 2);
    EXPECT_EQ(shown.pixel(90, 60), SelectorView::outlineColor().rgb()) << "the outline on the top edge";
    EXPECT_EQ(shown.pixel(139, 90), SelectorView::outlineColor().rgb()) << "and inside the right edge";
    sendMouse(selectorView, QEvent::MouseButtonRelease, Qt::LeftButton, {140, 120});
}

/// A screen source that hands over prepared displays.
class PreparedScreens final : public ScreenSource {
public:
    explicit PreparedScreens(std::vector<FrozenScreen> screens) : screens_(std::move(screens)) {}
    void grab(std::function<void(ScreenGrab)> done) override { done(screens_); }

private:
    std::vector<FrozenScreen> screens_;
};

TEST(ScreenSources, TheEnvironmentChoosesTheSourceAndAnythingElseOffscreenIsNone)
{
    struct Case {
        const char* forced;
        bool x11;
        bool portal;
    };
    for (const Case& c : {Case{"x11", true, false}, Case{"portal", false, true}, Case{"null", false, false},
                          Case{"bogus", false, false}, Case{"", false, false}}) {
        SCOPED_TRACE(c.forced);
        qputenv(ScreenSources::backendVariable, c.forced);
        const std::unique_ptr<ScreenSource> source = ScreenSources::forThisDesktop();
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(dynamic_cast<X11ScreenSource*>(source.get()) != nullptr, c.x11);
        EXPECT_EQ(dynamic_cast<PortalScreenSource*>(source.get()) != nullptr, c.portal);
        EXPECT_EQ(dynamic_cast<NullScreenSource*>(source.get()) != nullptr, !c.x11 && !c.portal);
    }
    qunsetenv(ScreenSources::backendVariable);
}

TEST(ScreenCapturer, CutsTheAreaAtFullResolutionFromTheDisplayThatGotTheMouseDown)
{
    // The second display lies left of and above the primary one, at two pixels per point.
    const FrozenScreen primary = frozen(QRect(0, 0, 800, 600), 1.0);
    const FrozenScreen second = frozen(QRect(-640, -120, 640, 480), 2.0);
    ScreenCapturer capturer(std::make_unique<PreparedScreens>(std::vector<FrozenScreen>{primary, second}));
    std::optional<AreaCaptureResult> result;
    capturer.captureArea([&result](AreaCaptureResult outcome) { result = std::move(outcome); });
    ASSERT_EQ(capturer.selector().windows().size(), 2u);
    EXPECT_EQ(capturer.selector().windows()[1]->geometry(), QRect(-640, -120, 640, 480));

    drag(capturer.selector().windows()[1]->view(), {10, 20}, {110, 70});
    ASSERT_TRUE(result && result->image) << "a 100 × 50 point area";
    EXPECT_EQ(result->scale, 2.0);
    ASSERT_EQ(result->image->size(), QSize(200, 100));
    for (const QPoint at : {QPoint(0, 0), QPoint(199, 0), QPoint(57, 63), QPoint(199, 99)}) {
        EXPECT_EQ(result->image->pixel(at), patternAt(20 + at.x(), 40 + at.y())) << at.x() << "," << at.y();
    }
}

TEST(ScreenCapturer, ACancelledOrTooSmallSelectionCapturesNothing)
{
    ScreenCapturer capturer(std::make_unique<PreparedScreens>(std::vector<FrozenScreen>{frozen(QRect(0, 0, 300, 200), 1.0)}));
    std::optional<AreaCaptureResult> result;
    capturer.captureArea([&result](AreaCaptureResult outcome) { result = std::move(outcome); });
    drag(capturer.selector().windows()[0]->view(), {10, 10}, {13, 100});
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->isCancelled());
}

struct CutCase {
    const char* name;
    double ratio;
    QRectF area;
    QRect expectedPixels; ///< in the display's image
};

class FrozenScreenCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(FrozenScreenCut, TakesTheIntegerPartOfTheScaledSizeFromTheRoundedDownOrigin)
{
    const FrozenScreen screen = frozen(QRect(-100, 50, 200, 100), GetParam().ratio);
    const QImage part = screen.cut(GetParam().area);
    if (GetParam().expectedPixels.isEmpty()) {
        EXPECT_TRUE(part.isNull());
        return;
    }
    ASSERT_EQ(part.size(), GetParam().expectedPixels.size());
    const QPoint origin = GetParam().expectedPixels.topLeft();
    EXPECT_EQ(part.pixel(0, 0), patternAt(origin.x(), origin.y()));
    EXPECT_EQ(part.pixel(part.width() - 1, part.height() - 1),
              patternAt(origin.x() + part.width() - 1, origin.y() + part.height() - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Capture, FrozenScreenCut,
    ::testing::Values(CutCase{"Whole", 1.0, QRectF(-100, 50, 200, 100), QRect(0, 0, 200, 100)},
                      CutCase{"FractionalRatio", 1.5, QRectF(-90, 60, 33, 21), QRect(15, 15, 49, 31)},
                      CutCase{"FractionalPoints", 2.0, QRectF(-99.7, 50.2, 10.4, 10.9), QRect(0, 0, 20, 21)},
                      CutCase{"ClippedAtTheEdge", 1.0, QRectF(50, 100, 100, 100), QRect(150, 50, 50, 50)},
                      CutCase{"OutsideTheDisplay", 1.0, QRectF(500, 500, 10, 10), QRect()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarnveil::test
