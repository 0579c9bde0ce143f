#pragma once

#include <algorithm>
#include <cmath>

namespace tarnveil {

/// A rectangle: origin and size, in pixel space (top-left origin, y down) or in normalised
/// space (bottom-left origin, y up, fractions of the image) depending on where it is used.
/// The edge accessors read the standardised rectangle: a negative width or height counts as
/// its absolute value, with the origin moved accordingly.
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double minX() const { return std::min(x, x + width); }
    double maxX() const { return std::max(x, x + width); }
    double minY() const { return std::min(y, y + height); }
    double maxY() const { return std::max(y, y + height); }
    double standardWidth() const { return std::abs(width); }
    double standardHeight() const { return std::abs(height); }

    /// The same area with a non-negative width and height.
    Rect standardized() const { return Rect{minX(), minY(), standardWidth(), standardHeight()}; }

    bool isFinite() const
    {
        return std::isfinite(x) && std::isfinite(y) && std::isfinite(width) && std::isfinite(height);
    }
    /// Finite, with a positive width and height: a box that can be measured and united.
    bool hasArea() const { return isFinite() && standardWidth() > 0 && standardHeight() > 0; }

    /// Equal origins and sizes, coordinate by coordinate.
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace tarnveil
