#pragma once

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tarnveil {

/// Draws an image at the canvas's zoom from a copy scaled once to device pixels, so that a
/// repaint only copies pixels. The copy is rebuilt when the image, the scaled size or the
/// device pixel ratio changes. A copy larger than `maxCachedPixels` is never made: such an
/// image is scaled from the source for the exposed part only, on every paint, which keeps
/// memory bounded for very large images at high zoom.
class ScaledImageCache {
public:
    /// About 128 MiB of 32-bit pixels.
    static constexpr qint64 maxCachedPixels = 32LL * 1024 * 1024;

    /// Draws `image` into `target` (logical coordinates); `exposed` is the part that needs
    /// painting (the painter is expected to be clipped to it). With `deferRebuild` (while a zoom gesture runs) a stale copy is not rebuilt;
    /// the exposed part is scaled from the source instead.
    void draw(QPainter& painter, const QImage& image, const QRectF& target, const QRectF& exposed,
              double devicePixelRatio, bool deferRebuild = false);

    /// Forgets the scaled copy.
    void clear();

    /// True when a scaled copy for these arguments is held (drawing uses it as it is).
    bool holds(const QImage& image, const QRectF& target, double devicePixelRatio) const;

private:
    static QSize deviceSize(const QRectF& target, double devicePixelRatio);
    static void drawFromSource(QPainter& painter, const QImage& image, const QRectF& target, const QRectF& exposed);

    QPixmap scaled_;
    qint64 sourceKey_ = 0;
    QSize deviceSize_;
    double devicePixelRatio_ = 0;
};

} // namespace tarnveil
