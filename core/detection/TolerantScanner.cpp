#include "detection/TolerantScanner.h"

#include <algorithm>
#include <stdexcept>

#include "detection/LineText.h"
#include "detection/LookAlikes.h"
#include "detection/TolerantDetectors.h"

namespace tarnveil {

namespace {

bool containedIn(const TextRange& range, const std::vector<Detection>& detections)
{
    return std::any_of(detections.begin(), detections.end(),
                       [&](const Detection& detection) { return detection.range.contains(range); });
}

/// The findings ordered by start, the wider first, without those lying inside another of at
/// least their severity.
std::vector<Detection> withoutNested(std::vector<Detection> found)
{
    std::stable_sort(found.begin(), found.end(), [](const Detection& a, const Detection& b) {
        return a.range.start != b.range.start ? a.range.start < b.range.start : a.range.end > b.range.end;
    });
    std::vector<Detection> kept;
    for (auto& detection : found) {
        const bool nested = std::any_of(kept.begin(), kept.end(), [&](const Detection& other) {
            return other.severity >= detection.severity && other.range.contains(detection.range);
        });
        if (!nested) {
            kept.push_back(std::move(detection));
        }
    }
    return DetectorRegistry::dropContainedInHigherSeverity(std::move(kept));
}

std::string withoutSpaces(std::string text)
{
    std::erase(text, ' ');
    return text;
}

} // namespace

TolerantScanner::TolerantScanner(std::shared_ptr<const DetectorRegistry> registry) : registry_(std::move(registry))
{
    if (!registry_) {
        throw std::invalid_argument("TolerantScanner needs a detector registry");
    }
}

std::vector<Detection> TolerantScanner::detect(std::string_view text, const std::set<std::string>& enabledIds,
                                               const std::vector<Detection>& exact) const
{
    if (text.empty() || text.size() > maxLineBytes) {
        return {};
    }
    const LineText line(text);
    std::vector<Detection> found;
    for (const auto& twin : TolerantDetectors::all()) {
        if (!enabledIds.contains(twin->detectorID())) {
            continue;
        }
        const auto detector = registry_->detector(twin->detectorID());
        if (!detector) {
            continue;
        }
        for (const auto& range : twin->matches(line)) {
            if (containedIn(range, exact)) {
                continue;
            }
            Detection detection{detector->id(), detector->category(), detector->severity(), range,
                                std::string(text.substr(range.start, range.length()))};
            if (!isSuppressed(detection, text)) {
                found.push_back(std::move(detection));
            }
        }
    }
    return withoutNested(std::move(found));
}

bool TolerantScanner::isSuppressed(const Detection& detection, std::string_view text) const
{
    const Allowlist& allowlist = registry_->allowlist();
    if (allowlist.isSuppressed(detection, text)) {
        return true;
    }
    Detection restored = detection;
    restored.value = withoutSpaces(detection.category == DetectionCategory::ipv4
                                       ? LookAlikes::withDigitsRestored(detection.value)
                                       : LookAlikes::withHexRestored(detection.value));
    return (restored.value != detection.value && allowlist.isSuppressed(restored, text)) || readsAsAllowed(detection);
}

bool TolerantScanner::readsAsAllowed(const Detection& detection) const
{
    const std::string folded = LookAlikes::folded(detection.value);
    const auto& userValues = registry_->allowlist().userValues();
    if (std::any_of(userValues.begin(), userValues.end(),
                    [&](const std::string& value) { return LookAlikes::folded(value) == folded; })) {
        return true;
    }
    const auto& shared = TolerantDetectors::sharedHomeNames(detection.category);
    return std::any_of(shared.begin(), shared.end(),
                       [&](std::string_view name) { return LookAlikes::folded(name) == folded; });
}

} // namespace tarnveil
