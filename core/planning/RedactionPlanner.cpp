#include "planning/RedactionPlanner.h"

#include <cmath>
#include <stdexcept>

#include "detection/PrivateKeyBlocks.h"
#include "ocr/Geometry.h"

namespace tarnveil {

namespace {

constexpr std::string_view privateKeyDetectorID = "privateKey";

double usablePadding(double padding) { return std::isfinite(padding) && padding > 0 ? padding : 0; }

std::map<std::size_t, std::string> coveredKeyLines(const OCRResult& ocr, const Profile& profile)
{
    if (!profile.enabledDetectorIDs.contains(std::string(privateKeyDetectorID))) {
        return {};
    }
    std::vector<std::string> lines;
    lines.reserve(ocr.observations.size());
    for (const auto& observation : ocr.observations) {
        lines.push_back(observation.string);
    }
    return PrivateKeyBlocks::coveredLines(lines);
}

} // namespace

RedactionPlanner::RedactionPlanner(std::shared_ptr<const DetectorRegistry> registry, double padding)
    : registry_(std::move(registry)), padding_(usablePadding(padding))
{
    if (!registry_) {
        throw std::invalid_argument("RedactionPlanner needs a detector registry");
    }
}

std::vector<RedactionRegion> RedactionPlanner::plan(const OCRResult& ocr, const Profile& profile,
                                                    SessionVocabulary& vocabulary) const
{
    const RedactionStyle style = profile.style.redactionStyle();
    const auto covered = coveredKeyLines(ocr, profile);
    const std::optional<std::set<std::string>> enabledIds = profile.enabledDetectorIDs;
    std::vector<RedactionRegion> regions;
    for (std::size_t i = 0; i < ocr.observations.size(); ++i) {
        const OCRObservation& observation = ocr.observations[i];
        const Rect wholeLine = Geometry::padded(observation.pixelBoundingBox, padding_);
        if (const auto block = covered.find(i); block != covered.end()) {
            const DetectionCategory category = DetectionCategory::privateKey;
            regions.emplace_back(RegionID::generate(), wholeLine, style, vocabulary.label(block->second, category),
                                 category, Severity::secret, block->second);
            continue;
        }
        for (const Detection& detection : registry_->detect(observation.string, enabledIds)) {
            const Rect rect =
                observation.pixelBox(detection.range, ocr.imageSize, padding_).value_or(wholeLine);
            regions.emplace_back(RegionID::generate(), rect, style,
                                 vocabulary.label(detection.value, detection.category), detection.category,
                                 detection.severity, detection.value);
        }
    }
    return regions;
}

} // namespace tarnveil
