#include "ScanCommand.h"

#include <cmath>

#include "CommandLine.h"
#include "SameFile.h"
#include "ocr/OCRResultJson.h"
#include "ocr/engine/OCRService.h"
#include "planning/AtomicFile.h"
#include "render/ImageDecoder.h"

namespace tarnveil::cli {

namespace {

/// Rounds for display to `steps` steps per unit: boxes to hundredths of a pixel, confidences
/// to thousandths.
double rounded(double value, double steps)
{
    return std::isfinite(value) ? std::round(value * steps) / steps : 0;
}

nlohmann::ordered_json describeBox(const Rect& box)
{
    return {{"x", rounded(box.minX(), 100)},
            {"y", rounded(box.minY(), 100)},
            {"width", rounded(box.standardWidth(), 100)},
            {"height", rounded(box.standardHeight(), 100)}};
}

} // namespace

std::optional<ScanCommand::Options> ScanCommand::parse(const std::vector<std::string>& arguments, std::string& error)
{
    Options options;
    CommandLine line(arguments);
    while (auto option = line.next({"--profile", "--allow", "--save-ocr"}, {}, error)) {
        if (!options.scan.take(*option, error)) {
            options.ocrFile = option->value;
        }
        if (!error.empty()) {
            return std::nullopt;
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    if (line.operands().size() != 1) {
        error = line.operands().empty() ? "scan needs an image file" : "scan takes one image file";
        return std::nullopt;
    }
    options.imageFile = line.operands().front();
    if (!options.ocrFile.empty() && sameFile(options.imageFile, options.ocrFile)) {
        error = "refusing to write the OCR result over the input image " + options.imageFile;
        return std::nullopt;
    }
    return options;
}

ScanCommand::ScanCommand(Options options) : options_(std::move(options)) {}

nlohmann::ordered_json ScanCommand::describeLines(const OCRResult& ocr)
{
    auto lines = nlohmann::ordered_json::array();
    for (const OCRObservation& line : ocr.observations) {
        lines.push_back({{"text", line.string},
                         {"confidence", rounded(line.confidence, 1000)},
                         {"box", describeBox(line.pixelBoundingBox)},
                         {"source", OCRObservation::identifier(line.source)}});
    }
    return lines;
}

int ScanCommand::run(std::FILE* out, std::FILE* err)
{
    const auto fail = [err](const std::string& message) {
        std::fprintf(err, "tarnveil-cli: %s\n", message.c_str());
        return 2;
    };
    const auto image = ImageDecoder::read(options_.imageFile);
    if (!image) {
        return fail(image.error());
    }
    const auto ocr = OCRService().recognizeText(*image);
    if (!ocr) {
        return fail(options_.imageFile + ": " + ocr.error());
    }
    if (!options_.ocrFile.empty()) {
        const auto encoded = OCRResultJson::encode(*ocr);
        if (!encoded) {
            return fail(options_.ocrFile + ": " + encoded.error());
        }
        if (const auto written = AtomicFile::write(options_.ocrFile, *encoded); !written) {
            return fail(written.error());
        }
    }
    SessionVocabulary vocabulary;
    auto json = options_.scan.describe(options_.scan.plan(*ocr, vocabulary));
    json["image"] = {{"path", options_.imageFile}, {"width", image->width()}, {"height", image->height()}};
    json["lines"] = describeLines(*ocr);
    const auto text = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fflush(out) == 0 ? 0 : 2;
}

} // namespace tarnveil::cli
