#pragma once

#include <algorithm>
#include <cmath>

namespace tarnveil::leakbench {

/// The whole pixels a rectangle in image coordinates covers: those whose centre lies inside
/// it, as the half-open ranges [left, right) x [top, bottom). A rectangle with whole-pixel
/// edges covers exactly the pixels between them.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static PixelRect covering(double x, double y, double width, double height)
    {
        if (!(width > 0) || !(height > 0) || !std::isfinite(x + y + width + height)) {
            return {};
        }
        return {firstCentreAtOrAfter(x), firstCentreAtOrAfter(y), firstCentreAtOrAfter(x + width),
                firstCentreAtOrAfter(y + height)};
    }

    PixelRect clippedTo(int width, int height) const
    {
        return {std::clamp(left, 0, width), std::clamp(top, 0, height), std::clamp(right, 0, width),
                std::clamp(bottom, 0, height)};
    }

    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int px, int py) const { return px >= left && px < right && py >= top && py < bottom; }

private:
    // Pixel p has its centre at p + 0.5; an edge at e admits the pixels with p + 0.5 >= e.
    static int firstCentreAtOrAfter(double edge)
    {
        const double clamped = std::clamp(edge, -1.0e7, 1.0e7);
        return static_cast<int>(std::ceil(clamped - 0.5));
    }
};

} // namespace tarnveil::leakbench
