#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "planning/Profile.h"

namespace tarnveil::cli {

/// The built-in profile named by `--profile ID`.
class ProfileChoice {
public:
    /// The built-in profile with this id, or none (and `error` names the choices).
    static std::optional<Profile> find(std::string_view id, std::string& error);
};

} // namespace tarnveil::cli
