#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "planning/RedactionRegion.h"

namespace tarnveil::ScanStatus {

/// Appended once when a plan covers a private-key block.
inline constexpr std::string_view privateKeySuffix = " · Private key: review the full block, including clipped lines.";

/// The status line after a scan that planned `regions` under the profile named `profileName`:
/// "No detections — review manually before exporting", "1 detection · NAME" or
/// "N detections · NAME", with the private-key suffix when a region covers a key block.
std::string afterScan(const std::vector<RedactionRegion>& regions, std::string_view profileName);

} // namespace tarnveil::ScanStatus
