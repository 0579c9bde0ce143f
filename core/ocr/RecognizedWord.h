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
    /// The engine's confidence in the word, 0 to 1 (0 when it gave none).
    float confidence = 0;

    /// The symbols' text, one after the other.
    std::string text() const;

    /// Takes `next`'s symbols after its own and grows the box to hold both (a box without
    /// area is left out). The joined word is as doubtful as the less certain of the two.
    void absorb(RecognizedWord&& next);
};

} // namespace tarnveil
