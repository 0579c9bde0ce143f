#include "PlanCommand.h"

#include <nlohmann/json.hpp>

#include "CommandLine.h"
#include "ProfileChoice.h"
#include "detection/DetectorRegistry.h"
#include "ocr/OCRResultJson.h"
#include "planning/RedactionPlanner.h"
#include "planning/RegionListJson.h"
#include "planning/ScanStatus.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil::cli {

namespace {

// The margin, in pixels, around every detected value: the same as the editor's.
constexpr double planningPadding = 3;

} // namespace

std::optional<PlanCommand::Options> PlanCommand::parse(const std::vector<std::string>& arguments, std::string& error)
{
    Options options;
    CommandLine line(arguments);
    while (auto option = line.next({"--profile", "--allow"}, {}, error)) {
        if (option->name == "--profile") {
            auto profile = ProfileChoice::find(option->value, error);
            if (!profile) {
                return std::nullopt;
            }
            options.profile = std::move(*profile);
        } else {
            options.allowValues.insert(option->value);
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    if (line.operands().size() != 1) {
        error = line.operands().empty() ? "plan needs an OCR file" : "plan takes one OCR file";
        return std::nullopt;
    }
    options.ocrFile = line.operands().front();
    return options;
}

PlanCommand::PlanCommand(Options options) : options_(std::move(options)) {}

int PlanCommand::run(std::FILE* out, std::FILE* err)
{
    const Profile& profile = options_.profile;
    const auto ocr = OCRResultJson::read(options_.ocrFile);
    if (!ocr.ok()) {
        std::fprintf(err, "tarnveil-cli: %s\n", ocr.error().c_str());
        return 2;
    }
    const auto registry = DetectorRegistry::makeDefault(profile.allowlist(options_.allowValues));
    SessionVocabulary vocabulary;
    const auto regions = RedactionPlanner(registry, planningPadding).plan(*ocr, profile, vocabulary);
    const auto json = RegionListJson::encode(regions, profile.id, ScanStatus::afterScan(regions, profile.name));
    const auto text = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fflush(out) == 0 ? 0 : 2;
}

} // namespace tarnveil::cli
