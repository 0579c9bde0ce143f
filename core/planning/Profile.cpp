#include "planning/Profile.h"

#include <nlohmann/json.hpp>

#include "detection/DetectorRegistry.h"
#include "ocr/JsonInput.h"

namespace tarnveil {

namespace {

using nlohmann::json;

// Bounds on a profile read from outside.
constexpr std::size_t maxDetectorIDs = 1024;
constexpr std::size_t maxTextBytes = 4096;

/// The ids of the built-in detectors of one severity.
std::set<std::string> detectorIDs(Severity severity)
{
    std::set<std::string> ids;
    const auto registry = DetectorRegistry::makeDefault();
    for (const auto& detector : registry->detectors()) {
        if (detector->severity() == severity) {
            ids.insert(detector->id());
        }
    }
    return ids;
}

std::set<std::string> detectorIDs(std::initializer_list<Severity> severities)
{
    std::set<std::string> ids;
    for (const Severity severity : severities) {
        ids.merge(detectorIDs(severity));
    }
    return ids;
}

Profile::Style decodeStyle(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    const std::string kindPath = JsonInput::memberPath(where, "kind");
    const auto kind = Profile::Style::kindFromIdentifier(
        JsonInput::string(JsonInput::member(value, "kind", where), kindPath, maxTextBytes));
    if (!kind) {
        throw JsonInput::DecodeError(kindPath + " must be \"solid\" or \"labeled\"");
    }
    const std::string fillPath = JsonInput::memberPath(where, "fill");
    const auto fill = fillColorFromIdentifier(
        JsonInput::string(JsonInput::member(value, "fill", where), fillPath, maxTextBytes));
    if (!fill) {
        throw JsonInput::DecodeError(fillPath + " must be \"black\", \"white\" or \"grey\"");
    }
    return Profile::Style{*kind, *fill};
}

Profile decodeProfile(const json& document)
{
    JsonInput::object(document, "");
    const auto text = [&](std::string_view key) {
        return JsonInput::string(JsonInput::member(document, key, ""), std::string(key), maxTextBytes);
    };
    Profile profile;
    profile.id = text("id");
    profile.name = text("name");
    const json& ids = JsonInput::array(JsonInput::member(document, "enabledDetectorIDs", ""), "enabledDetectorIDs",
                                       maxDetectorIDs);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        profile.enabledDetectorIDs.insert(
            JsonInput::string(ids[i], JsonInput::elementPath("enabledDetectorIDs", i), maxTextBytes));
    }
    profile.flagRFC1918 = JsonInput::boolean(JsonInput::member(document, "flagRFC1918", ""), "flagRFC1918");
    profile.style = decodeStyle(JsonInput::member(document, "style", ""), "style");
    profile.suggestChromeScrub =
        JsonInput::boolean(JsonInput::member(document, "suggestChromeScrub", ""), "suggestChromeScrub");
    return profile;
}

} // namespace

RedactionStyle Profile::Style::redactionStyle() const
{
    return kind == Kind::labeled ? RedactionStyle::labeled(fill) : RedactionStyle::solid(fill);
}

std::string_view Profile::Style::identifier(Kind kind) { return kind == Kind::labeled ? "labeled" : "solid"; }

std::optional<Profile::Style::Kind> Profile::Style::kindFromIdentifier(std::string_view text)
{
    if (text == "solid") {
        return Kind::solid;
    }
    if (text == "labeled") {
        return Kind::labeled;
    }
    return std::nullopt;
}

Allowlist Profile::allowlist(const std::set<std::string>& userValues) const
{
    // The allowlist stores its values in lower case.
    return Allowlist(userValues, !flagRFC1918);
}

Profile Profile::pentestReport()
{
    return Profile{"pentest-report",
                   "Pentest Report",
                   detectorIDs({Severity::secret, Severity::identifier}),
                   true,
                   Style{Style::Kind::labeled, FillColor::black},
                   false};
}

Profile Profile::clientDemo()
{
    auto ids = detectorIDs({Severity::secret});
    ids.insert({"hostname", "email", "ipv4"});
    return Profile{"client-demo", "Client Demo", std::move(ids), false, Style{Style::Kind::solid, FillColor::black},
                   false};
}

Profile Profile::publicBlog()
{
    return Profile{"public-blog",
                   "Public / Blog",
                   detectorIDs({Severity::secret, Severity::identifier, Severity::contextual}),
                   true,
                   Style{Style::Kind::solid, FillColor::black},
                   true};
}

std::vector<Profile> Profile::builtins() { return {pentestReport(), clientDemo(), publicBlog()}; }

json Profile::toJson() const
{
    return json{{"id", id},
                {"name", name},
                {"enabledDetectorIDs", enabledDetectorIDs},
                {"flagRFC1918", flagRFC1918},
                {"style", {{"kind", Style::identifier(style.kind)}, {"fill", tarnveil::identifier(style.fill)}}},
                {"suggestChromeScrub", suggestChromeScrub}};
}

std::string Profile::encode() const
{
    // Texts that are not valid UTF-8 are written with U+FFFD rather than failing.
    return toJson().dump(-1, ' ', false, json::error_handler_t::replace);
}

Result<Profile, std::string> Profile::fromJson(const json& document)
{
    try {
        return decodeProfile(document);
    } catch (const JsonInput::DecodeError& error) {
        return failure(std::string(error.what()));
    }
}

Result<Profile, std::string> Profile::decode(std::string_view text)
{
    auto document = JsonInput::parse(text, maxJsonBytes);
    if (!document) {
        return failure(document.error());
    }
    return fromJson(*document);
}

} // namespace tarnveil
