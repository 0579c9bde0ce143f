#pragma once

#include <array>
#include <optional>

#include <QPointF>
#include <QRectF>

#include "ocr/Rect.h"

namespace tarnveil {

/// The eight resize handles of a selected region, named as seen on screen: the corners
/// top-left, top-right, bottom-left, bottom-right, then the midpoints of the top, bottom, left
/// and right edges.
enum class CanvasHandle {
    tl,
    tr,
    bl,
    br,
    t,
    b,
    l,
    r,
};

inline constexpr std::size_t canvasHandleCount = 8;

/// The side of a handle square, in view pixels.
inline constexpr double canvasHandleSize = 8.0;
/// How far from a handle's centre, on each axis, a click still takes the handle.
inline constexpr double canvasHandleReach = 8.0;

/// The centre of `handle` on the view rectangle `rect`.
QPointF handleCentre(const QRectF& rect, CanvasHandle handle);

/// Every handle in declaration order.
const std::array<CanvasHandle, canvasHandleCount>& allCanvasHandles();

/// The handle of `rect` that `point` takes: the candidates are tried from the bottom of the
/// screen upwards (bottom-left, bottom, bottom-right, left, right, top-left, top, top-right)
/// and the first whose centre is within reach on both axes wins. None when no handle is near.
std::optional<CanvasHandle> hitHandle(const QRectF& rect, QPointF point);

/// `origin` (image pixels, y down) with the edges of `handle` moved by (dx, dy), normalised so
/// that an edge dragged across its opposite edge flips the rectangle instead of giving it a
/// negative size.
Rect resizedRect(const Rect& origin, CanvasHandle handle, double dx, double dy);

} // namespace tarnveil
