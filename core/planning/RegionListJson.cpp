#include "planning/RegionListJson.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "ocr/JsonInput.h"

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

using nlohmann::json;
using JsonInput::DecodeError;
using JsonInput::memberPath;

/// The member `key` of `object`, or none when it is missing or null.
const json* optionalMember(const json& object, std::string_view key)
{
    const auto found = object.find(key);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

Rect decodeRect(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    Rect rect;
    for (auto [key, side] : {std::pair{"x", &rect.x}, std::pair{"y", &rect.y}, std::pair{"width", &rect.width},
                             std::pair{"height", &rect.height}}) {
        const std::string path = memberPath(where, key);
        *side = JsonInput::number(JsonInput::member(value, key, where), path);
        if (std::abs(*side) > maxCoordinate) {
            throw DecodeError(path + " is out of range");
        }
    }
    return rect;
}

RedactionStyle decodeStyle(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    const std::string kindPath = memberPath(where, "kind");
    const auto kind =
        RedactionStyle::kindFromIdentifier(JsonInput::string(JsonInput::member(value, "kind", where), kindPath, 64));
    if (!kind) {
        throw DecodeError(kindPath + " must be \"solid\", \"labeled\", \"blur\" or \"pixelate\"");
    }
    if (*kind == RedactionStyle::Kind::blur) {
        return RedactionStyle::blur();
    }
    if (*kind == RedactionStyle::Kind::pixelate) {
        return RedactionStyle::pixelate();
    }
    const std::string fillPath = memberPath(where, "fill");
    const auto fill = fillColorFromIdentifier(JsonInput::string(JsonInput::member(value, "fill", where), fillPath, 64));
    if (!fill) {
        throw DecodeError(fillPath + " must be \"black\", \"white\" or \"grey\"");
    }
    return *kind == RedactionStyle::Kind::solid ? RedactionStyle::solid(*fill) : RedactionStyle::labeled(*fill);
}

RedactionRegion decodeRegion(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    RegionID id = RegionID::generate();
    if (const json* given = optionalMember(value, "id")) {
        const std::string path = memberPath(where, "id");
        const auto parsed = RegionID::fromString(JsonInput::string(*given, path, 64));
        if (!parsed) {
            throw DecodeError(path + " must be a UUID");
        }
        id = *parsed;
    }
    RedactionRegion region(id, decodeRect(JsonInput::member(value, "rect", where), memberPath(where, "rect")),
                           decodeStyle(JsonInput::member(value, "style", where), memberPath(where, "style")));
    if (const json* label = optionalMember(value, "label")) {
        region.label = JsonInput::string(*label, memberPath(where, "label"), maxLabelBytes);
    }
    if (const json* category = optionalMember(value, "category")) {
        const std::string path = memberPath(where, "category");
        region.category = detectionCategoryFromIdentifier(JsonInput::string(*category, path, 64));
        if (!region.category) {
            throw DecodeError(path + " is not a detection category");
        }
    }
    if (const json* severity = optionalMember(value, "severity")) {
        const std::string path = memberPath(where, "severity");
        region.severity = severityFromIdentifier(JsonInput::string(*severity, path, 64));
        if (!region.severity) {
            throw DecodeError(path + " must be \"contextual\", \"identifier\" or \"secret\"");
        }
    }
    if (const json* hidden = optionalMember(value, "value")) {
        region.value = JsonInput::string(*hidden, memberPath(where, "value"), maxValueBytes);
    }
    if (const json* isProtected = optionalMember(value, "protected")) {
        region.isProtected = JsonInput::boolean(*isProtected, memberPath(where, "protected"));
    }
    return region;
}

std::vector<RedactionRegion> decodeList(const json& document)
{
    JsonInput::object(document, "");
    const json& list = JsonInput::array(JsonInput::member(document, "regions", ""), "regions", maxRegions);
    std::vector<RedactionRegion> regions;
    regions.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        regions.push_back(decodeRegion(list[i], JsonInput::elementPath("regions", i)));
    }
    return regions;
}

} // namespace

Result<std::vector<RedactionRegion>, std::string> decode(std::string_view text)
{
    return JsonInput::decode(text, maxFileBytes, decodeList);
}

Result<std::vector<RedactionRegion>, std::string> read(const std::filesystem::path& from)
{
    return JsonInput::readAndDecode(from, maxFileBytes, [](std::string_view text) { return decode(text); });
}

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
