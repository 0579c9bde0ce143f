#include "ocr/engine/LineReader.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <opencv2/imgproc.hpp>
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include "ocr/engine/GreyView.h"
#include "ocr/engine/RowCollector.h"
#include "ocr/engine/TesseractEngine.h"

namespace tarnveil::LineReader {

namespace {

/// The part of `bitmap` that `area` covers with its room, cut to the bitmap.
PixelBox cropOf(const QImage& bitmap, const PixelBox& area, int padX, int padY)
{
    return {std::max(0, area.left - padX), std::max(0, area.top - padY), std::min(bitmap.width(), area.right + padX),
            std::min(bitmap.height(), area.bottom + padY)};
}

QImage lineImage(const QImage& bitmap, const PixelBox& crop, double scale)
{
    const int width = int(std::lround(crop.width() * scale));
    const int height = int(std::lround(crop.height() * scale));
    if (width < 1 || height < 1) {
        return {};
    }
    QImage image(width + 2 * marginPixels, height + 2 * marginPixels, QImage::Format_Grayscale8);
    if (image.isNull()) {
        return image;
    }
    image.fill(255);
    cv::Mat inner = greyView(image)(cv::Rect(marginPixels, marginPixels, width, height));
    const cv::Mat piece = greyView(bitmap)(cv::Rect(crop.left, crop.top, crop.width(), crop.height()));
    if (scale == 1) {
        piece.copyTo(inner);
    } else {
        cv::resize(piece, inner, inner.size(), 0, 0, cv::INTER_CUBIC);
    }
    return image;
}

} // namespace

double scaleFor(int height, double targetHeight)
{
    return std::clamp(targetHeight / std::max(1, height), 1.0, maximumScale);
}

LineReading readImage(const QImage& image, Layout layout, const BoxMapping& mapping)
{
    auto engine = TesseractEngine::borrow();
    if (!engine.ok()) {
        return {{}, engine.error()};
    }
    tesseract::TessBaseAPI& api = *engine.value();
    api.SetPageSegMode(layout == Layout::singleLine ? tesseract::PSM_SINGLE_LINE : tesseract::PSM_SINGLE_BLOCK);
    api.SetImage(image.constBits(), image.width(), image.height(), 1, int(image.bytesPerLine()));
    api.SetSourceResolution(96);
    if (api.Recognize(nullptr) != 0) {
        return {{}, "text recognition failed: Tesseract could not read the image"};
    }
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it) {
        return {};
    }
    return {RowCollector(mapping).collect(*it), {}};
}

LineReading read(const QImage& bitmap, const PixelBox& area, int padX, int padY, double scale, double toSource)
{
    const PixelBox crop = cropOf(bitmap, area, padX, padY);
    if (crop.empty() || !(scale >= 1) || !std::isfinite(scale)) {
        return {};
    }
    const QImage image = lineImage(bitmap, crop, scale);
    if (image.isNull()) {
        return {};
    }
    return readImage(image, Layout::singleLine,
                     BoxMapping{toSource / scale, crop.left * scale - marginPixels, crop.top * scale - marginPixels});
}

} // namespace tarnveil::LineReader
