#include "ocr/engine/TesseractPass.h"

#include <algorithm>
#include <memory>
#include <cstring>
#include <functional>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include "ocr/KeyBlockRepair.h"
#include "ocr/RecognizedLineBuilder.h"
#include "ocr/RowJoiner.h"
#include "ocr/TokenRepair.h"
#include "ocr/engine/BandSplitter.h"
#include "ocr/engine/GapInspector.h"
#include "ocr/engine/RecognitionPool.h"
#include "ocr/engine/ScreenshotPreparation.h"
#include "ocr/engine/TesseractEngine.h"

namespace tarnveil::TesseractPass {

namespace {

/// Lines lower than this fraction of the image's height are left out.
constexpr double minimumTextHeight = 0.008;
/// How much each pass enlarges its bitmap before recognition.
constexpr double preparationScale = 1.0;
/// The bitmap is recognised in horizontal bands of about this many pixels, spread over the
/// recognition threads.
constexpr double bandPixels = 1.2e6;
/// White margin around each band, in prepared pixels.
constexpr int marginPixels = 12;

struct TextDeleter {
    void operator()(char* text) const { delete[] text; }
};

std::string takeText(char* text)
{
    std::unique_ptr<char[], TextDeleter> owned(text);
    return owned ? std::string(owned.get()) : std::string();
}

/// Maps boxes of the prepared bitmap back to pixels of the source image.
struct BoxMapping {
    double toSource; ///< source pixels per prepared pixel
    int offsetX;     ///< prepared pixels to add to a box's x before scaling
    int offsetY;

    Rect operator()(int left, int top, int right, int bottom) const
    {
        return Rect{(left + offsetX) * toSource, (top + offsetY) * toSource, (right - left) * toSource,
                    (bottom - top) * toSource};
    }
};

Rect boxAt(const tesseract::ResultIterator& it, tesseract::PageIteratorLevel level, const BoxMapping& mapping)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!it.BoundingBox(level, &left, &top, &right, &bottom)) {
        return Rect{};
    }
    return mapping(left, top, right, bottom);
}

/// Walks the engine's results symbol by symbol and gathers the rows it segmented.
class RowCollector {
public:
    explicit RowCollector(BoxMapping mapping) : mapping_(mapping) {}

    std::vector<RecognizedRow> collect(tesseract::ResultIterator& it) &&
    {
        using tesseract::RIL_SYMBOL;
        using tesseract::RIL_TEXTLINE;
        using tesseract::RIL_WORD;
        it.Begin();
        do {
            if (it.Empty(RIL_SYMBOL)) {
                continue;
            }
            if (it.IsAtBeginningOf(RIL_TEXTLINE) || rows_.empty()) {
                rows_.push_back(RecognizedRow{boxAt(it, RIL_TEXTLINE, mapping_),
                                              std::clamp(it.Confidence(RIL_TEXTLINE) / 100.0f, 0.0f, 1.0f), {}});
            }
            if (it.IsAtBeginningOf(RIL_WORD) || rows_.back().words.empty()) {
                rows_.back().words.push_back(RecognizedWord{boxAt(it, RIL_WORD, mapping_), {}});
            }
            rows_.back().words.back().symbols.push_back(
                {takeText(it.GetUTF8Text(RIL_SYMBOL)), boxAt(it, RIL_SYMBOL, mapping_)});
        } while (it.Next(RIL_SYMBOL));
        return std::move(rows_);
    }

private:
    BoxMapping mapping_;
    std::vector<RecognizedRow> rows_;
};

struct BandOutcome {
    std::vector<RecognizedRow> rows;
    std::string error;
};

/// The band's rows of `bitmap`, copied with a white margin, as Tesseract reads best.
QImage bandWithMargin(const QImage& bitmap, const BandSplitter::Band& band)
{
    QImage copy(bitmap.width() + 2 * marginPixels, band.bottom - band.top + 2 * marginPixels,
                QImage::Format_Grayscale8);
    if (copy.isNull()) {
        return copy;
    }
    copy.fill(255);
    for (int y = band.top; y < band.bottom; ++y) {
        std::memcpy(copy.scanLine(y - band.top + marginPixels) + marginPixels, bitmap.constScanLine(y),
                    std::size_t(bitmap.width()));
    }
    return copy;
}

BandOutcome recognizeBand(const QImage& bitmap, const BandSplitter::Band& band, double toSource)
{
    auto engine = TesseractEngine::borrow();
    if (!engine.ok()) {
        return {{}, engine.error()};
    }
    const QImage copy = bandWithMargin(bitmap, band);
    if (copy.isNull()) {
        return {{}, "text recognition failed: the image is too large to prepare"};
    }
    tesseract::TessBaseAPI& api = *engine.value();
    api.SetImage(copy.constBits(), copy.width(), copy.height(), 1, int(copy.bytesPerLine()));
    api.SetSourceResolution(96);
    if (api.Recognize(nullptr) != 0) {
        return {{}, "text recognition failed: Tesseract could not read the image"};
    }
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it) {
        return {};
    }
    const BoxMapping mapping{toSource, -marginPixels, band.top - marginPixels};
    return {RowCollector(mapping).collect(*it), {}};
}

} // namespace

Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source)
{
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        return std::vector<OCRObservation>{};
    }
    const ScreenshotPreparation prepared = ScreenshotPreparation::prepare(image, preparationScale);
    if (prepared.bitmap.isNull()) {
        return failure(std::string("text recognition failed: the image is too large to prepare"));
    }
    const auto bands = BandSplitter::bands(prepared.bitmap, bandPixels);
    std::vector<BandOutcome> outcomes(bands.size());
    std::vector<std::function<void()>> jobs;
    // Boxes of the prepared bitmap → pixels of the image passed in → pixels of the source.
    const double toSource = imageSize.width / (double(image.width()) * prepared.scale);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        jobs.emplace_back([&, i] { outcomes[i] = recognizeBand(prepared.bitmap, bands[i], toSource); });
    }
    RecognitionPool::shared().runAll(std::move(jobs));

    std::vector<RecognizedRow> rows;
    for (BandOutcome& outcome : outcomes) {
        if (!outcome.error.empty()) {
            return failure(outcome.error);
        }
        std::move(outcome.rows.begin(), outcome.rows.end(), std::back_inserter(rows));
    }
    std::vector<RecognizedRow> repaired;
    for (RecognizedRow& joined : RowJoiner::joined(std::move(rows))) {
        repaired.push_back(
            TokenRepair::repaired(GapInspector::withUnderscoresRestored(std::move(joined), prepared.bitmap, toSource)));
    }
    KeyBlockRepair::repair(repaired);
    std::vector<OCRObservation> lines;
    for (const RecognizedRow& row : repaired) {
        auto line = RecognizedLineBuilder::build(row, imageSize, source);
        if (line && line->pixelBoundingBox.standardHeight() >= minimumTextHeight * imageSize.height) {
            lines.push_back(std::move(*line));
        }
    }
    return lines;
}

} // namespace tarnveil::TesseractPass
