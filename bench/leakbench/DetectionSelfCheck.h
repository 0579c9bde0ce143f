#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Scene.h"
#include "detection/DetectorRegistry.h"

namespace tarnveil::leakbench {

/// Runs the real detector registry, set up as the "public-blog" profile sets it up, over the
/// text of scene lines, and tells whether the ground truth matches what detection finds: every
/// planted value found exactly (same bytes, same category), no decoy touched by a finding,
/// and no finding anywhere else. A private key counts as found when its opening marker is a
/// finding and every line of the block belongs to the key block the planner would cover.
class DetectionSelfCheck {
public:
    DetectionSelfCheck();

    /// The first problem of one line, or none.
    std::optional<std::string> lineProblem(const TextLine& line, const std::vector<SceneItem>& items) const;

    /// The first problem of a whole scene, or none.
    std::optional<std::string> sceneProblem(const Scene& scene) const;

private:
    std::optional<std::string> keyBlockProblem(const Scene& scene) const;

    std::shared_ptr<DetectorRegistry> registry_;
    std::set<std::string> enabledIds_;
};

} // namespace tarnveil::leakbench
