#pragma once

#include <string>
#include <vector>

#include <QImage>

#include "detection/Result.h"
#include "ocr/OCRObservation.h"
#include "ocr/Size.h"
#include "ocr/engine/PassTimings.h"

namespace tarnveil::TesseractPass {

/// One recognition pass of Tesseract (LSTM, English, dictionaries off) over `image`: every
/// recognised line at least 0.008 of the image's height tall, in the engine's order. A line's
/// string is its words joined by single spaces, its confidence the engine's line confidence
/// as a fraction, and its recognised-text handle answers boxes from the symbols. Boxes are
/// expressed in an image of `imageSize` (the source's pixels, when `image` is an enlarged copy).
/// Fails when the engine cannot start (missing language data) or cannot read the bitmap.
Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source);

/// `run`, telling where the time went.
Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source, PassTimings& timings);

} // namespace tarnveil::TesseractPass
