#pragma once

#include <string>
#include <vector>

#include "ocr/Rect.h"

namespace tarnveil {

/// A word as the recognition engine reports it: its box and its symbols, each with its text
/// and box. Boxes are in pixels of the source image; a box the engine could not give is empty.
struct RecognizedWord {
    struct Symbol {
        std::string text; ///< UTF-8; symbols without text are ignored
        Rect box;
    };

    Rect box;
    std::vector<Symbol> symbols;
};

} // namespace tarnveil
