#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ScanLine.h"
#include "ScanRegion.h"

namespace tarnveil::leakbench {

/// What `tarnveil-cli scan IMAGE` prints: one JSON object with the planned "regions"
/// ([{"rect": {"x", "y", "width", "height"}, "category", "protected", ...}], in image pixels),
/// the recognised "lines" and a "status". Only the regions are required. A line may be a
/// text, or an object with "text" (or "string") and a pixel box under "rect", "box" or
/// "boundingBox", or a "normalizedBoundingBox" (fractions of the image, origin bottom-left).
struct ScanOutput {
    std::vector<ScanRegion> regions;
    std::vector<ScanLine> lines;
    std::string status;

    /// The output in `json`, or none with `error` naming the first defect.
    static std::optional<ScanOutput> decode(std::string_view json, int imageWidth, int imageHeight, std::string& error);
};

} // namespace tarnveil::leakbench
