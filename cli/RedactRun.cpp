#include "RedactRun.h"

#include <optional>
#include <thread>
#include <variant>

#include "ocr/engine/OCRService.h"
#include "render/Exporter.h"
#include "render/ImageDecoder.h"
#include "render/RedactionEngine.h"
#include "StandardStreams.h"

namespace tarnveil::cli {

namespace {

std::string describeWriteError(const Exporter::WriteError& error, const std::filesystem::path& output)
{
    // File-system messages name the file already.
    return std::holds_alternative<std::string>(error) ? Exporter::describe(error)
                                                      : output.string() + ": " + Exporter::describe(error);
}

/// The image `name` names: a file, or for "-" whatever standard input holds.
Result<QImage, std::string> read(const std::string& name)
{
    if (!StandardStreams::isDash(name)) {
        return ImageDecoder::read(name);
    }
    const auto bytes = StandardStreams::readAll();
    if (!bytes) {
        return failure(bytes.error());
    }
    return ImageDecoder::fromBytes(*bytes, "standard input");
}

/// Writes the PNG of `image` to `output`, or for "-" to standard output.
Result<void, std::string> writePng(const QImage& image, const std::filesystem::path& output)
{
    if (!StandardStreams::isDash(output.string())) {
        if (auto written = Exporter::write(image, output, Exporter::Format::png()); !written) {
            return failure(describeWriteError(written.error(), output));
        }
        return {};
    }
    const auto png = Exporter::encode(image, Exporter::Format::png());
    if (!png) {
        return failure("standard output: " + Exporter::describe(png.error()));
    }
    return StandardStreams::writeAll(*png);
}

} // namespace

RedactRun::RedactRun(const ScanOptions& scan, std::vector<std::string> imageFiles,
                     std::vector<std::filesystem::path> outputs, std::FILE* err)
    : scan_(scan), imageFiles_(std::move(imageFiles)), outputs_(std::move(outputs)), reporter_(err, imageFiles_.size())
{
}

bool RedactRun::process(std::size_t workers)
{
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < workers; ++i) {
        threads.emplace_back([this] { work(); });
    }
    work();
    for (auto& thread : threads) {
        thread.join();
    }
    return allSucceeded_;
}

void RedactRun::work()
{
    for (std::size_t index = nextImage_++; index < imageFiles_.size(); index = nextImage_++) {
        if (!redactOne(index)) {
            allSucceeded_ = false;
        }
    }
}

void RedactRun::waitForTurn(std::size_t index)
{
    std::unique_lock lock(turnMutex_);
    turnChanged_.wait(lock, [&] { return planningTurn_ == index; });
}

void RedactRun::passTurn()
{
    {
        std::lock_guard lock(turnMutex_);
        ++planningTurn_;
    }
    turnChanged_.notify_all();
}

bool RedactRun::redactOne(std::size_t index)
{
    const std::string& name = imageFiles_[index];
    std::string error;
    reporter_.step(index, name, "reading");
    auto image = read(name);
    std::optional<OCRResult> ocr;
    if (!image) {
        error = image.error();
    } else {
        reporter_.step(index, name, "recognising text");
        auto recognised = OCRService().recognizeText(*image);
        if (recognised) {
            ocr = std::move(recognised).value();
        } else {
            error = name + ": " + recognised.error();
        }
    }

    // Every image takes its planning turn, failed or not, so the images after it can go on.
    const auto regions = planInTurn(index, ocr ? &*ocr : nullptr);
    if (!ocr) {
        reporter_.message(error);
        return false;
    }
    return finish(index, *image, regions);
}

std::vector<RedactionRegion> RedactRun::planInTurn(std::size_t index, const OCRResult* ocr)
{
    waitForTurn(index);
    struct TurnPasser {
        RedactRun* run;
        ~TurnPasser() { run->passTurn(); }
    } passer{this};
    if (!ocr) {
        return {};
    }
    reporter_.step(index, imageFiles_[index], "planning");
    return scan_.plan(*ocr, vocabulary_);
}

bool RedactRun::finish(std::size_t index, const QImage& image, const std::vector<RedactionRegion>& regions)
{
    const std::string& name = imageFiles_[index];
    const std::filesystem::path& output = outputs_[index];
    reporter_.step(index, name, "burning");
    const auto burnt = RedactionEngine().burn(image, regions);
    if (!burnt) {
        reporter_.message(name + ": cannot allocate the redacted copy");
        return false;
    }
    const std::string shownOutput = StandardStreams::isDash(output.string()) ? "standard output" : output.string();
    reporter_.step(index, name, "writing " + shownOutput);
    if (const auto written = writePng(*burnt, output); !written) {
        reporter_.message(written.error());
        return false;
    }
    if (regions.empty()) {
        reporter_.message(name + ": nothing was detected; " + shownOutput +
                          " is an unredacted copy: review it by hand before sharing it");
    } else {
        reporter_.step(index, name, "done: " + std::to_string(regions.size()) + " regions");
    }
    return true;
}

} // namespace tarnveil::cli
