#include "canvas/ScaledImageCache.h"

#include <cmath>

#include <QPainter>

namespace tarnveil {

QSize ScaledImageCache::deviceSize(const QRectF& target, double devicePixelRatio)
{
    return {static_cast<int>(std::lround(target.width() * devicePixelRatio)),
            static_cast<int>(std::lround(target.height() * devicePixelRatio))};
}

bool ScaledImageCache::holds(const QImage& image, const QRectF& target, double devicePixelRatio) const
{
    return !scaled_.isNull() && sourceKey_ == image.cacheKey() && devicePixelRatio_ == devicePixelRatio &&
           deviceSize_ == deviceSize(target, devicePixelRatio);
}

void ScaledImageCache::clear()
{
    scaled_ = QPixmap();
    sourceKey_ = 0;
    deviceSize_ = QSize();
    devicePixelRatio_ = 0;
}

void ScaledImageCache::drawFromSource(QPainter& painter, const QImage& image, const QRectF& target,
                                      const QRectF& exposed)
{
    const QRectF part = target.intersected(exposed);
    if (part.isEmpty()) {
        return;
    }
    const double sx = image.width() / target.width();
    const double sy = image.height() / target.height();
    const QRectF source((part.left() - target.left()) * sx, (part.top() - target.top()) * sy, part.width() * sx,
                        part.height() * sy);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(part, image, source);
    painter.restore();
}

void ScaledImageCache::draw(QPainter& painter, const QImage& image, const QRectF& target, const QRectF& exposed,
                            double devicePixelRatio, bool deferRebuild)
{
    if (image.isNull() || target.isEmpty()) {
        return;
    }
    const QSize size = deviceSize(target, devicePixelRatio);
    if (!holds(image, target, devicePixelRatio)) {
        const qint64 pixels = static_cast<qint64>(size.width()) * size.height();
        if (deferRebuild || pixels > maxCachedPixels || size.isEmpty()) {
            drawFromSource(painter, image, target, exposed);
            return;
        }
        const QImage scaled = size == image.size()
                                  ? image
                                  : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_ = QPixmap::fromImage(scaled);
        scaled_.setDevicePixelRatio(devicePixelRatio);
        sourceKey_ = image.cacheKey();
        deviceSize_ = size;
        devicePixelRatio_ = devicePixelRatio;
    }
    // The painter is clipped to the exposed area already: only that part is copied.
    painter.drawPixmap(target.topLeft(), scaled_);
}

} // namespace tarnveil
