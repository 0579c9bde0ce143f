#include "Scoreboard.h"

#include <iterator>

#include "ImageScorer.h"
#include "NearestLines.h"

namespace tarnveil::leakbench {

namespace {

// Recognised lines shown beside a leaked value.
constexpr std::size_t shownLines = 2;

double share(std::size_t covered, std::size_t total)
{
    return total == 0 ? 0.0 : static_cast<double>(covered) / static_cast<double>(total);
}

ItemRecord record(const ImageTruth& truth, const TruthItem& item, std::size_t coveredPixels)
{
    return {truth.image,
            item.kind,
            item.text,
            item.font,
            item.fontSize,
            truth.scale,
            share(coveredPixels, item.ink.pixelCount()),
            {}};
}

} // namespace

void Scoreboard::addImage(const ImageTruth& truth, const ImageScore& score, const std::vector<ScanLine>& lines,
                          double seconds, bool scanFailed)
{
    ++images_;
    failedScans_ += scanFailed ? 1 : 0;
    scanSeconds_ += seconds;
    for (std::size_t i = 0; i < truth.values.size(); ++i) {
        addValue(truth, truth.values[i], scanFailed ? 0 : score.valueCoveredPixels[i], lines);
    }
    for (std::size_t i = 0; i < truth.decoys.size(); ++i) {
        const TruthItem& decoy = truth.decoys[i];
        const std::size_t covered = scanFailed ? 0 : score.decoyCoveredPixels[i];
        const bool isCovered = ImageScorer::isDecoyCovered(covered, decoy.ink.pixelCount());
        decoys_.add(isCovered);
        decoysByKind_[decoy.kind].add(isCovered);
        if (isCovered) {
            coveredDecoys_.push_back(record(truth, decoy, covered));
        }
    }
    if (!scanFailed) {
        for (std::size_t i = 0; i < score.regions; ++i) {
            regions_.add(i < score.falsePositiveRegions);
        }
    }
}

void Scoreboard::addValue(const ImageTruth& truth, const TruthItem& value, std::size_t coveredPixels,
                          const std::vector<ScanLine>& lines)
{
    const bool redacted = ImageScorer::isRedacted(coveredPixels, value.ink.pixelCount());
    values_.add(redacted);
    const std::string variant = truth.variant.empty() ? truth.scene : truth.scene + "/" + truth.variant;
    const std::string keys[] = {value.kind,
                                truth.scene,
                                variant,
                                truth.theme,
                                std::to_string(truth.scale),
                                value.font,
                                std::to_string(value.fontSize),
                                truth.rendering,
                                truth.degradation};
    static_assert(std::size(keys) == 9, "one key per breakdown");
    for (std::size_t i = 0; i < breakdowns_.size(); ++i) {
        breakdowns_[i].groups[keys[i]].add(redacted);
    }
    if (!redacted) {
        ItemRecord leak = record(truth, value, coveredPixels);
        leak.nearestLines = NearestLines::find(value, lines, shownLines);
        leaks_.push_back(std::move(leak));
    }
}

} // namespace tarnveil::leakbench
