#pragma once

#include <QColor>
#include <QRectF>

#include "ColorRole.h"

namespace tarnveil::leakbench {

/// A shape of window chrome or content: a bar, a panel, a field, a rule, a cell border, a
/// window button, or a chat avatar.
struct Decoration {
    enum class Shape {
        /// A filled rectangle, rounded by `radius`.
        fill,
        /// The rectangle's outline, one unscaled pixel (`stroke`) wide.
        outline,
        /// Two diagonals, as on a window's close button.
        cross,
        /// A filled circle in its own colours, a gradient from `top` to `bottom`, optionally
        /// with a person's head and shoulders as in a profile photo.
        avatar,
    };

    QRectF rect;
    ColorRole color = ColorRole::panel;
    /// Corner radius in pixels; 0 for a plain rectangle.
    double radius = 0;
    Shape shape = Shape::fill;
    double stroke = 1;
    QColor top = QColor();
    QColor bottom = QColor();
    bool silhouette = false;
};

} // namespace tarnveil::leakbench
