#include "CanvasTestFixture.h"

#include <QTest>

namespace tarnveil::test {

CanvasTestFixture::CanvasTestFixture()
{
    canvas = std::make_unique<RedactionCanvas>(*model);
    canvas->resize(canvasWidth, canvasHeight);
    view().setClock([this] { return time; });
    canvas->show();
    settle();
}

CanvasTestFixture::~CanvasTestFixture()
{
    canvas.reset();
}

void CanvasTestFixture::loadBlank()
{
    pasteAndScan(blankImage(300, 200));
    settle();
}

void CanvasTestFixture::zoomTo(double zoom)
{
    model->setZoom(zoom);
    settle();
}

RegionID CanvasTestFixture::addManual(Rect rect)
{
    RedactionRegion region = manualRegion(rect);
    model->addRegion(region);
    return region.id;
}

RegionID CanvasTestFixture::addDetected(Rect rect, Severity severity)
{
    RedactionRegion region = detectedRegion(rect, DetectionCategory::ipv4, severity);
    model->addRegion(region);
    return region.id;
}

Rect CanvasTestFixture::rectOf(RegionID id) const
{
    const std::optional<RedactionRegion> region = model->region(id);
    EXPECT_TRUE(region.has_value());
    return region ? region->rect : Rect{};
}

QPoint CanvasTestFixture::at(QPointF imagePoint) const
{
    return view().imageToView(imagePoint).toPoint();
}

void CanvasTestFixture::drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(&view(), Qt::LeftButton, modifiers, from);
    QTest::mouseMove(&view(), (from + to) / 2);
    QTest::mouseMove(&view(), to);
    QTest::mouseRelease(&view(), Qt::LeftButton, modifiers, to);
}

void CanvasTestFixture::click(QPoint point, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(&view(), Qt::LeftButton, modifiers, point);
    QTest::mouseRelease(&view(), Qt::LeftButton, modifiers, point);
}

void CanvasTestFixture::advance(double seconds)
{
    time += seconds;
    view().stepMotion();
}

QImage CanvasTestFixture::rendered() const
{
    return view().grab().toImage();
}

} // namespace tarnveil::test
