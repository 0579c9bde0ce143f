#pragma once

#include <QIcon>
#include <QImage>

namespace tarnveil {

/// The tray symbol: three horizontal bars of 18 × 15 points. Panels may be light or dark and
/// the tray does not say which, so the bars are drawn light with a dark rim, which reads on
/// both; the icon is also marked as a mask for desktops that tint tray symbols themselves.
namespace MenuBarIcon {

/// The symbol at `scale` device pixels per point, transparent around the bars.
QImage draw(qreal scale);
/// The symbol at 1×, 2× and 3×.
QIcon icon();

} // namespace MenuBarIcon

} // namespace tarnveil
