#include "ocr/engine/OCRService.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>

#include <opencv2/imgproc.hpp>

#include "ocr/Geometry.h"
#include "ocr/engine/TesseractPass.h"

namespace tarnveil {

namespace {

/// Tops of lines at most this many pixels apart belong to one row.
constexpr double rowTolerance = 6;

bool readsBefore(const OCRObservation& a, const OCRObservation& b)
{
    const double topA = a.pixelBoundingBox.minY();
    const double topB = b.pixelBoundingBox.minY();
    if (std::abs(topA - topB) > rowTolerance) {
        return topA < topB;
    }
    return a.pixelBoundingBox.minX() < b.pixelBoundingBox.minX();
}

bool duplicates(const OCRObservation& line, const OCRObservation& survivor, double threshold)
{
    const Rect& a = line.pixelBoundingBox;
    const Rect& b = survivor.pixelBoundingBox;
    return Geometry::iou(a, b) > threshold ||
           (Geometry::sameBaseline(a, b, 0.5) && Geometry::horizontalIoU(a, b) > threshold);
}

using PassResult = Result<std::vector<OCRObservation>, std::string>;

} // namespace

OCRService::OCRService(double upscaleThresholdWidth, double dedupIoUThreshold)
    : OCRService(upscaleThresholdWidth, dedupIoUThreshold,
                 [](const QImage& image, const Size& imageSize, OCRObservation::Source source) {
                     return TesseractPass::run(image, imageSize, source);
                 })
{
    // The Tesseract pass finds the lines first and reads each one enlarged to the size the
    // engine reads best, which is what the enlarged copy of a narrow image is for; reading
    // that copy as well would double the work and find the same lines.
    enlargedCopy_ = false;
}

OCRService::OCRService(double upscaleThresholdWidth, double dedupIoUThreshold, Pass pass)
    : upscaleThresholdWidth(upscaleThresholdWidth), dedupIoUThreshold(dedupIoUThreshold), pass_(std::move(pass))
{
}

Result<std::vector<OCRObservation>, std::string> OCRService::run(const QImage& image, const Size& imageSize,
                                                                 OCRObservation::Source source) const
{
    try {
        return pass_(image, imageSize, source);
    } catch (const std::exception& error) {
        return failure(std::string("text recognition failed: ") + error.what());
    }
}

Result<OCRResult, std::string> OCRService::recognizeText(const QImage& image) const
{
    const Size size{double(image.width()), double(image.height())};
    const bool enlarge = enlargedCopy_ && upscaleThresholdWidth > size.width;

    // The enlarged pass runs on a thread of its own while this thread does the native one;
    // each pass drives its own engine instance, so they share nothing.
    std::optional<PassResult> extra;
    std::thread second;
    if (enlarge) {
        second = std::thread([&] {
            const QImage big = upscaled(image, 2.0);
            if (!big.isNull()) {
                extra = run(big, size, OCRObservation::Source::upscaled);
            }
        });
    }
    PassResult native = run(image, size, OCRObservation::Source::native);
    if (second.joinable()) {
        second.join();
    }
    if (!native.ok()) {
        return failure(native.error());
    }
    std::vector<OCRObservation> lines = std::move(native).value();
    if (extra) {
        if (!extra->ok()) {
            return failure(extra->error());
        }
        std::vector<OCRObservation>& more = extra->value();
        lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
        lines = deduplicated(std::move(lines), dedupIoUThreshold);
    }
    sortIntoReadingOrder(lines);
    return OCRResult{std::move(lines), size};
}

QImage OCRService::upscaled(const QImage& image, double scale)
{
    if (image.isNull() || !(scale > 0) || !std::isfinite(scale)) {
        return {};
    }
    const double width = std::round(image.width() * scale);
    const double height = std::round(image.height() * scale);
    // The copy must stay addressable by a 32-bit pixel count.
    if (width < 1 || height < 1 || width * height * 4 > double(INT32_MAX)) {
        return {};
    }
    const QImage source = image.convertToFormat(QImage::Format_RGB888);
    QImage big(int(width), int(height), QImage::Format_RGB888);
    if (source.isNull() || big.isNull()) {
        return {};
    }
    try {
        const cv::Mat from(source.height(), source.width(), CV_8UC3, const_cast<uchar*>(source.constBits()),
                           size_t(source.bytesPerLine()));
        cv::Mat to(big.height(), big.width(), CV_8UC3, big.bits(), size_t(big.bytesPerLine()));
        cv::resize(from, to, to.size(), 0, 0, cv::INTER_LANCZOS4);
    } catch (const cv::Exception&) {
        return {};
    }
    return big;
}

std::vector<OCRObservation> OCRService::deduplicated(std::vector<OCRObservation> lines, double threshold)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const OCRObservation& a, const OCRObservation& b) { return a.confidence > b.confidence; });
    std::vector<OCRObservation> survivors;
    for (OCRObservation& line : lines) {
        const bool dropped = std::any_of(survivors.begin(), survivors.end(), [&](const OCRObservation& survivor) {
            return duplicates(line, survivor, threshold);
        });
        if (!dropped) {
            survivors.push_back(std::move(line));
        }
    }
    return survivors;
}

void OCRService::sortIntoReadingOrder(std::vector<OCRObservation>& lines)
{
    std::stable_sort(lines.begin(), lines.end(), readsBefore);
}

} // namespace tarnveil
