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

/// A machine-like run of a line not after a key name; loose when no finding of its line
/// touches it.
struct PlacedRun {
    std::size_t line;
    TextRange range;
    bool loose;
};

/// The fail-closed finding over `range` of `text`, under the detector that reports them.
Detection runFinding(const Detector& detector, std::string_view text, const TextRange& range)
{
    return Detection{detector.id(), detector.category(), detector.severity(), range,
                     std::string(text.substr(range.start, range.length()))};
}

/// Adds to `line` (the findings of line `index`) its loose runs after a key name, and to
/// `placed` its other runs, for the columns.
void addRuns(const Detector& detector, const Allowlist& allowlist, std::size_t index, std::string_view text,
             std::vector<Detection>& line, std::vector<PlacedRun>& placed)
{
    const std::size_t claimedCount = line.size();
    for (const auto& run : MachineTextRuns::find(text)) {
        const bool claimed = std::any_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(claimedCount),
                                         [&](const Detection& d) { return overlaps(d.range, run.range); });
        Detection finding = runFinding(detector, text, run.range);
        if (!claimed && allowlist.isSuppressed(finding, text)) {
            continue;
        }
        if (!claimed && run.afterKeyWord) {
            line.push_back(std::move(finding));
        } else if (!run.afterKeyWord) {
            placed.push_back({index, run.range, !claimed});
        }
    }
}

/// The left edge of a run in pixels: its box, or its share of the line's box.
double leftEdge(const OCRObservation& observation, const TextRange& range, const Size& imageSize)
{
    if (const auto box = observation.pixelBox(range, imageSize, 0)) {
        return box->x;
    }
    const Rect& line = observation.pixelBoundingBox;
    const double share = observation.string.empty()
                             ? 0
                             : static_cast<double>(range.start) / static_cast<double>(observation.string.size());
    return line.x + share * line.width;
}

/// Adds the loose runs that stand in a column to the findings of their lines. Runs a detector
/// claimed still make up a column: a table's other rows are often recognised well enough for
/// the exact detectors.
void addColumnRuns(const Detector& detector, const OCRResult& ocr, const std::vector<PlacedRun>& placed,
                   std::vector<std::vector<Detection>>& findings)
{
    std::vector<AlignedRuns::Candidate> candidates;
    candidates.reserve(placed.size());
    for (const auto& run : placed) {
        const OCRObservation& observation = ocr.observations[run.line];
        candidates.push_back({run.line, leftEdge(observation, run.range, ocr.imageSize),
                              observation.pixelBoundingBox.y, observation.pixelBoundingBox.height});
    }
    for (const std::size_t k : AlignedRuns::inColumns(candidates)) {
        if (placed[k].loose) {
            findings[placed[k].line].push_back(
                runFinding(detector, ocr.observations[placed[k].line].string, placed[k].range));
        }
    }
}

} // namespace

RedactionPlanner::RedactionPlanner(std::shared_ptr<const DetectorRegistry> registry, double padding)
    : registry_(checked(registry)), tolerant_(registry_), padding_(usablePadding(padding))
{
}

std::vector<Detection> RedactionPlanner::lineFindings(std::string_view text,
                                                     const std::optional<std::set<std::string>>& enabledIds) const
{
    auto line = registry_->detect(text, enabledIds);
    std::erase_if(line, [&](const Detection& detection) { return tolerant_.readsAsAllowed(detection); });
    auto tolerant = tolerant_.detect(text, *enabledIds, line);
    line.insert(line.end(), std::make_move_iterator(tolerant.begin()), std::make_move_iterator(tolerant.end()));
    growSecrets(line, text);
    return line;
}

std::vector<RedactionRegion> RedactionPlanner::plan(const OCRResult& ocr, const Profile& profile,
                                                    SessionVocabulary& vocabulary) const
{
    const auto covered = coveredKeyLines(ocr, profile);
    const std::optional<std::set<std::string>> enabledIds = profile.enabledDetectorIDs;
    const auto failClosed = profile.enabledDetectorIDs.contains(std::string(failClosedDetectorID))
                                ? registry_->detector(failClosedDetectorID)
                                : nullptr;
    // Findings per line first: the runs of a column are only known once every line is read.
    std::vector<std::vector<Detection>> findings(ocr.observations.size());
    std::vector<PlacedRun> placed;
    for (std::size_t i = 0; i < ocr.observations.size(); ++i) {
        if (covered.contains(i)) {
            continue;
        }
        findings[i] = lineFindings(ocr.observations[i].string, enabledIds);
        if (failClosed) {
            addRuns(*failClosed, registry_->allowlist(), i, ocr.observations[i].string, findings[i], placed);
        }
    }
    if (failClosed) {
        addColumnRuns(*failClosed, ocr, placed, findings);
    }
    return regionsOf(ocr, covered, findings, profile.style.redactionStyle(), vocabulary);
}

std::vector<RedactionRegion> RedactionPlanner::regionsOf(const OCRResult& ocr,
                                                         const std::map<std::size_t, std::string>& covered,
                                                         const std::vector<std::vector<Detection>>& findings,
                                                         const RedactionStyle& style,
                                                         SessionVocabulary& vocabulary) const
{
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
