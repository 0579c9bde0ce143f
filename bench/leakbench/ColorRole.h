#pragma once

namespace tarnveil::leakbench {

/// What a colour is for; a theme gives each role its colour.
enum class ColorRole {
    background,
    panel,
    chrome,
    field,
    border,
    codeBlock,
    text,
    chromeText,
    dim,
    accent,
    keyword,
    string,
    success,
    warning,
    error,
    /// Initials on an avatar.
    avatarText,
};

inline constexpr int colorRoleCount = 16;

} // namespace tarnveil::leakbench
