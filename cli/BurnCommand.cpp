#include "BurnCommand.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <variant>

#include "CommandLine.h"
#include "SameFile.h"
#include "planning/RegionListJson.h"
#include "render/ImageDecoder.h"
#include "render/RedactionEngine.h"

namespace tarnveil::cli {

namespace {

std::optional<double> parseQuality(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<BurnCommand::Options> BurnCommand::parse(const std::vector<std::string>& arguments, std::string& error)
{
    Options options;
    std::optional<double> quality;
    bool jpeg = false;
    CommandLine line(arguments);
    while (auto option = line.next({"--regions", "-o", "--output", "--format", "--quality"}, {}, error)) {
        if (option->name == "--regions") {
            options.regionsFile = option->value;
        } else if (option->name == "-o" || option->name == "--output") {
            options.outputFile = option->value;
        } else if (option->name == "--format") {
            if (option->value != "png" && option->value != "jpeg") {
                error = "--format must be png or jpeg, not '" + option->value + "'";
                return std::nullopt;
            }
            jpeg = option->value == "jpeg";
        } else {
            quality = parseQuality(option->value);
            if (!quality) {
                error = "--quality must be a number from 0 to 1, not '" + option->value + "'";
                return std::nullopt;
            }
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    if (line.operands().size() != 1) {
        error = line.operands().empty() ? "burn needs an image file" : "burn takes one image file";
        return std::nullopt;
    }
    if (options.regionsFile.empty()) {
        error = "burn needs --regions REGIONS.json";
        return std::nullopt;
    }
    if (options.outputFile.empty()) {
        error = "burn needs -o OUT";
        return std::nullopt;
    }
    options.imageFile = line.operands().front();
    if (jpeg) {
        options.format = Exporter::Format::jpeg(quality.value_or(0.9));
    }
    return options;
}

BurnCommand::BurnCommand(Options options) : options_(std::move(options)) {}

int BurnCommand::run(std::FILE* err)
{
    const auto fail = [err](const std::string& message) {
        std::fprintf(err, "tarnveil-cli: %s\n", message.c_str());
        return 2;
    };
    if (sameFile(options_.imageFile, options_.outputFile)) {
        return fail("refusing to write over the input image " + options_.imageFile);
    }
    const auto regions = RegionListJson::read(options_.regionsFile);
    if (!regions) {
        return fail(regions.error());
    }
    const auto image = ImageDecoder::read(options_.imageFile);
    if (!image) {
        return fail(image.error());
    }
    const auto burnt = RedactionEngine().burn(*image, *regions);
    if (!burnt) {
        return fail(options_.imageFile + ": cannot allocate the redacted copy");
    }
    const auto written = Exporter::write(*burnt, options_.outputFile, options_.format);
    if (!written) {
        const auto& error = written.error();
        // File-system messages name the file already.
        return fail(std::holds_alternative<std::string>(error) ? Exporter::describe(error)
                                                               : options_.outputFile + ": " + Exporter::describe(error));
    }
    return 0;
}

} // namespace tarnveil::cli
