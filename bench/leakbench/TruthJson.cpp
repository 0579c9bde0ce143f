#include "TruthJson.h"

#include <fstream>
#include <stdexcept>

namespace tarnveil::leakbench {

namespace {

using nlohmann::json;

json encodeItem(const TruthItem& item)
{
    return {{"id", item.id},     {"kind", item.kind},         {"text", item.text},       {"line", item.line},
            {"font", item.font}, {"fontSize", item.fontSize}, {"ink", item.ink.toJson()}};
}

std::optional<TruthItem> decodeItem(const json& value, std::string& error)
{
    TruthItem item;
    try {
        item.id = value.at("id").get<std::string>();
        item.kind = value.at("kind").get<std::string>();
        item.text = value.at("text").get<std::string>();
        item.line = value.value("line", std::string());
        item.font = value.value("font", std::string());
        item.fontSize = value.value("fontSize", 0);
    } catch (const json::exception& exception) {
        error = exception.what();
        return std::nullopt;
    }
    auto ink = InkMask::fromJson(value.contains("ink") ? value.at("ink") : json(), error);
    if (!ink) {
        error = item.id + ": " + error;
        return std::nullopt;
    }
    item.ink = std::move(*ink);
    return item;
}

bool decodeItems(const json& document, const char* key, std::vector<TruthItem>& items, std::string& error)
{
    if (!document.contains(key) || !document.at(key).is_array()) {
        error = std::string("\"") + key + "\" must be a list";
        return false;
    }
    for (const auto& value : document.at(key)) {
        auto item = decodeItem(value, error);
        if (!item) {
            return false;
        }
        items.push_back(std::move(*item));
    }
    return true;
}

} // namespace

json TruthJson::encode(const ImageTruth& truth)
{
    json values = json::array();
    for (const auto& item : truth.values) {
        values.push_back(encodeItem(item));
    }
    json decoys = json::array();
    for (const auto& item : truth.decoys) {
        decoys.push_back(encodeItem(item));
    }
    return {{"image", truth.image},       {"width", truth.width},       {"height", truth.height},
            {"scene", truth.scene},       {"variant", truth.variant},   {"theme", truth.theme},
            {"scale", truth.scale},       {"monoFont", truth.monoFont}, {"uiFont", truth.uiFont},
            {"fontSize", truth.fontSize}, {"rendering", truth.rendering}, {"degradation", truth.degradation},
            {"values", values},           {"decoys", decoys}};
}

std::optional<ImageTruth> TruthJson::decode(const json& document, std::string& error)
{
    ImageTruth truth;
    try {
        truth.image = document.at("image").get<std::string>();
        truth.width = document.at("width").get<int>();
        truth.height = document.at("height").get<int>();
        truth.scene = document.value("scene", std::string());
        truth.variant = document.value("variant", std::string());
        truth.theme = document.value("theme", std::string());
        truth.scale = document.value("scale", 1);
        truth.monoFont = document.value("monoFont", std::string());
        truth.uiFont = document.value("uiFont", std::string());
        truth.fontSize = document.value("fontSize", 0);
        // Corpora drawn before these were recorded used Qt's default hinting and no degradation.
        truth.rendering = document.value("rendering", std::string("grey-default"));
        truth.degradation = document.value("degradation", std::string("none"));
    } catch (const json::exception& exception) {
        error = exception.what();
        return std::nullopt;
    }
    if (!decodeItems(document, "values", truth.values, error) ||
        !decodeItems(document, "decoys", truth.decoys, error)) {
        return std::nullopt;
    }
    return truth;
}

std::optional<ImageTruth> TruthJson::read(const std::filesystem::path& path, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path.string();
        return std::nullopt;
    }
    const json document = json::parse(in, nullptr, false);
    if (document.is_discarded()) {
        error = path.string() + " is not JSON";
        return std::nullopt;
    }
    auto truth = decode(document, error);
    if (!truth) {
        error = path.string() + ": " + error;
    }
    return truth;
}

void TruthJson::write(const std::filesystem::path& path, const ImageTruth& truth)
{
    std::ofstream out(path);
    out << encode(truth).dump() << '\n';
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace tarnveil::leakbench
