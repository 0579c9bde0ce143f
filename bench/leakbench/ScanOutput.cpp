#include "ScanOutput.h"

#include <nlohmann/json.hpp>

namespace tarnveil::leakbench {

namespace {

using nlohmann::json;

struct Box {
    double x, y, width, height;
};

std::optional<Box> box(const json& value)
{
    if (!value.is_object()) {
        return std::nullopt;
    }
    for (const char* key : {"x", "y", "width", "height"}) {
        if (!value.contains(key) || !value.at(key).is_number()) {
            return std::nullopt;
        }
    }
    return Box{value.at("x").get<double>(), value.at("y").get<double>(), value.at("width").get<double>(),
               value.at("height").get<double>()};
}

std::optional<ScanRegion> region(const json& value, std::size_t index, std::string& error)
{
    const auto rect = value.is_object() && value.contains("rect") ? box(value.at("rect")) : std::nullopt;
    if (!rect) {
        error = "regions[" + std::to_string(index) + "] has no rect with x, y, width and height";
        return std::nullopt;
    }
    ScanRegion region{rect->x, rect->y, rect->width, rect->height, {}, false};
    if (value.contains("category") && value.at("category").is_string()) {
        region.category = value.at("category").get<std::string>();
    }
    if (value.contains("protected") && value.at("protected").is_boolean()) {
        region.isProtected = value.at("protected").get<bool>();
    }
    return region;
}

std::string lineText(const json& value)
{
    for (const char* key : {"text", "string"}) {
        if (value.contains(key) && value.at(key).is_string()) {
            return value.at(key).get<std::string>();
        }
    }
    return {};
}

ScanLine line(const json& value, int imageWidth, int imageHeight)
{
    ScanLine line;
    if (value.is_string()) {
        line.text = value.get<std::string>();
        return line;
    }
    if (!value.is_object()) {
        return line;
    }
    line.text = lineText(value);
    for (const char* key : {"rect", "box", "boundingBox"}) {
        if (const auto pixels = value.contains(key) ? box(value.at(key)) : std::nullopt) {
            line = {line.text, true, pixels->x, pixels->y, pixels->width, pixels->height};
            return line;
        }
    }
    if (const auto normal =
            value.contains("normalizedBoundingBox") ? box(value.at("normalizedBoundingBox")) : std::nullopt) {
        line = {line.text,
                true,
                normal->x * imageWidth,
                (1 - normal->y - normal->height) * imageHeight,
                normal->width * imageWidth,
                normal->height * imageHeight};
    }
    return line;
}

} // namespace

std::optional<ScanOutput> ScanOutput::decode(std::string_view text, int imageWidth, int imageHeight, std::string& error)
{
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        error = "the scan did not print a JSON object";
        return std::nullopt;
    }
    if (!document.contains("regions") || !document.at("regions").is_array()) {
        error = "the scan output has no \"regions\" list";
        return std::nullopt;
    }
    ScanOutput output;
    const auto& regions = document.at("regions");
    for (std::size_t i = 0; i < regions.size(); ++i) {
        auto decoded = region(regions[i], i, error);
        if (!decoded) {
            return std::nullopt;
        }
        output.regions.push_back(*decoded);
    }
    if (document.contains("lines") && document.at("lines").is_array()) {
        for (const auto& value : document.at("lines")) {
            output.lines.push_back(line(value, imageWidth, imageHeight));
        }
    }
    if (document.contains("status") && document.at("status").is_string()) {
        output.status = document.at("status").get<std::string>();
    }
    return output;
}

} // namespace tarnveil::leakbench
