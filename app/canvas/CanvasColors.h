#pragma once

#include <QColor>

#include "editor/AppTheme.h"

namespace tarnveil::CanvasColors {

/// Detected regions, the outline of a region being drawn, the scan line.
QColor burn();
/// Secret regions and the burn sweep.
QColor burnLight();
/// Protected regions.
QColor protectedGreen();
/// The canvas background of `theme`.
QColor background(AppTheme theme);
/// `color` at `opacity` (0 to 1).
QColor withOpacity(QColor color, double opacity);

} // namespace tarnveil::CanvasColors
