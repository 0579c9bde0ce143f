#include "canvas/RegionOverlayPainter.h"

#include <array>

#include <QPainter>
#include <QPen>

#include "canvas/CanvasColors.h"
#include "canvas/CanvasHandle.h"

namespace tarnveil {

namespace {

/// Colour, fill opacity, glow blur and line width of a region's look.
struct OverlayLook {
    QColor color;
    double fillOpacity;
    double glowBlur;
    double lineWidth;
};

OverlayLook lookOf(const RedactionRegion& region)
{
    if (region.severity == Severity::secret) {
        return {CanvasColors::burnLight(), 0.16, 8.0, 2.0};
    }
    return {CanvasColors::burn(), 0.11, 5.0, 1.25};
}

/// A dashed pen: `on` and `off` and `phase` in view pixels (Qt counts them in line widths).
QPen dashedPen(const QColor& color, double width, double on, double off, double phase)
{
    QPen pen(color, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({on / width, off / width});
    pen.setDashOffset(phase / width);
    return pen;
}

/// A soft glow along the outline: a few wide translucent strokes standing in for a shadow of
/// `blur` around a stroke of `width`, peaking at `opacity` near the line.
void paintGlow(QPainter& painter, const QRectF& rect, const QColor& color, double blur, double width, double opacity)
{
    static constexpr std::array<std::pair<double, double>, 3> layers = {{{2.0, 0.10}, {1.1, 0.16}, {0.5, 0.24}}};
    painter.setBrush(Qt::NoBrush);
    for (const auto& [spread, share] : layers) {
        QPen pen(CanvasColors::withOpacity(color, opacity * share), width + blur * spread, Qt::SolidLine, Qt::FlatCap,
                 Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(rect);
    }
}

} // namespace

RegionOverlayPainter::RegionOverlayPainter(QColor accent) : accent_(accent) {}

void RegionOverlayPainter::paint(QPainter& painter, const QRectF& rect, const RedactionRegion& region,
                                 bool selected, double dashPhase) const
{
    if (region.isProtected) {
        const QColor green = CanvasColors::protectedGreen();
        painter.fillRect(rect, CanvasColors::withOpacity(green, 0.15));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(dashedPen(green, 1.5, 5, 3, 0));
        painter.drawRect(rect);
    } else {
        const OverlayLook look = lookOf(region);
        painter.fillRect(rect, CanvasColors::withOpacity(look.color, look.fillOpacity));
        paintGlow(painter, rect, look.color, look.glowBlur, look.lineWidth, 0.75);
        painter.setPen(dashedPen(look.color, look.lineWidth, 6, 4, dashPhase));
        painter.drawRect(rect);
    }
    if (selected) {
        paintSelection(painter, rect);
    }
}

void RegionOverlayPainter::paintSelection(QPainter& painter, const QRectF& rect) const
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(accent_, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(rect.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(accent_);
    const double half = canvasHandleSize / 2;
    for (const CanvasHandle handle : allCanvasHandles()) {
        const QPointF centre = handleCentre(rect, handle);
        painter.drawRect(QRectF(centre.x() - half, centre.y() - half, canvasHandleSize, canvasHandleSize));
    }
}

void RegionOverlayPainter::paintDraft(QPainter& painter, const QRectF& rect)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(dashedPen(CanvasColors::burn(), 1.5, 6, 4, 0));
    painter.drawRect(rect);
}

} // namespace tarnveil
