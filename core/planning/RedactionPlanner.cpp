#include "planning/RedactionPlanner.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "detection/AlignedRuns.h"
#include "detection/MachineTextRuns.h"
#include "detection/TokenExtent.h"
#include "detection/TolerantKeyBlocks.h"
#include "ocr/Geometry.h"

namespace tarnveil {

namespace {

constexpr std::string_view privateKeyDetectorID = "privateKey";
// Machine-like runs nobody claims are reported under this detector.
constexpr std::string_view failClosedDetectorID = "apiKey";

double usablePadding(double padding) { return std::isfinite(padding) && padding > 0 ? padding : 0; }

const std::shared_ptr<const DetectorRegistry>& checked(const std::shared_ptr<const DetectorRegistry>& registry)
{
    if (!registry) {
        throw std::invalid_argument("RedactionPlanner needs a detector registry");
    }
    return registry;
}

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
    return TolerantKeyBlocks::coveredLines(lines);
}

bool overlaps(const TextRange& a, const TextRange& b) { return a.start < b.end && b.start < a.end; }

/// Secrets cover the whole token they lie in; the value becomes the token as recognised.
void growSecrets(std::vector<Detection>& detections, std::string_view text)
{
    for (auto& detection : detections) {
        if (detection.severity != Severity::secret) {
            continue;
        }
        const TextRange grown = TokenExtent::grown(text, detection.range);
        if (grown != detection.range) {
            detection.range = grown;
            detection.value = std::string(text.substr(grown.start, grown.length()));
        }
    }
}

/// A machine-like run of a line; loose when no finding of its line touches it.
struct PlacedRun {
    std::size_t line;
    TextRange range;
    bool loose;
};

} // namespace

RedactionPlanner::RedactionPlanner(std::shared_ptr<const DetectorRegistry> registry, double padding)
    : registry_(checked(registry)), tolerant_(registry_), padding_(usablePadding(padding))
{
}

std::vector<RedactionRegion> RedactionPlanner::plan(const OCRResult& ocr, const Profile& profile,
                                                    SessionVocabulary& vocabulary) const
{
    const RedactionStyle style = profile.style.redactionStyle();
    const auto covered = coveredKeyLines(ocr, profile);
    const std::optional<std::set<std::string>> enabledIds = profile.enabledDetectorIDs;
    const auto failClosed = profile.enabledDetectorIDs.contains(std::string(failClosedDetectorID))
                                ? registry_->detector(failClosedDetectorID)
                                : nullptr;

    // Findings per line first: the runs of a column are only known once every line is read.
    std::vector<std::vector<Detection>> findings(ocr.observations.size());
    std::vector<PlacedRun> placedRuns; // every run not after a key name, for the columns
    const auto runFinding = [&](std::string_view text, const TextRange& range) {
        return Detection{failClosed->id(), failClosed->category(), failClosed->severity(), range,
                         std::string(text.substr(range.start, range.length()))};
    };
    for (std::size_t i = 0; i < ocr.observations.size(); ++i) {
        if (covered.contains(i)) {
            continue;
        }
        const std::string& text = ocr.observations[i].string;
        auto& line = findings[i];
        line = registry_->detect(text, enabledIds);
        std::erase_if(line, [&](const Detection& detection) { return tolerant_.readsAsAllowed(detection); });
        auto tolerant = tolerant_.detect(text, profile.enabledDetectorIDs, line);
        std::stable_sort(tolerant.begin(), tolerant.end(),
                         [](const Detection& a, const Detection& b) { return a.range.start < b.range.start; });
        line.insert(line.end(), std::make_move_iterator(tolerant.begin()), std::make_move_iterator(tolerant.end()));
        growSecrets(line, text);
        if (!failClosed) {
            continue;
        }
        const std::size_t claimedCount = line.size();
        for (const auto& run : MachineTextRuns::find(text)) {
            const bool claimed = std::any_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(claimedCount),
                                             [&](const Detection& d) { return overlaps(d.range, run.range); });
            Detection finding = runFinding(text, run.range);
            if (!claimed && registry_->allowlist().isSuppressed(finding, text)) {
                continue;
            }
            if (!claimed && run.afterKeyWord) {
                line.push_back(std::move(finding));
            } else if (!run.afterKeyWord) {
                placedRuns.push_back({i, run.range, !claimed});
            }
        }
    }

    if (failClosed) {
        std::vector<AlignedRuns::Candidate> candidates;
        // Runs a detector claimed still make up a column: a table's other rows are often
        // recognised well enough for the exact detectors.
        for (const auto& run : placedRuns) {
            const OCRObservation& observation = ocr.observations[run.line];
            const Rect& lineBox = observation.pixelBoundingBox;
            const auto box = observation.pixelBox(run.range, ocr.imageSize, 0);
            const double share = observation.string.empty()
                                     ? 0
                                     : static_cast<double>(run.range.start) / static_cast<double>(observation.string.size());
            const double left = box ? box->x : lineBox.x + share * lineBox.width;
            candidates.push_back({run.line, left, lineBox.y, lineBox.height});
        }
        for (const std::size_t k : AlignedRuns::inColumns(candidates)) {
            const PlacedRun& run = placedRuns[k];
            if (run.loose) {
                findings[run.line].push_back(runFinding(ocr.observations[run.line].string, run.range));
            }
        }
    }

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
        for (const Detection& detection : findings[i]) {
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
