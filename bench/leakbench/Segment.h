#pragma once

#include <string>

#include <QPointF>

#include "ColorRole.h"
#include "FontRole.h"

namespace tarnveil::leakbench {

/// A run of text drawn in one call: its own font, colour and position (the left end of its
/// baseline, in image pixels). Planted values and decoys are segments of their own, so an
/// image can be drawn again without exactly one of them and nothing else moves.
struct Segment {
    std::string text;
    FontRole font = FontRole::mono;
    ColorRole color = ColorRole::text;
    /// The table column the segment starts, or -1 when it follows the previous segment.
    int column = -1;
    /// The scene item (planted value or decoy) the segment draws, or -1.
    int item = -1;
    QPointF origin;
    /// Part of an inline code span.
    bool span = false;
};

} // namespace tarnveil::leakbench
