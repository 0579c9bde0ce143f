#include "ocr/engine/TesseractPass.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <iterator>

#include "ocr/KeyBlockRepair.h"
#include "ocr/RecognizedLineBuilder.h"
#include "ocr/RowJoiner.h"
#include "ocr/TokenRepair.h"
#include "ocr/engine/BandSplitter.h"
#include "ocr/engine/GapInspector.h"
#include "ocr/engine/LineReader.h"
#include "ocr/engine/LineSegmenter.h"
#include "ocr/engine/RecognitionPool.h"
#include "ocr/engine/ScreenshotPreparation.h"
#include "ocr/engine/SecondLook.h"
#include "ocr/engine/UnreadInk.h"

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
/// The first reading enlarges each line until its box is about this many pixels high, never
/// shrinking it: small screen text reads better a little larger, while more enlargement costs
/// time and, on the first reading, no accuracy. Machine-made words get a closer second look.
constexpr double lineTargetHeight = 24;

class Stopwatch {
public:
    /// The milliseconds since the last lap (or the start).
    double lap()
    {
        const auto now = std::chrono::steady_clock::now();
        const double elapsed = std::chrono::duration<double, std::milli>(now - last_).count();
        last_ = now;
        return elapsed;
    }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
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

LineReading recognizeBand(const QImage& bitmap, const BandSplitter::Band& band, double toSource)
{
    const QImage copy = bandWithMargin(bitmap, band);
    if (copy.isNull()) {
        return {{}, "text recognition failed: the image is too large to prepare"};
    }
    return LineReader::readImage(copy, LineReader::Layout::singleBlock,
                                 BoxMapping{toSource, -double(marginPixels), double(band.top - marginPixels)});
}

/// The jobs that read `bitmap` in bands, one text block each.
std::vector<std::function<void()>> bandJobs(const QImage& bitmap, double toSource, std::vector<LineReading>& outcomes)
{
    const auto bands = BandSplitter::bands(bitmap, bandPixels);
    outcomes.resize(bands.size());
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        jobs.emplace_back([&bitmap, &outcomes, band = bands[i], toSource, i] {
            outcomes[i] = recognizeBand(bitmap, band, toSource);
        });
    }
    return jobs;
}

/// The jobs that read each line of `layout` on its own.
std::vector<std::function<void()>> lineJobs(const TextLineLayout& layout, double toSource,
                                            std::vector<LineReading>& outcomes)
{
    outcomes.resize(layout.lines.size());
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        jobs.emplace_back([&layout, &outcomes, toSource, i] {
            const PixelBox& line = layout.lines[i];
            outcomes[i] = LineReader::read(layout.cleaned, line, std::max(2, layout.glyphHeight / 2), 1,
                                           LineReader::scaleFor(line.height(), lineTargetHeight), toSource);
            UnreadInk::reach(outcomes[i], line, toSource);
        });
    }
    return jobs;
}

} // namespace

Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source)
{
    PassTimings timings;
    return run(image, imageSize, source, timings);
}

Result<std::vector<OCRObservation>, std::string> run(const QImage& image, const Size& imageSize,
                                                     OCRObservation::Source source, PassTimings& timings)
{
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        return std::vector<OCRObservation>{};
    }
    Stopwatch clock;
    const ScreenshotPreparation prepared = ScreenshotPreparation::prepare(image, preparationScale);
    if (prepared.bitmap.isNull()) {
        return failure(std::string("text recognition failed: the image is too large to prepare"));
    }
    timings.preparation = clock.lap();
    // Boxes of the prepared bitmap → pixels of the image passed in → pixels of the source.
    const double toSource = imageSize.width / (double(image.width()) * prepared.scale);
    const TextLineLayout layout = LineSegmenter::segment(prepared.bitmap);
    timings.segmentation = clock.lap();

    // A bitmap that is no screenshot of text (a photograph) is read in bands as one block.
    std::vector<LineReading> outcomes;
    RecognitionPool::shared().runAll(layout.usable ? lineJobs(layout, toSource, outcomes)
                                                   : bandJobs(prepared.bitmap, toSource, outcomes));
    std::vector<RecognizedRow> rows;
    for (LineReading& outcome : outcomes) {
        if (!outcome.error.empty()) {
            return failure(outcome.error);
        }
        std::move(outcome.rows.begin(), outcome.rows.end(), std::back_inserter(rows));
    }
    timings.firstReading = clock.lap();

    rows = RowJoiner::joined(std::move(rows));
    if (layout.usable) {
        if (std::string error = SecondLook::reread(rows, layout.cleaned, toSource); !error.empty()) {
            return failure(error);
        }
    }
    timings.secondLook = clock.lap();

    std::vector<RecognizedRow> repaired;
    for (RecognizedRow& joined : rows) {
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
    timings.assembly = clock.lap();
    return lines;
}

} // namespace tarnveil::TesseractPass
