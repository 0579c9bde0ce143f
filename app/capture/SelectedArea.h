#pragma once

#include <cstddef>

#include <QRectF>

namespace tarnveil {

/// The rectangle the user selected, in global coordinates, and the index of the display (in
/// the list the selection began with) whose selector received the mouse-down.
struct SelectedArea {
    QRectF rect;
    std::size_t screen = 0;
};

} // namespace tarnveil
