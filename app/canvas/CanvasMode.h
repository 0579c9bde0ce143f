#pragma once

#include "canvas/CanvasHandle.h"

namespace tarnveil {

/// The mouse interaction under way: none, drawing a new region (protected or not), moving the
/// selected regions, or resizing the one selected region by a handle.
struct CanvasMode {
    enum class Kind {
        none,
        draw,
        move,
        resize,
    };

    static constexpr CanvasMode idle() { return CanvasMode{}; }
    static constexpr CanvasMode drawing(bool protect) { return CanvasMode{Kind::draw, protect, CanvasHandle::tl}; }
    static constexpr CanvasMode moving() { return CanvasMode{Kind::move, false, CanvasHandle::tl}; }
    static constexpr CanvasMode resizing(CanvasHandle handle) { return CanvasMode{Kind::resize, false, handle}; }

    Kind kind = Kind::none;
    /// Drawing only: the new region protects its area.
    bool protect = false;
    /// Resizing only: the handle being dragged.
    CanvasHandle handle = CanvasHandle::tl;

    friend constexpr bool operator==(const CanvasMode&, const CanvasMode&) = default;
};

} // namespace tarnveil
