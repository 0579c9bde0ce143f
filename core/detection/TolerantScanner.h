#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "detection/Detection.h"
#include "detection/DetectorRegistry.h"

namespace tarnveil {

/// Detection for recognised text on top of the exact detectors: runs the tolerant twin of
/// every enabled detector (TolerantDetectors) over a line and reports what the exact findings
/// of the line do not already cover, under the detector's identifier, category and severity,
/// with the text as recognised for value. The registry's allowlist applies to the value as
/// read and to its look-alikes restored (a loopback address read "127,0.0.1" stays visible).
/// Text files never go through here: their detection stays exact.
class TolerantScanner {
public:
    /// `registry` must not be null.
    explicit TolerantScanner(std::shared_ptr<const DetectorRegistry> registry);

    /// The twins' findings in `text` that no finding of `exact` contains, ordered by start,
    /// none inside another of at least its severity. Lines longer than `maxLineBytes` are left
    /// to the exact detectors.
    std::vector<Detection> detect(std::string_view text, const std::set<std::string>& enabledIds,
                                  const std::vector<Detection>& exact) const;

    /// Whether an exact finding of recognised text is a misreading of something allowed: a
    /// value the user allowlisted, or a shared profile folder ("Pub1ic" for "Public"), once
    /// both are folded (LookAlikes::folded).
    bool readsAsAllowed(const Detection& detection) const;

    static constexpr std::size_t maxLineBytes = 64 * 1024;

private:
    bool isSuppressed(const Detection& detection, std::string_view text) const;

    std::shared_ptr<const DetectorRegistry> registry_;
};

} // namespace tarnveil
