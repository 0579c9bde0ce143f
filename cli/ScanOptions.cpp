#include "ScanOptions.h"

#include "ProfileChoice.h"
#include "detection/DetectorRegistry.h"
#include "planning/RedactionPlanner.h"
#include "planning/RegionListJson.h"
#include "planning/ScanStatus.h"

namespace tarnveil::cli {

namespace {

// The margin, in pixels, around every detected value: the same as the editor's.
constexpr double planningPadding = 3;

} // namespace

bool ScanOptions::take(const CommandLine::Option& option, std::string& error)
{
    if (option.name == "--profile") {
        if (auto chosen = ProfileChoice::find(option.value, error)) {
            profile = std::move(*chosen);
        }
        return true;
    }
    if (option.name == "--allow") {
        allowValues.insert(option.value);
        return true;
    }
    return false;
}

std::vector<RedactionRegion> ScanOptions::plan(const OCRResult& ocr, SessionVocabulary& vocabulary) const
{
    const auto registry = DetectorRegistry::makeDefault(profile.allowlist(allowValues));
    return RedactionPlanner(registry, planningPadding).plan(ocr, profile, vocabulary);
}

nlohmann::ordered_json ScanOptions::describe(const std::vector<RedactionRegion>& regions) const
{
    return RegionListJson::encode(regions, profile.id, ScanStatus::afterScan(regions, profile.name));
}

} // namespace tarnveil::cli
