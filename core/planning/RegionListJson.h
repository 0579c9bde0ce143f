#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "planning/RedactionRegion.h"

namespace tarnveil::RegionListJson {

/// One region as {"id", "rect": {"x", "y", "width", "height"}, "style": {"kind", "fill"},
/// "label", "category", "severity", "value", "protected"}; "fill" only for the fills, and
/// the four optional fields left out when absent. Whole-pixel coordinates are written as
/// integers.
nlohmann::ordered_json encode(const RedactionRegion& region);

/// {"profile": ID, "regions": [...], "status": TEXT}.
nlohmann::ordered_json encode(const std::vector<RedactionRegion>& regions, std::string_view profileID,
                              std::string_view status);

} // namespace tarnveil::RegionListJson
