#pragma once

#include "ocr/Rect.h"

namespace tarnveil {

/// Maps boxes of a bitmap handed to the engine (a band, or an enlarged crop of a line) back to
/// pixels of the source image: source = (engine pixel + offset) × toSource.
struct BoxMapping {
    double toSource; ///< source pixels per pixel of the recognised bitmap
    double offsetX;  ///< pixels to add to a box's x before scaling
    double offsetY;

    Rect operator()(int left, int top, int right, int bottom) const
    {
        return Rect{(left + offsetX) * toSource, (top + offsetY) * toSource, (right - left) * toSource,
                    (bottom - top) * toSource};
    }
};

} // namespace tarnveil
