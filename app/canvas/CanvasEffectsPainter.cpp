#include "canvas/CanvasEffectsPainter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>

#include "editor/AppColors.h"

namespace tarnveil::CanvasEffectsPainter {

namespace {

using AppColors::withAlpha;

/// How far the glow of the scan line reaches beyond the line.
constexpr double scanGlowReach = 12.0;

/// A glowing straight line: translucent wider strokes in `glow` standing in for a shadow of
/// `blur`, then the line itself.
void paintGlowingLine(QPainter& painter, QLineF line, const QColor& color, double width, const QColor& glow,
                      double blur)
{
    static constexpr std::array<std::pair<double, double>, 3> layers = {{{2.0, 0.12}, {1.1, 0.2}, {0.5, 0.3}}};
    for (const auto& [spread, share] : layers) {
        painter.setPen(QPen(withAlpha(glow, glow.alphaF() * share), width + blur * spread, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line);
    }
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line);
}

} // namespace

double sweepHalfWidth(const QRectF& drawRect)
{
    return std::max(0.05 * drawRect.width(), 10.0);
}

void paintSweepGlow(QPainter& painter, const QRectF& drawRect, double sweepX)
{
    const double half = sweepHalfWidth(drawRect);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    const QRectF band(sweepX - half, drawRect.top(), 2 * half, drawRect.height());
    QLinearGradient gradient(band.left(), 0, band.right(), 0);
    gradient.setColorAt(0.0, withAlpha(AppColors::tvBurn(), 0));
    gradient.setColorAt(0.46, withAlpha(AppColors::tvBurn(), 0.3));
    gradient.setColorAt(0.5, withAlpha(AppColors::tvBurnLight(), 0.8));
    gradient.setColorAt(1.0, withAlpha(AppColors::tvBurn(), 0));
    painter.fillRect(band, gradient);
    paintGlowingLine(painter, QLineF(sweepX, drawRect.bottom(), sweepX, drawRect.top()),
                     withAlpha(AppColors::tvBurnLight(), 0.9), 2.0, AppColors::tvBurn(), 16.0);
    painter.restore();
}

double scanLineY(const QRectF& drawRect, double scanPhase)
{
    return drawRect.top() + scanPhase * drawRect.height();
}

QRectF scanLineArea(const QRectF& drawRect, double scanPhase)
{
    const double y = scanLineY(drawRect, scanPhase);
    return QRectF(drawRect.left() - scanGlowReach, y - scanGlowReach - 1, drawRect.width() + 2 * scanGlowReach,
                  scanBandHeight + scanGlowReach + 2);
}

void paintScanLine(QPainter& painter, const QRectF& drawRect, double scanPhase)
{
    const double y = scanLineY(drawRect, scanPhase);
    const QColor orange = AppColors::tvBurn();
    painter.save();
    // The band trails below the line, brightest at the line.
    const QRectF band(drawRect.left(), y, drawRect.width(), scanBandHeight);
    QLinearGradient gradient(0, band.top(), 0, band.bottom());
    gradient.setColorAt(0.0, withAlpha(orange, 0.35));
    gradient.setColorAt(1.0, withAlpha(orange, 0));
    painter.fillRect(band, gradient);
    paintGlowingLine(painter, QLineF(drawRect.left(), y, drawRect.right(), y), orange, 2.0, orange, 10.0);
    painter.restore();
}

void paintScanlineTexture(QPainter& painter, const QRectF& area)
{
    const QColor row = withAlpha(Qt::black, 0.14);
    const int first = static_cast<int>(std::floor(area.top() / textureRowPitch)) * textureRowPitch;
    for (int y = std::max(first, 0); y < area.bottom(); y += textureRowPitch) {
        painter.fillRect(QRectF(area.left(), y, area.width(), 1), row);
    }
}

} // namespace tarnveil::CanvasEffectsPainter
