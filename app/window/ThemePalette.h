#pragma once

#include <QPalette>

#include "editor/AppTheme.h"

namespace tarnveil::ThemePalette {

/// The widget palette of a theme: light for daylight, dark for midnight, green on black for
/// hacker. Secondary text uses the placeholder-text role.
QPalette of(AppTheme theme);

/// True when the theme's window appearance is dark.
bool isDark(AppTheme theme);

} // namespace tarnveil::ThemePalette
