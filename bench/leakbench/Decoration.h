#pragma once

#include <QRectF>

#include "ColorRole.h"

namespace tarnveil::leakbench {

/// A filled shape of window chrome: a bar, a panel, a field, a rule.
struct Decoration {
    QRectF rect;
    ColorRole color = ColorRole::panel;
    /// Corner radius in pixels; 0 for a plain rectangle.
    double radius = 0;
};

} // namespace tarnveil::leakbench
