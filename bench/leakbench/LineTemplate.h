#pragma once

#include <vector>

#include "FontRole.h"
#include "Piece.h"

namespace tarnveil::leakbench {

/// One line of a scene description, drawn left to right from its pieces.
struct LineTemplate {
    std::vector<Piece> pieces;
    FontRole font = FontRole::mono;
    /// Drawn in about half of the images only.
    bool optional = false;
    /// Extra room above: a new message or section.
    bool gapBefore = false;
    /// Drawn on a panel, like a pasted code block.
    bool codeBlock = false;
};

} // namespace tarnveil::leakbench
