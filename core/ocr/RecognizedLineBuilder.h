#pragma once

#include <string>
#include <vector>

#include "ocr/OCRObservation.h"
#include "ocr/Rect.h"
#include "ocr/Size.h"

namespace tarnveil {

/// Assembles one recognised line from the engine's words and symbols (pixel boxes in the
/// source image). The line's string is its words joined by single spaces, so every byte is a
/// symbol or a word gap, and its handle answers boxes from the symbols.
///
/// The engine's symbol boxes are approximate and can drift by a character, so a symbol's box
/// is taken as the word's full height and widened by the word's mean character width on both
/// sides, never beyond the word's own box: a range that covers part of a word is then covered
/// with room to spare, and never spills into the next word.
class RecognizedLineBuilder {
public:
    struct Symbol {
        std::string text; ///< UTF-8; symbols with no text are ignored
        Rect box;         ///< pixel space of the source image; may be empty when unknown
    };

    explicit RecognizedLineBuilder(Size imageSize);

    /// Appends a word. A word without any symbol text is ignored.
    void addWord(const Rect& wordBox, const std::vector<Symbol>& symbols);

    bool empty() const { return text_.empty(); }

    /// The line with its pixel box (the union of `lineBox` and every word box), `confidence`
    /// and pass. The builder is left empty.
    OCRObservation build(const Rect& lineBox, float confidence, OCRObservation::Source source);

private:
    struct Span {
        std::size_t start;
        std::size_t end;
        Rect pixelBox;
    };

    Size imageSize_;
    std::string text_;
    std::vector<Span> spans_;
    std::vector<Rect> wordBoxes_;
};

} // namespace tarnveil
