#pragma once

#include <QImage>

#include "FontSet.h"
#include "Rendering.h"
#include "Scene.h"
#include "Theme.h"

class QPainter;

namespace tarnveil::leakbench {

struct Decoration;

/// Draws a scene with QPainter: background, chrome shapes, then every text segment at its
/// own position. Drawing some rows only, or leaving one item out, changes nothing else, which
/// is what makes the difference of two drawings the exact ink of that item.
///
/// Grey rendering draws the image as it is. Sub-pixel rendering draws it three times as wide
/// and gives each pixel's red, green and blue the smoothed values at its left, middle and
/// right third (an RGB stripe), which puts coloured fringes on every glyph edge as LCD
/// smoothing does. Both work row by row, so a band of rows matches the whole image exactly.
class SceneRenderer {
public:
    SceneRenderer(const FontSet& fonts, const Theme& theme, Rendering rendering = Rendering::greyHinted);

    /// The whole image.
    QImage render(const Scene& scene) const;

    /// Rows [top, bottom) of the image, drawn without the segments of item `skipItem`
    /// (-1 leaves nothing out).
    QImage renderRows(const Scene& scene, int top, int bottom, int skipItem) const;

private:
    void draw(QPainter& painter, const Scene& scene, int top, int bottom, int skipItem) const;
    void drawDecoration(QPainter& painter, const Decoration& decoration) const;
    static QImage stripeResample(const QImage& wide, int width);

    const FontSet& fonts_;
    const Theme& theme_;
    Rendering rendering_;
};

} // namespace tarnveil::leakbench
