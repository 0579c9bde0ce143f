#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStringList>

/// The editor's icons, named by symbol ("camera.viewfinder", "flame.fill", ...). Each symbol
/// is looked up in the desktop's freedesktop icon theme first and otherwise drawn from our
/// own SVG file, so the window is complete without any icon theme. Every icon is drawn in one
/// colour, like a symbolic icon: a fixed colour, or the palette's text colour.
namespace tarnveil::SymbolIcons {

/// Every symbol the editor uses; each has an SVG file.
const std::vector<std::string_view>& symbols();

/// The freedesktop icon names tried for `symbol`, best first; empty when no standard icon
/// means the same.
QStringList themeNames(std::string_view symbol);

/// The resource path of our own drawing of `symbol`.
QString resourcePath(std::string_view symbol);

/// The icon of `symbol` in `color`, or in the palette's text colour when none is given.
/// A symbol without a drawing gives a null icon.
QIcon icon(std::string_view symbol, std::optional<QColor> color = std::nullopt);

} // namespace tarnveil::SymbolIcons
