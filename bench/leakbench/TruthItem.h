#pragma once

#include <string>

#include "InkMask.h"

namespace tarnveil::leakbench {

/// One planted value or decoy of a corpus image: what it is, the text drawn, the whole line
/// it sits in, the font it was drawn with and the pixels its glyphs changed.
struct TruthItem {
    std::string id;
    /// The detection category of a planted value, or the kind of a decoy.
    std::string kind;
    std::string text;
    std::string line;
    std::string font;
    /// The font's pixel size before the image's scale is applied.
    int fontSize = 0;
    InkMask ink;
};

} // namespace tarnveil::leakbench
