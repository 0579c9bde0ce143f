#include "detection/DetectorRegistry.h"

#include <algorithm>
#include <array>

#include "detection/ContextualDetectors.h"
#include "detection/IdentityDetectors.h"
#include "detection/LineText.h"
#include "detection/NetworkDetectors.h"
#include "detection/RegexDetector.h"
#include "detection/SecretDetectors.h"

namespace tarnveil {

namespace {

bool isActive(const Detector& detector, const std::optional<std::set<std::string>>& enabledIds)
{
    return enabledIds ? enabledIds->contains(detector.id()) : detector.isEnabledByDefault();
}

/// Ranges of the detections of at least one severity, sorted by start, with the furthest
/// end reached so far: answers "does any of them contain this range" by binary search.
class CoveringRanges {
public:
    void add(const TextRange& range) { ranges_.push_back(range); }

    void prepare()
    {
        std::sort(ranges_.begin(), ranges_.end(),
                  [](const TextRange& a, const TextRange& b) { return a.start < b.start; });
        furthestEnd_.resize(ranges_.size());
        std::size_t furthest = 0;
        for (std::size_t i = 0; i < ranges_.size(); ++i) {
            furthest = std::max(furthest, ranges_[i].end);
            furthestEnd_[i] = furthest;
        }
    }

    bool containsRange(const TextRange& range) const
    {
        const auto after = std::upper_bound(ranges_.begin(), ranges_.end(), range.start,
                                            [](std::size_t start, const TextRange& r) { return start < r.start; });
        if (after == ranges_.begin()) {
            return false;
        }
        return furthestEnd_[static_cast<std::size_t>(after - ranges_.begin()) - 1] >= range.end;
    }

private:
    std::vector<TextRange> ranges_;
    std::vector<std::size_t> furthestEnd_;
};

} // namespace

DetectorRegistry::DetectorRegistry(std::vector<std::shared_ptr<const Detector>> detectors, Allowlist allowlist)
    : detectors_(std::move(detectors)), allowlist_(std::move(allowlist))
{
    for (const auto& detector : detectors_) {
        regexDetectors_.push_back(dynamic_cast<const RegexDetector*>(detector.get()));
    }
}

std::shared_ptr<DetectorRegistry> DetectorRegistry::makeDefault(Allowlist allowlist)
{
    auto detectors = SecretDetectors::all();
    for (auto& group : {NetworkDetectors::all(), IdentityDetectors::all()}) {
        detectors.insert(detectors.end(), group.begin(), group.end());
    }
    detectors.push_back(ContextualDetectors::macHomePath());
    detectors.push_back(ContextualDetectors::windowsProfilePath());
    return std::make_shared<DetectorRegistry>(std::move(detectors), std::move(allowlist));
}

std::shared_ptr<const Detector> DetectorRegistry::detector(std::string_view withID) const
{
    const auto found = std::find_if(detectors_.begin(), detectors_.end(),
                                    [&](const auto& detector) { return detector->id() == withID; });
    return found == detectors_.end() ? nullptr : *found;
}

std::vector<Detection> DetectorRegistry::detect(std::string_view text,
                                                const std::optional<std::set<std::string>>& enabledIds) const
{
    if (text.empty()) {
        return {};
    }
    if (text.size() > LineText::maxLength) {
        return unsearchable(text, enabledIds);
    }
    const LineText line(text); // prepared once for every regex detector
    std::vector<Detection> found;
    for (std::size_t i = 0; i < detectors_.size(); ++i) {
        const auto& detector = detectors_[i];
        if (!isActive(*detector, enabledIds)) {
            continue;
        }
        const auto scan = regexDetectors_[i] ? regexDetectors_[i]->scan(line)
                                             : RegexDetector::Scan{detector->matches(text), std::nullopt};
        for (const auto& range : scan.ranges) {
            Detection detection{detector->id(), detector->category(), detector->severity(), range,
                                std::string(text.substr(range.start, range.length()))};
            // The stand-in for a part that could not be searched is never allowlisted: it may
            // hide anything, whatever it happens to end in.
            if (range == scan.unsearched || !allowlist_.isSuppressed(detection, text)) {
                found.push_back(std::move(detection));
            }
        }
    }
    auto kept = dropContainedInHigherSeverity(std::move(found));
    std::stable_sort(kept.begin(), kept.end(), [](const Detection& a, const Detection& b) {
        return a.range.start != b.range.start ? a.range.start < b.range.start : a.severity > b.severity;
    });
    return kept;
}

std::vector<Detection> DetectorRegistry::unsearchable(std::string_view text,
                                                      const std::optional<std::set<std::string>>& enabledIds) const
{
    // One finding over the whole line from the most severe active detector: any other would
    // be absorbed by it or duplicate it, and each would copy the whole line.
    const Detector* chosen = nullptr;
    for (const auto& detector : detectors_) {
        if (isActive(*detector, enabledIds) && (!chosen || detector->severity() > chosen->severity())) {
            chosen = detector.get();
        }
    }
    if (!chosen) {
        return {};
    }
    return {Detection{chosen->id(), chosen->category(), chosen->severity(), TextRange{0, text.size()},
                      std::string(text)}};
}

std::vector<Detection> DetectorRegistry::dropContainedInHigherSeverity(std::vector<Detection> detections)
{
    // coveringAbove[s] holds the ranges of every detection more severe than severity s.
    std::array<CoveringRanges, severityCount> coveringAbove;
    for (const auto& detection : detections) {
        for (std::size_t s = 0; s < static_cast<std::size_t>(detection.severity); ++s) {
            coveringAbove[s].add(detection.range);
        }
    }
    for (auto& ranges : coveringAbove) {
        ranges.prepare();
    }
    std::vector<Detection> kept;
    kept.reserve(detections.size());
    for (auto& detection : detections) {
        if (!coveringAbove[static_cast<std::size_t>(detection.severity)].containsRange(detection.range)) {
            kept.push_back(std::move(detection));
        }
    }
    return kept;
}

} // namespace tarnveil
