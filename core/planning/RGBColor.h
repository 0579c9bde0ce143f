#pragma once

namespace tarnveil {

/// A colour as red, green and blue components from 0 to 1, with its opacity.
struct RGBColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};

} // namespace tarnveil
