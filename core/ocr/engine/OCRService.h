#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QImage>

#include "detection/Result.h"
#include "ocr/OCRObservation.h"
#include "ocr/OCRResult.h"
#include "ocr/Size.h"

namespace tarnveil {

/// Turns one bitmap into its recognised text lines, in reading order. The image is recognised
/// at its own size and, when it is narrower than `upscaleThresholdWidth`, a second time as a
/// copy enlarged twice; the lines of both passes are pooled and near-duplicates removed. The
/// two passes run at the same time on two threads; the call returns when both are done. The
/// Tesseract pass enlarges every line it reads on its own, so with it there is no second pass.
///
/// A service is used by one thread at a time; its thresholds are plain fields.
class OCRService {
public:
    /// One recognition pass: the lines found in `image`, with pixel boxes in an image of
    /// `imageSize` (the source's size, whatever the size of `image`), tagged with `source`;
    /// or the engine's error.
    using Pass = std::function<Result<std::vector<OCRObservation>, std::string>(
        const QImage& image, const Size& imageSize, OCRObservation::Source source)>;

    /// Uses the Tesseract pass (one pass: it enlarges small lines itself).
    explicit OCRService(double upscaleThresholdWidth = 1600, double dedupIoUThreshold = 0.7);
    /// Uses `pass` for both passes (tests replace the engine with it).
    OCRService(double upscaleThresholdWidth, double dedupIoUThreshold, Pass pass);

    double upscaleThresholdWidth;
    double dedupIoUThreshold;

    /// The lines of `image` in reading order with the image's size, or the first error of
    /// either pass (and then nothing else).
    Result<OCRResult, std::string> recognizeText(const QImage& image) const;

    /// `image` enlarged `scale` times with a Lanczos filter, or a null image when it cannot be
    /// made (no pixels, or too large to allocate).
    static QImage upscaled(const QImage& image, double scale);

    /// The pooled lines without near-duplicates: highest confidence first (stable), a line is
    /// dropped when it overlaps a survivor by IoU > `threshold`, or sits on the survivor's
    /// baseline and overlaps it horizontally by more than `threshold`.
    static std::vector<OCRObservation> deduplicated(std::vector<OCRObservation> lines, double threshold);

    /// Stable sort into reading order: rows top to bottom, where tops at most 6 pixels apart
    /// form one row, ordered left to right.
    static void sortIntoReadingOrder(std::vector<OCRObservation>& lines);

private:
    Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                         OCRObservation::Source source) const;

    Pass pass_;
    bool enlargedCopy_ = true; ///< whether narrow images are read a second time, enlarged
};

} // namespace tarnveil
