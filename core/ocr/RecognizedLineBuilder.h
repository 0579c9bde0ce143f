#pragma once

#include <optional>

#include "ocr/OCRObservation.h"
#include "ocr/RecognizedRow.h"
#include "ocr/Size.h"

namespace tarnveil {

/// Turns one row of the engine's words into a recognised line. The line's string is its words
/// joined by single spaces, so every byte is a symbol or a word gap, and its handle answers
/// boxes from the symbols.
///
/// The engine's symbol boxes are approximate and can drift by a character, so a symbol's box
/// is taken as the word's full height and widened by the word's mean character width on both
/// sides, never beyond the word's own box: a range that covers part of a word is then covered
/// with room to spare, and never spills into the next word.
class RecognizedLineBuilder {
public:
    /// The line of `row` in an image of `imageSize`, with the pixel box that holds the row's
    /// box and every word; none when the row holds no text. Boxes are cut to the image.
    static std::optional<OCRObservation> build(const RecognizedRow& row, const Size& imageSize,
                                               OCRObservation::Source source);
};

} // namespace tarnveil
