#include "AppTheme.h"

namespace tarnveil {

const std::array<AppTheme, appThemeCount>& allAppThemes()
{
    static constexpr std::array<AppTheme, appThemeCount> themes{AppTheme::midnight, AppTheme::daylight,
                                                                AppTheme::hacker};
    return themes;
}

std::string_view identifier(AppTheme theme)
{
    switch (theme) {
    case AppTheme::midnight:
        return "midnight";
    case AppTheme::daylight:
        return "daylight";
    case AppTheme::hacker:
        return "hacker";
    }
    return "midnight";
}

std::optional<AppTheme> appThemeFromIdentifier(std::string_view text)
{
    for (const AppTheme theme : allAppThemes()) {
        if (identifier(theme) == text) {
            return theme;
        }
    }
    return std::nullopt;
}

} // namespace tarnveil
