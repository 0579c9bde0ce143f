#pragma once

#include <QImage>

#include "InkMask.h"

namespace tarnveil::leakbench {

/// The pixels in which two drawings of the same rows differ.
class InkExtractor {
public:
    /// Compares two drawings of the same rows [top, top + height) of an image, one with an item
    /// and one without it; every pixel whose colour differs at all is ink. The mask is placed in
    /// the image's coordinates.
    static InkMask difference(const QImage& with, const QImage& without, int top);
};

} // namespace tarnveil::leakbench
