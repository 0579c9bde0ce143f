#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "detection/Result.h"
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

/// Limits on what a regions file may hold; anything beyond is rejected as malformed.
inline constexpr std::size_t maxFileBytes = std::size_t{32} << 20;
inline constexpr std::size_t maxRegions = 100'000;
inline constexpr std::size_t maxLabelBytes = 4 * 1024;
inline constexpr std::size_t maxValueBytes = 256 * 1024;
inline constexpr double maxCoordinate = 1'000'000;

/// The regions of a region list as `encode` writes it. Only "regions" is read; every other
/// member of the object is ignored. Each region needs "rect" and "style" ("fill" for the
/// solid and labeled kinds); "id" is optional and a fresh one is made when it is missing;
/// "label", "category", "severity" and "value" are optional (null counts as absent);
/// "protected" defaults to false. Any defect gives a one-line message naming the value at
/// fault, for example `regions[2].style.fill must be "black", "white" or "grey"`.
Result<std::vector<RedactionRegion>, std::string> decode(std::string_view json);

/// The regions of the region list in the file at `from`, or a one-line message.
Result<std::vector<RedactionRegion>, std::string> read(const std::filesystem::path& from);

} // namespace tarnveil::RegionListJson
