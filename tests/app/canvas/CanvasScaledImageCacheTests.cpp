// The scaled copy of the image the canvas draws from: drawn at device pixels, reused while
// nothing changes, and never made when it would be too large (the source is scaled instead).

#include <gtest/gtest.h>

#include <QPainter>

#include "canvas/ScaledImageCache.h"

namespace tarnveil {
namespace {

/// Left half red, right half blue.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qBlue(pixel) < 50;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 50;
}

/// A target of `logical` size at `ratio` device pixels per point, black.
QImage target(QSize logical, double ratio)
{
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

TEST(CanvasScaledImageCache, DrawsAtDevicePixelsAndKeepsTheCopyUntilSomethingChanges)
{
    const QImage source = halves(200, 100);
    ScaledImageCache cache;
    QImage canvas = target(QSize(200, 100), 2.0);
    const QRectF where(10, 10, 100, 50);
    {
        QPainter painter(&canvas);
        cache.draw(painter, source, where, QRectF(canvas.rect()), 2.0);
    }
    EXPECT_TRUE(cache.holds(source, where, 2.0));
    EXPECT_FALSE(cache.holds(source, where, 1.0)) << "another device pixel ratio needs another copy";
    EXPECT_FALSE(cache.holds(source, QRectF(10, 10, 120, 60), 2.0)) << "another zoom needs another copy";
    EXPECT_TRUE(isRed(canvas.pixel(2 * 30, 2 * 30)));
    EXPECT_TRUE(isBlue(canvas.pixel(2 * 90, 2 * 30)));
    EXPECT_EQ(canvas.pixel(2 * 5, 2 * 5), QColor(Qt::black).rgb());
    EXPECT_EQ(canvas.pixel(2 * 115, 2 * 30), QColor(Qt::black).rgb());

    QImage changed = source;
    changed.setPixel(0, 0, qRgb(0, 255, 0));
    EXPECT_FALSE(cache.holds(changed, where, 2.0)) << "a changed image needs another copy";
}

TEST(CanvasScaledImageCache, AVeryLargeScaleDrawsTheExposedPartFromTheSourceWithoutACopy)
{
    const QImage source = halves(200, 100);
    ScaledImageCache cache;
    // 200 × 100 at zoom 42 is 8400 × 4200 points: 35 million pixels at ratio 1, above the limit.
    const QRectF where(-4100, 0, 8400, 4200);
    ASSERT_GT(8400.0 * 4200.0, double(ScaledImageCache::maxCachedPixels));
    QImage canvas = target(QSize(200, 100), 1.0);
    {
        QPainter painter(&canvas);
        cache.draw(painter, source, where, QRectF(canvas.rect()), 1.0);
    }
    EXPECT_FALSE(cache.holds(source, where, 1.0));
    // The middle of the image lies at x = 100 of the canvas: red on the left, blue on the right.
    EXPECT_TRUE(isRed(canvas.pixel(50, 50)));
    EXPECT_TRUE(isBlue(canvas.pixel(150, 50)));
}

} // namespace
} // namespace tarnveil
