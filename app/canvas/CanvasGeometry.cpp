#include "canvas/CanvasGeometry.h"

#include <algorithm>
#include <cmath>

namespace tarnveil::CanvasGeometry {

namespace {

/// Within the gesture range; a result that is not a number (a broken event) keeps `current`.
double clampGesture(double zoom, double current)
{
    if (!std::isfinite(zoom)) {
        zoom = std::isfinite(current) ? current : 1.0;
    }
    return std::max(std::min(zoom, maxGestureZoom), minGestureZoom);
}

} // namespace

double effectiveZoom(double zoom)
{
    return zoom == 0 ? 1.0 : zoom;
}

QRectF drawRect(QSizeF bounds, QSizeF imageSize, double zoom, double devicePixelRatio)
{
    if (imageSize.isEmpty()) {
        return {};
    }
    const double width = zoom * imageSize.width();
    const double height = zoom * imageSize.height();
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const double x = std::floor((bounds.width() - width) / 2 * ratio) / ratio;
    const double y = std::floor((bounds.height() - height) / 2 * ratio) / ratio;
    return {x, y, width, height};
}

QSizeF viewSize(QSizeF viewport, QSizeF imageSize, double zoom)
{
    if (imageSize.isEmpty()) {
        return viewport;
    }
    return {std::max(viewport.width(), std::ceil(zoom * imageSize.width())),
            std::max(viewport.height(), std::ceil(zoom * imageSize.height()))};
}

QPointF viewToImage(QPointF view, const QRectF& drawRect, double zoom)
{
    const double z = effectiveZoom(zoom);
    return {(view.x() - drawRect.left()) / z, (view.y() - drawRect.top()) / z};
}

QPointF imageToView(QPointF image, const QRectF& drawRect, double zoom)
{
    return {drawRect.left() + image.x() * zoom, drawRect.top() + image.y() * zoom};
}

QRectF imageRectToView(const Rect& image, const QRectF& drawRect, double zoom)
{
    return {drawRect.left() + zoom * image.minX(), drawRect.top() + zoom * image.minY(),
            zoom * image.standardWidth(), zoom * image.standardHeight()};
}

Rect spanned(QPointF a, QPointF b)
{
    return Rect{std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()), std::abs(a.y() - b.y())};
}

QRectF spannedView(QPointF a, QPointF b)
{
    const Rect rect = spanned(a, b);
    return {rect.x, rect.y, rect.width, rect.height};
}

std::optional<double> fitZoom(QSizeF content, QSizeF imageSize)
{
    if (!(content.width() > 0 && content.height() > 0) || imageSize.isEmpty()) {
        return std::nullopt;
    }
    const double fit =
        std::min({content.width() / imageSize.width(), content.height() / imageSize.height(), maxFitZoom});
    return std::max(fit, minFitZoom);
}

double pinchZoom(double zoom, double magnification)
{
    return clampGesture(zoom * (1 + magnification), zoom);
}

double wheelZoom(double zoom, double angleDelta)
{
    return clampGesture(zoom * std::pow(wheelZoomFactor, angleDelta / wheelStepUnits), zoom);
}

} // namespace tarnveil::CanvasGeometry
