#pragma once

#include <vector>

#include "ocr/OCRObservation.h"
#include "ocr/Size.h"

namespace tarnveil {

/// All recognised lines of one image, in reading order, with the pixel size of the image
/// that was recognised.
struct OCRResult {
    std::vector<OCRObservation> observations;
    Size imageSize;
};

} // namespace tarnveil
