#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include <QString>

#include "ocr/Rect.h"

namespace tarnveil {

/// A band of window chrome that a screenshot often carries and no text detector is sure to
/// catch; each member adds one full-width strip at a fixed place. The identifier of each
/// member is its name.
enum class ChromeScrub {
    menuBar,
    dock,
    browserBar,
    terminalTitle,
};

inline constexpr std::size_t chromeScrubCount = 4;

/// [menuBar, dock, browserBar, terminalTitle], the order of the menus.
const std::array<ChromeScrub, chromeScrubCount>& allChromeScrubs();

/// "menuBar", "dock", "browserBar" or "terminalTitle".
std::string_view identifier(ChromeScrub kind);

/// The member's identifier, as `identifier`.
inline std::string_view id(ChromeScrub kind)
{
    return identifier(kind);
}

/// The member whose identifier equals `text` exactly (case-sensitive), or none.
std::optional<ChromeScrub> chromeScrubFromIdentifier(std::string_view text);

/// The display name in the current language: "Menu Bar", "Dock", "Browser Bar", "Title Bar".
QString title(ChromeScrub kind);

/// The strip's height in points: 24, 80, 120 and 28.
double stripHeightInPoints(ChromeScrub kind);

/// The strip over an image of `width` × `height` pixels at `scale` pixels per point: the full
/// width, from the top edge, or for the Dock from the bottom edge (from the top when the image
/// is lower than the strip). The height is not cut to the image; burning stops at its edges.
Rect stripRect(ChromeScrub kind, double width, double height, double scale);

} // namespace tarnveil
