#pragma once

#include <QColor>
#include <QRectF>

#include "planning/RedactionRegion.h"

class QPainter;

namespace tarnveil {

/// Draws the overlay of one region on the canvas: a translucent fill and a marching-ants
/// outline in the colour of its severity (green and still for protected regions), and for a
/// selected region an accent frame with the eight resize handles. The overlay never shows
/// the region's style; that is for the burned preview and the export.
class RegionOverlayPainter {
public:
    /// How far any overlay reaches outside its view rectangle (glow, frame, handles).
    static constexpr double outerReach = 12.0;
    /// How far the moving part of the outline (the dashes) reaches on either side of the
    /// rectangle's edge.
    static constexpr double dashReach = 2.5;

    /// Strokes and fills in `accent` for selections.
    explicit RegionOverlayPainter(QColor accent);

    /// Draws `region` at `rect` (view coordinates); `dashPhase` moves its dashes.
    void paint(QPainter& painter, const QRectF& rect, const RedactionRegion& region, bool selected,
               double dashPhase) const;

    /// The dashed outline of a region being drawn.
    static void paintDraft(QPainter& painter, const QRectF& rect);

    /// Whether the outline of `region` moves with the dash phase (protected outlines stand still).
    static bool marches(const RedactionRegion& region) { return !region.isProtected; }

private:
    void paintSelection(QPainter& painter, const QRectF& rect) const;

    QColor accent_;
};

} // namespace tarnveil
