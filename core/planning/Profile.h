#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "detection/Allowlist.h"
#include "detection/Result.h"
#include "planning/FillColor.h"
#include "planning/RedactionStyle.h"

namespace tarnveil {

/// A named redaction policy for an audience: which detectors run, whether private IPv4
/// addresses count as sensitive, the style of planned and hand-drawn regions, and whether
/// window-chrome strips are suggested.
struct Profile {
    struct Style {
        enum class Kind {
            solid,
            labeled,
        };

        Kind kind = Kind::solid;
        FillColor fill = FillColor::black;

        /// labeled(fill) for the labeled kind, otherwise solid(fill).
        RedactionStyle redactionStyle() const;

        /// "solid" or "labeled".
        static std::string_view identifier(Kind kind);
        /// The member whose identifier equals `text` exactly, or none.
        static std::optional<Kind> kindFromIdentifier(std::string_view text);

        friend bool operator==(const Style&, const Style&) = default;
    };

    std::string id;
    std::string name;
    std::set<std::string> enabledDetectorIDs;
    bool flagRFC1918 = false;
    Style style;
    bool suggestChromeScrub = false;

    /// The scan's allowlist: the user's values in lower case, and private IPv4 addresses
    /// suppressed unless the profile flags them.
    Allowlist allowlist(const std::set<std::string>& userValues) const;

    /// "Pentest Report": every secret and identifier detector, private addresses flagged,
    /// labels on black.
    static Profile pentestReport();
    /// "Client Demo": the secret detectors plus host names, e-mail and IPv4 addresses, private
    /// addresses not flagged, solid black.
    static Profile clientDemo();
    /// "Public / Blog": every detector, private addresses flagged, solid black, chrome strips
    /// suggested.
    static Profile publicBlog();
    /// [pentestReport, clientDemo, publicBlog].
    static std::vector<Profile> builtins();

    /// {"id", "name", "enabledDetectorIDs" (sorted list), "flagRFC1918",
    ///  "style": {"kind", "fill"}, "suggestChromeScrub"}.
    nlohmann::json toJson() const;
    /// The JSON text of `toJson`.
    std::string encode() const;

    /// Every key is required; a missing key, a wrong type, or a kind or fill that is not a
    /// member fails with a message naming it. Unknown keys are ignored.
    static Result<Profile, std::string> fromJson(const nlohmann::json& json);
    static Result<Profile, std::string> decode(std::string_view json);

    /// The largest profile text decoded.
    static constexpr std::size_t maxJsonBytes = std::size_t{1} << 20;

    friend bool operator==(const Profile&, const Profile&) = default;
};

} // namespace tarnveil
