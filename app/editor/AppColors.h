#pragma once

#include <QColor>

#include "editor/AppTheme.h"

/// The application's own colours, shared by every view of the editor window.
namespace tarnveil::AppColors {

/// The blinking cursor of the empty state.
QColor tvOrange();
/// The status-bar prompt in the hacker theme.
QColor tvGreen();
/// Detected regions, the status-bar prompt outside the hacker theme, the identifier chip.
QColor tvBurn();
/// Secret regions and the burn sweep.
QColor tvBurnLight();
/// The "SECRET" chip of the region list.
QColor secretRed();
/// The desktop's red, orange and green: severity badges, protected regions.
QColor systemRed();
QColor systemOrange();
QColor systemGreen();

/// What the canvas area shows behind the image (and the empty state): near-black for
/// midnight, a light grey for daylight, black for hacker.
QColor canvasBackground(AppTheme theme);

/// The colour of the status-bar prompt: tvGreen in the hacker theme, tvBurn otherwise.
QColor promptColor(AppTheme theme);

/// `color` at opacity `alpha` (0 to 1).
QColor withAlpha(QColor color, double alpha);

} // namespace tarnveil::AppColors
