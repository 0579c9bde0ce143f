#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ocr/RecognizedText.h"

namespace tarnveil {

/// A recognised line kept as its symbols: each symbol's span in the line's text and its
/// normalised box. The box of a range is the union of the boxes of the symbols it meets.
class SymbolBoxesText final : public RecognizedText {
public:
    struct Symbol {
        std::size_t start = 0; ///< UTF-8 byte offset of the symbol's first byte in the line
        std::size_t end = 0;   ///< one past its last byte
        Rect box;              ///< normalised space

        friend bool operator==(const Symbol&, const Symbol&) = default;
    };

    SymbolBoxesText(std::string text, std::vector<Symbol> symbols);

    /// None when no symbol meets the range. An error when the range is inverted or leaves the
    /// line, or when it holds a byte other than a word gap that no symbol covers: a box made
    /// from the other symbols would leave that character visible, so the caller must fall back
    /// to a larger area.
    Result<std::optional<Rect>, std::string> boundingBox(const TextRange& range) const override;

    const std::string& text() const { return text_; }
    const std::vector<Symbol>& symbols() const { return symbols_; }

private:
    std::string text_;
    std::vector<Symbol> symbols_;
};

} // namespace tarnveil
