#include "planning/RegionListJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace tarnveil::RegionListJson {

namespace {

nlohmann::ordered_json number(double value)
{
    constexpr double largestExactInteger = 9007199254740992.0; // 2^53
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) <= largestExactInteger) {
        return static_cast<long long>(value);
    }
    return value;
}

} // namespace

nlohmann::ordered_json encode(const RedactionRegion& region)
{
    nlohmann::ordered_json object;
    object["id"] = region.id.toString();
    object["rect"] = {{"x", number(region.rect.x)},
                      {"y", number(region.rect.y)},
                      {"width", number(region.rect.width)},
                      {"height", number(region.rect.height)}};
    nlohmann::ordered_json style;
    style["kind"] = std::string(RedactionStyle::identifier(region.style.kind()));
    if (const auto fill = region.style.fill()) {
        style["fill"] = std::string(identifier(*fill));
    }
    object["style"] = std::move(style);
    if (region.label) {
        object["label"] = *region.label;
    }
    if (region.category) {
        object["category"] = std::string(identifier(*region.category));
    }
    if (region.severity) {
        object["severity"] = std::string(identifier(*region.severity));
    }
    if (region.value) {
        object["value"] = *region.value;
    }
    object["protected"] = region.isProtected;
    return object;
}

nlohmann::ordered_json encode(const std::vector<RedactionRegion>& regions, std::string_view profileID,
                              std::string_view status)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& region : regions) {
        list.push_back(encode(region));
    }
    nlohmann::ordered_json object;
    object["profile"] = std::string(profileID);
    object["regions"] = std::move(list);
    object["status"] = std::string(status);
    return object;
}

} // namespace tarnveil::RegionListJson
