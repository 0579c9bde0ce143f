#pragma once

#include <QImage>

#include "FontSet.h"
#include "Scene.h"
#include "Theme.h"

namespace tarnveil::leakbench {

/// Draws a scene with QPainter: background, chrome shapes, then every text segment at its
/// own position. Drawing some rows only, or leaving one item out, changes nothing else, which
/// is what makes the difference of two drawings the exact ink of that item.
class SceneRenderer {
public:
    SceneRenderer(const FontSet& fonts, const Theme& theme);

    /// The whole image.
    QImage render(const Scene& scene) const;

    /// Rows [top, bottom) of the image, drawn without the segments of item `skipItem`
    /// (-1 leaves nothing out).
    QImage renderRows(const Scene& scene, int top, int bottom, int skipItem) const;

private:
    const FontSet& fonts_;
    const Theme& theme_;
};

} // namespace tarnveil::leakbench
