#pragma once

#include <QRectF>

class QPainter;

namespace tarnveil::CanvasEffectsPainter {

/// Height of the glowing band that trails the scan line.
inline constexpr double scanBandHeight = 40.0;
/// Row pitch of the hacker theme's scan-line texture.
inline constexpr int textureRowPitch = 3;

/// Half the width of the glowing band around the burn sweep's front.
double sweepHalfWidth(const QRectF& drawRect);

/// The glowing band and the bright line of the burn sweep at `sweepX`, added to what lies below.
void paintSweepGlow(QPainter& painter, const QRectF& drawRect, double sweepX);

/// Where the scan line stands at `scanPhase` (0 at the top of the image, 1 at its bottom).
double scanLineY(const QRectF& drawRect, double scanPhase);

/// Everything the scan line at `scanPhase` paints on.
QRectF scanLineArea(const QRectF& drawRect, double scanPhase);

/// The scan line with its band and glow.
void paintScanLine(QPainter& painter, const QRectF& drawRect, double scanPhase);

/// The hacker theme's texture: thin dark rows every few pixels, over `area`.
void paintScanlineTexture(QPainter& painter, const QRectF& area);

} // namespace tarnveil::CanvasEffectsPainter
