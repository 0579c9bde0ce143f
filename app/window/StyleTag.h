#pragma once

#include <array>
#include <cstddef>

#include <QString>

#include "planning/RedactionStyle.h"

namespace tarnveil {

/// The four style choices of the inspector, in the order the picker shows them.
enum class StyleTag {
    solid,
    labeled,
    blur,
    pixelate,
};

inline constexpr std::size_t styleTagCount = 4;

/// [solid, labeled, blur, pixelate].
const std::array<StyleTag, styleTagCount>& allStyleTags();

/// "Solid", "Labeled", "Blur" or "Pixelate", in the current language.
QString title(StyleTag tag);

/// The tag of a style.
StyleTag styleTagOf(const RedactionStyle& style);

/// The style the inspector applies when `tag` is chosen for a region styled `current`: a
/// fill keeps the current fill colour (black when the current style has none).
RedactionStyle styleFor(StyleTag tag, const RedactionStyle& current);

} // namespace tarnveil
