#pragma once

#include <string_view>

namespace tarnveil::leakbench {

/// How an image's text is rasterised. Screenshots come from desktops that smooth glyph edges
/// in grey, snapping outlines to the pixel grid, and from desktops that smooth them per colour
/// channel of an RGB stripe without snapping (a coloured fringe at every stem).
enum class Rendering {
    greyHinted,
    subpixelRgb,
};

inline std::string_view identifier(Rendering rendering)
{
    switch (rendering) {
    case Rendering::greyHinted: return "grey-hinted";
    case Rendering::subpixelRgb: return "subpixel-rgb";
    }
    return "unknown";
}

} // namespace tarnveil::leakbench
