#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QScreen>

namespace tarnveil {

/// One display as it looked the moment it was grabbed: where it lies on the desktop (global
/// coordinates in device-independent pixels, origin at the top-left of the primary display),
/// how many image pixels make one of those, and the image itself at full resolution. The area
/// selector draws this frozen picture, and the capture is cut from it, so the selector never
/// appears in the result.
struct FrozenScreen {
    QRect geometry;
    double devicePixelRatio = 1.0;
    QImage image;
    /// The live screen, for placing the selector's window; may be gone.
    QPointer<QScreen> screen;

    /// The part of the image under `area` (global coordinates), at full resolution: the
    /// origin is rounded down to a pixel, width and height are the integer part of the
    /// area's size times the pixel ratio. Cut to the image; null when nothing of it is left.
    QImage cut(const QRectF& area) const;
};

} // namespace tarnveil
