#pragma once

#include <string>
#include <vector>

#include "ocr/Rect.h"
#include "ocr/RecognizedWord.h"

namespace tarnveil {

/// A line of text as the engine segmented it, before it becomes an observation: its box
/// (pixels of the source image), its confidence (0 to 1) and its words, left to right.
struct RecognizedRow {
    Rect box;
    float confidence = 0;
    std::vector<RecognizedWord> words;

    /// The number of symbols with text, which weighs the row's confidence when rows join.
    std::size_t symbolCount() const;

    /// The words' text joined by single spaces.
    std::string text() const;
};

} // namespace tarnveil
