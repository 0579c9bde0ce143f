#include "canvas/CanvasHandle.h"

#include <cmath>

namespace tarnveil {

namespace {

/// The hit-test order: bottom row first, then the middle row, then the top row.
constexpr std::array<CanvasHandle, canvasHandleCount> hitOrder = {
    CanvasHandle::bl, CanvasHandle::b, CanvasHandle::br, CanvasHandle::l,
    CanvasHandle::r,  CanvasHandle::tl, CanvasHandle::t, CanvasHandle::tr,
};

bool movesLeft(CanvasHandle handle)
{
    return handle == CanvasHandle::tl || handle == CanvasHandle::bl || handle == CanvasHandle::l;
}

bool movesRight(CanvasHandle handle)
{
    return handle == CanvasHandle::tr || handle == CanvasHandle::br || handle == CanvasHandle::r;
}

bool movesTop(CanvasHandle handle)
{
    return handle == CanvasHandle::tl || handle == CanvasHandle::tr || handle == CanvasHandle::t;
}

bool movesBottom(CanvasHandle handle)
{
    return handle == CanvasHandle::bl || handle == CanvasHandle::br || handle == CanvasHandle::b;
}

} // namespace

const std::array<CanvasHandle, canvasHandleCount>& allCanvasHandles()
{
    static constexpr std::array<CanvasHandle, canvasHandleCount> all = {
        CanvasHandle::tl, CanvasHandle::tr, CanvasHandle::bl, CanvasHandle::br,
        CanvasHandle::t,  CanvasHandle::b,  CanvasHandle::l,  CanvasHandle::r,
    };
    return all;
}

QPointF handleCentre(const QRectF& rect, CanvasHandle handle)
{
    const double x = movesLeft(handle) ? rect.left() : movesRight(handle) ? rect.right() : rect.center().x();
    const double y = movesTop(handle) ? rect.top() : movesBottom(handle) ? rect.bottom() : rect.center().y();
    return {x, y};
}

std::optional<CanvasHandle> hitHandle(const QRectF& rect, QPointF point)
{
    for (const CanvasHandle handle : hitOrder) {
        const QPointF centre = handleCentre(rect, handle);
        if (std::abs(point.x() - centre.x()) <= canvasHandleReach &&
            std::abs(point.y() - centre.y()) <= canvasHandleReach) {
            return handle;
        }
    }
    return std::nullopt;
}

Rect resizedRect(const Rect& origin, CanvasHandle handle, double dx, double dy)
{
    double minX = origin.minX();
    double maxX = origin.maxX();
    double minY = origin.minY();
    double maxY = origin.maxY();
    if (movesLeft(handle)) {
        minX += dx;
    }
    if (movesRight(handle)) {
        maxX += dx;
    }
    if (movesTop(handle)) {
        minY += dy;
    }
    if (movesBottom(handle)) {
        maxY += dy;
    }
    return Rect{std::min(minX, maxX), std::min(minY, maxY), std::abs(maxX - minX), std::abs(maxY - minY)};
}

} // namespace tarnveil
