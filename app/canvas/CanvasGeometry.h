#pragma once

#include <optional>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "ocr/Rect.h"

namespace tarnveil::CanvasGeometry {

/// The zoom range of pinch and wheel gestures.
inline constexpr double minGestureZoom = 0.1;
inline constexpr double maxGestureZoom = 8.0;
/// The zoom range of a fit: never above 100 %, down to 5 % for very large images.
inline constexpr double minFitZoom = 0.05;
inline constexpr double maxFitZoom = 1.0;
/// Ctrl + wheel: this factor per wheel step of 120 units.
inline constexpr double wheelZoomFactor = 1.25;
inline constexpr double wheelStepUnits = 120.0;

/// A zoom of exactly 0 counts as 1 in the conversions.
double effectiveZoom(double zoom);

/// Where the image is drawn inside a view of `bounds` size: `zoom` × the image size, centred.
/// The origin is rounded down to whole device pixels so that an unscaled image stays crisp.
/// An empty image size gives an empty rectangle.
QRectF drawRect(QSizeF bounds, QSizeF imageSize, double zoom, double devicePixelRatio = 1.0);

/// The size the view takes inside a viewport: at least the viewport, and large enough to hold
/// the image at `zoom` (whole pixels), so the image is centred while it is smaller and
/// scrollable once it is larger.
QSizeF viewSize(QSizeF viewport, QSizeF imageSize, double zoom);

QPointF viewToImage(QPointF view, const QRectF& drawRect, double zoom);
QPointF imageToView(QPointF image, const QRectF& drawRect, double zoom);
QRectF imageRectToView(const Rect& image, const QRectF& drawRect, double zoom);

/// The rectangle spanned by two corners, with non-negative width and height.
Rect spanned(QPointF a, QPointF b);
QRectF spannedView(QPointF a, QPointF b);

/// The zoom that shows the whole image in `content`, within the fit range; none when the
/// content area or the image is empty.
std::optional<double> fitZoom(QSizeF content, QSizeF imageSize);

/// A pinch by `magnification` (0.1 is 10 % larger), within the gesture range.
double pinchZoom(double zoom, double magnification);

/// A Ctrl + wheel turn of `angleDelta` units (120 a step; positive enlarges), within the
/// gesture range.
double wheelZoom(double zoom, double angleDelta);

} // namespace tarnveil::CanvasGeometry
