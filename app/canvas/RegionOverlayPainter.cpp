#include "canvas/RegionOverlayPainter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QPainter>
#include <QVarLengthArray>

#include "editor/AppColors.h"
#include "canvas/CanvasHandle.h"

namespace tarnveil {

namespace {

using AppColors::withAlpha;
using Rects = QVarLengthArray<QRectF, 64>;

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
        return {AppColors::tvBurnLight(), 0.16, 8.0, 2.0};
    }
    return {AppColors::tvBurn(), 0.11, 5.0, 1.25};
}

void fill(QPainter& painter, const Rects& rects, const QColor& color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(rects.constData(), static_cast<int>(rects.size()));
}

/// A band of `width` centred on the outline of `rect`, as four rectangles that do not overlap.
void addRing(Rects& rects, const QRectF& rect, double width)
{
    const double h = width / 2;
    const QRectF outer = rect.adjusted(-h, -h, h, h);
    rects.append(QRectF(outer.left(), outer.top(), outer.width(), width));
    rects.append(QRectF(outer.left(), outer.bottom() - width, outer.width(), width));
    const double sideHeight = outer.height() - 2 * width;
    if (sideHeight > 0) {
        rects.append(QRectF(outer.left(), outer.top() + width, width, sideHeight));
        rects.append(QRectF(outer.right() - width, outer.top() + width, width, sideHeight));
    }
}

/// The dashes of a dashed stroke of `width` along the outline of `rect`, walked clockwise from
/// the top-left corner: `on` pixels drawn, `off` pixels left out, the pattern shifted by
/// `phase`. Drawn as rectangles: far cheaper than a dashed, antialiased path for hundreds of
/// outlines per frame, and crisp on the pixel grid.
void addDashes(Rects& rects, const QRectF& rect, double width, double on, double off, double phase)
{
    const double period = on + off;
    const double h = width / 2;
    struct Edge {
        QPointF start;
        QPointF direction;
        double length;
    };
    const std::array<Edge, 4> edges = {{
        {rect.topLeft(), {1, 0}, rect.width()},
        {rect.topRight(), {0, 1}, rect.height()},
        {rect.bottomRight(), {-1, 0}, rect.width()},
        {rect.bottomLeft(), {0, -1}, rect.height()},
    }};
    double offset = 0;
    for (const Edge& edge : edges) {
        const double end = offset + edge.length;
        for (double k = std::floor((offset + phase) / period); k * period - phase < end; ++k) {
            // Each dash reaches half the line width past the corner, so corners stay closed.
            const double a = std::max(k * period - phase, offset) - offset;
            const double b = std::min(k * period - phase + on, end) - offset;
            if (b <= a) {
                continue;
            }
            const double from = a == 0 ? -h : a;
            const double to = b == edge.length ? b + h : b;
            const QPointF p = edge.start + edge.direction * from;
            const QPointF q = edge.start + edge.direction * to;
            rects.append(QRectF(QPointF(std::min(p.x(), q.x()), std::min(p.y(), q.y())),
                                QPointF(std::max(p.x(), q.x()), std::max(p.y(), q.y())))
                             .adjusted(edge.direction.x() == 0 ? -h : 0, edge.direction.y() == 0 ? -h : 0,
                                       edge.direction.x() == 0 ? h : 0, edge.direction.y() == 0 ? h : 0));
        }
        offset = end;
    }
}

/// A soft glow along the outline: nested translucent bands standing in for a shadow of `blur`
/// around a line of `width`, strongest near the line.
void paintGlow(QPainter& painter, const QRectF& rect, const QColor& color, double blur, double width, double opacity)
{
    static constexpr std::array<std::pair<double, double>, 2> layers = {{{1.6, 0.14}, {0.7, 0.22}}};
    for (const auto& [spread, share] : layers) {
        Rects ring;
        addRing(ring, rect, width + blur * spread);
        fill(painter, ring, withAlpha(color, opacity * share));
    }
}

} // namespace

RegionOverlayPainter::RegionOverlayPainter(QColor accent) : accent_(accent) {}

void RegionOverlayPainter::paint(QPainter& painter, const QRectF& rect, const RedactionRegion& region,
                                 bool selected, double dashPhase) const
{
    Rects dashes;
    if (region.isProtected) {
        const QColor green = AppColors::systemGreen();
        painter.fillRect(rect, withAlpha(green, 0.15));
        addDashes(dashes, rect, 1.5, 5, 3, 0);
        fill(painter, dashes, green);
    } else {
        const OverlayLook look = lookOf(region);
        painter.fillRect(rect, withAlpha(look.color, look.fillOpacity));
        paintGlow(painter, rect, look.color, look.glowBlur, look.lineWidth, 0.75);
        addDashes(dashes, rect, look.lineWidth, 6, 4, dashPhase);
        fill(painter, dashes, look.color);
    }
    if (selected) {
        paintSelection(painter, rect);
    }
}

void RegionOverlayPainter::paintSelection(QPainter& painter, const QRectF& rect) const
{
    Rects frame;
    addRing(frame, rect.adjusted(-1, -1, 1, 1), 2.0);
    fill(painter, frame, accent_);
    const double half = canvasHandleSize / 2;
    Rects outlines;
    Rects insides;
    for (const CanvasHandle handle : allCanvasHandles()) {
        const QPointF centre = handleCentre(rect, handle);
        // An 8-point square outlined by a white line of width 1 centred on its edge.
        outlines.append(QRectF(centre.x() - half - 0.5, centre.y() - half - 0.5, canvasHandleSize + 1,
                               canvasHandleSize + 1));
        insides.append(QRectF(centre.x() - half + 0.5, centre.y() - half + 0.5, canvasHandleSize - 1,
                              canvasHandleSize - 1));
    }
    fill(painter, outlines, Qt::white);
    fill(painter, insides, accent_);
}

void RegionOverlayPainter::paintDraft(QPainter& painter, const QRectF& rect)
{
    Rects dashes;
    addDashes(dashes, rect, 1.5, 6, 4, 0);
    fill(painter, dashes, AppColors::tvBurn());
}

} // namespace tarnveil
