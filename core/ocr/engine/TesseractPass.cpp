#include "ocr/engine/TesseractPass.h"

#include <algorithm>
#include <memory>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include "ocr/RecognizedLineBuilder.h"
#include "ocr/engine/ScreenshotPreparation.h"
#include "ocr/engine/TesseractEngine.h"

namespace tarnveil::TesseractPass {

namespace {

/// Lines lower than this fraction of the image's height are left out.
constexpr double minimumTextHeight = 0.008;
/// How much each pass enlarges its bitmap before recognition.
constexpr double preparationScale = 1.0;

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
    int border;

    Rect operator()(int left, int top, int right, int bottom) const
    {
        return Rect{(left - border) * toSource, (top - border) * toSource, (right - left) * toSource,
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

/// Walks the engine's results symbol by symbol and assembles the lines.
class LineCollector {
public:
    LineCollector(const Size& imageSize, OCRObservation::Source source, BoxMapping mapping)
        : imageSize_(imageSize), source_(source), mapping_(mapping), builder_(imageSize)
    {
    }

    void collect(tesseract::ResultIterator& it)
    {
        using tesseract::RIL_SYMBOL;
        using tesseract::RIL_TEXTLINE;
        using tesseract::RIL_WORD;
        it.Begin();
        do {
            if (it.Empty(RIL_SYMBOL)) {
                continue;
            }
            if (it.IsAtBeginningOf(RIL_TEXTLINE)) {
                finishWord();
                finishLine();
                lineBox_ = boxAt(it, RIL_TEXTLINE, mapping_);
                lineConfidence_ = std::clamp(it.Confidence(RIL_TEXTLINE) / 100.0f, 0.0f, 1.0f);
            }
            if (it.IsAtBeginningOf(RIL_WORD)) {
                finishWord();
                wordBox_ = boxAt(it, RIL_WORD, mapping_);
            }
            symbols_.push_back({takeText(it.GetUTF8Text(RIL_SYMBOL)), boxAt(it, RIL_SYMBOL, mapping_)});
        } while (it.Next(RIL_SYMBOL));
        finishWord();
        finishLine();
    }

    std::vector<OCRObservation> lines() && { return std::move(lines_); }

private:
    void finishWord()
    {
        if (!symbols_.empty()) {
            builder_.addWord(wordBox_, symbols_);
            symbols_.clear();
        }
    }

    void finishLine()
    {
        if (builder_.empty()) {
            return;
        }
        OCRObservation line = builder_.build(lineBox_, lineConfidence_, source_);
        if (line.pixelBoundingBox.standardHeight() >= minimumTextHeight * imageSize_.height) {
            lines_.push_back(std::move(line));
        }
    }

    Size imageSize_;
    OCRObservation::Source source_;
    BoxMapping mapping_;
    RecognizedLineBuilder builder_;
    Rect lineBox_;
    float lineConfidence_ = 0;
    Rect wordBox_;
    std::vector<RecognizedLineBuilder::Symbol> symbols_;
    std::vector<OCRObservation> lines_;
};

} // namespace

Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source)
{
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        return std::vector<OCRObservation>{};
    }
    auto engine = TesseractEngine::borrow();
    if (!engine.ok()) {
        return failure(engine.error());
    }
    const ScreenshotPreparation prepared = ScreenshotPreparation::prepare(image, preparationScale);
    if (prepared.bitmap.isNull()) {
        return failure(std::string("text recognition failed: the image is too large to prepare"));
    }
    tesseract::TessBaseAPI& api = *engine.value();
    api.SetImage(prepared.bitmap.constBits(), prepared.bitmap.width(), prepared.bitmap.height(), 1,
                 int(prepared.bitmap.bytesPerLine()));
    api.SetSourceResolution(96);
    if (api.Recognize(nullptr) != 0) {
        return failure(std::string("text recognition failed: Tesseract could not read the image"));
    }
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it) {
        return std::vector<OCRObservation>{};
    }
    // Boxes of the prepared bitmap → pixels of the image passed in → pixels of the source.
    const double toSource = imageSize.width / (double(image.width()) * prepared.scale);
    LineCollector collector(imageSize, source, BoxMapping{toSource, prepared.border});
    collector.collect(*it);
    return std::move(collector).lines();
}

} // namespace tarnveil::TesseractPass
