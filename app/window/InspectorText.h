#pragma once

#include <QString>

/// The texts of the inspector that depend on a region's value.
namespace tarnveil::InspectorText {

/// One "•" per character of `value` (user-perceived characters), at most 24.
QString masked(const QString& value);

/// "Add “" + the value + "” to allowlist", the value cut to its first 16 characters and
/// "…" when it is longer.
QString allowlistButtonTitle(const QString& value);

/// The number of user-perceived characters (grapheme clusters) of `text`.
qsizetype characterCount(const QString& text);

/// The first `count` user-perceived characters of `text`.
QString firstCharacters(const QString& text, qsizetype count);

inline constexpr qsizetype maskedLength = 24;
inline constexpr qsizetype allowlistPreviewLength = 16;

} // namespace tarnveil::InspectorText
