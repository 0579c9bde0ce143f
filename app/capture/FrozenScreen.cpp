#include "capture/FrozenScreen.h"

#include <cmath>

namespace tarnveil {

QImage FrozenScreen::cut(const QRectF& area) const
{
    if (image.isNull() || !area.isValid() || !std::isfinite(area.x()) || !std::isfinite(area.y()) ||
        !std::isfinite(area.width()) || !std::isfinite(area.height()) || devicePixelRatio <= 0) {
        return {};
    }
    const double left = std::floor((area.x() - geometry.x()) * devicePixelRatio);
    const double top = std::floor((area.y() - geometry.y()) * devicePixelRatio);
    const double width = std::trunc(area.width() * devicePixelRatio);
    const double height = std::trunc(area.height() * devicePixelRatio);
    const QRectF wanted(left, top, width, height);
    const QRect pixels = wanted.intersected(QRectF(image.rect())).toAlignedRect() & image.rect();
    if (pixels.isEmpty()) {
        return {};
    }
    QImage part = image.copy(pixels);
    part.setDevicePixelRatio(1.0);
    return part;
}

} // namespace tarnveil
