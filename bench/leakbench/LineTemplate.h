#pragma once

#include <vector>

#include "ClipSide.h"
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
    /// For a private key block: the window edge that cuts one or two of its rows off.
    ClipSide clip = ClipSide::none;
    /// A chat message's author row: the author's round avatar sits beside it and the row
    /// below.
    bool avatar = false;
};

} // namespace tarnveil::leakbench
