#include "DetectionSelfCheck.h"

#include <algorithm>

#include "detection/PrivateKeyBlocks.h"
#include "planning/Profile.h"

namespace tarnveil::leakbench {

namespace {

constexpr std::string_view keyOpening = "-----BEGIN ";

bool overlaps(const TextRange& a, const TextRange& b)
{
    return a.start < b.end && b.start < a.end;
}

std::string describe(const Detection& detection)
{
    return std::string(identifier(detection.category)) + " '" + detection.value + "'";
}

bool isKeySegment(const Segment& segment, const std::vector<SceneItem>& items)
{
    return segment.item >= 0 && items[static_cast<std::size_t>(segment.item)].isValue &&
           items[static_cast<std::size_t>(segment.item)].category == DetectionCategory::privateKey;
}

} // namespace

DetectionSelfCheck::DetectionSelfCheck()
{
    const Profile profile = Profile::publicBlog();
    registry_ = DetectorRegistry::makeDefault(profile.allowlist({}));
    enabledIds_ = profile.enabledDetectorIDs;
}

std::optional<std::string> DetectionSelfCheck::lineProblem(const TextLine& line,
                                                           const std::vector<SceneItem>& items) const
{
    std::vector<TextRange> ranges;
    const std::string text = line.text(&ranges);
    const auto detections = registry_->detect(text, enabledIds_);
    for (std::size_t i = 0; i < line.segments.size(); ++i) {
        const Segment& segment = line.segments[i];
        if (segment.item < 0) {
            continue;
        }
        const SceneItem& item = items[static_cast<std::size_t>(segment.item)];
        // Only the opening marker of a key block is a finding of its own.
        if (!item.isValue ||
            (item.category == DetectionCategory::privateKey && !segment.text.starts_with(keyOpening))) {
            continue;
        }
        const bool found = std::any_of(detections.begin(), detections.end(), [&](const Detection& detection) {
            return detection.range == ranges[i] && detection.category == item.category;
        });
        if (!found) {
            return "planted " + item.kindName() + " '" + segment.text + "' is not found exactly in line '" + text + "'";
        }
    }
    for (const auto& detection : detections) {
        bool insideValue = false;
        for (std::size_t i = 0; i < line.segments.size(); ++i) {
            const Segment& segment = line.segments[i];
            const bool isValue = segment.item >= 0 && items[static_cast<std::size_t>(segment.item)].isValue;
            if (isValue && ranges[i].contains(detection.range)) {
                insideValue = true;
            } else if (segment.item >= 0 && !isValue && overlaps(ranges[i], detection.range)) {
                return "decoy '" + segment.text + "' is detected as " + describe(detection) + " in line '" + text + "'";
            }
        }
        if (!insideValue) {
            return "unplanned finding " + describe(detection) + " in line '" + text + "'";
        }
    }
    return std::nullopt;
}

std::optional<std::string> DetectionSelfCheck::sceneProblem(const Scene& scene) const
{
    for (const auto& line : scene.lines) {
        if (auto problem = lineProblem(line, scene.items)) {
            return problem;
        }
    }
    return keyBlockProblem(scene);
}

std::optional<std::string> DetectionSelfCheck::keyBlockProblem(const Scene& scene) const
{
    std::vector<std::string> texts;
    for (const auto& line : scene.lines) {
        texts.push_back(line.text());
    }
    const auto covered = PrivateKeyBlocks::coveredLines(texts);
    for (std::size_t i = 0; i < scene.lines.size(); ++i) {
        const auto& segments = scene.lines[i].segments;
        const bool holdsKey = std::any_of(segments.begin(), segments.end(),
                                          [&](const Segment& segment) { return isKeySegment(segment, scene.items); });
        if (holdsKey != covered.contains(i)) {
            return std::string(holdsKey ? "key line is not covered as a key block: '"
                                        : "line is covered as a key block but holds no planted key: '") +
                   texts[i] + "'";
        }
    }
    return std::nullopt;
}

} // namespace tarnveil::leakbench
