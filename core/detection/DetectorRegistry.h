#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "detection/Allowlist.h"
#include "detection/Detection.h"
#include "detection/Detector.h"

namespace tarnveil {

class RegexDetector;

/// The one entry point of detection: runs the enabled detectors over one line, drops what
/// the allowlist suppresses, lets a more severe finding absorb a less severe one inside it,
/// and orders the result. `detect` may run on many threads at once; replacing the allowlist
/// while a scan runs is not allowed.
class DetectorRegistry {
public:
    DetectorRegistry(std::vector<std::shared_ptr<const Detector>> detectors, Allowlist allowlist);

    /// The 27 built-in detectors: secret, network and identity ones, then the two home-path ones.
    static std::shared_ptr<DetectorRegistry> makeDefault(Allowlist allowlist = Allowlist());

    const std::vector<std::shared_ptr<const Detector>>& detectors() const { return detectors_; }
    const Allowlist& allowlist() const { return allowlist_; }
    void setAllowlist(Allowlist allowlist) { allowlist_ = std::move(allowlist); }

    /// The first detector whose id equals `withID` exactly, or null.
    std::shared_ptr<const Detector> detector(std::string_view withID) const;

    /// The findings of one line. Without `enabledIds`, the detectors enabled by default run;
    /// with it, exactly those whose id it holds. Ordered by start, the more severe first at
    /// one start, then by detector order and match order.
    std::vector<Detection> detect(std::string_view text,
                                  const std::optional<std::set<std::string>>& enabledIds = std::nullopt) const;

    /// Drops every detection lying inside a strictly more severe one; keeps the order.
    static std::vector<Detection> dropContainedInHigherSeverity(std::vector<Detection> detections);

private:
    /// A line too long to search: redacted whole, never allowlisted.
    std::vector<Detection> unsearchable(std::string_view text,
                                        const std::optional<std::set<std::string>>& enabledIds) const;

    std::vector<std::shared_ptr<const Detector>> detectors_;
    std::vector<const RegexDetector*> regexDetectors_; // the same detectors, where they are regex ones
    Allowlist allowlist_;
};

} // namespace tarnveil
