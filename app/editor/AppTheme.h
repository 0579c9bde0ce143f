#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tarnveil {

/// The colour themes of the application. The identifier of each member is its name; the
/// choice is stored under that identifier.
enum class AppTheme {
    midnight,
    daylight,
    hacker,
};

inline constexpr std::size_t appThemeCount = 3;

/// [midnight, daylight, hacker].
const std::array<AppTheme, appThemeCount>& allAppThemes();

/// "midnight", "daylight" or "hacker".
std::string_view identifier(AppTheme theme);

/// The member whose identifier equals `text` exactly (case-sensitive), or none.
std::optional<AppTheme> appThemeFromIdentifier(std::string_view text);

} // namespace tarnveil
