#pragma once

namespace tarnveil::leakbench {

/// Which edge of the window cuts a block of text off: none, the top (the text was scrolled up
/// past it) or the bottom (the capture ends inside the block).
enum class ClipSide {
    none,
    top,
    bottom,
};

} // namespace tarnveil::leakbench
