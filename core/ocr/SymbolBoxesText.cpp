#include "ocr/SymbolBoxesText.h"

#include <algorithm>

#include "ocr/Geometry.h"

namespace tarnveil {

namespace {

/// Word gaps: the only bytes of a line that need no symbol of their own.
bool isGapByte(char c) { return c == ' ' || c == '\t'; }

bool meets(const SymbolBoxesText::Symbol& symbol, const TextRange& range)
{
    return symbol.start < range.end && range.start < symbol.end;
}

} // namespace

SymbolBoxesText::SymbolBoxesText(std::string text, std::vector<Symbol> symbols)
    : text_(std::move(text)), symbols_(std::move(symbols))
{
}

Result<std::optional<Rect>, std::string> SymbolBoxesText::boundingBox(const TextRange& range) const
{
    if (range.end < range.start) {
        return failure(std::string("inverted range"));
    }
    if (range.end > text_.size()) {
        return failure("range ends at byte " + std::to_string(range.end) + ", beyond the line's " +
                       std::to_string(text_.size()) + " bytes");
    }
    std::optional<Rect> box;
    // Bytes of the range that some symbol covers.
    std::vector<bool> covered(range.length(), false);
    for (const auto& symbol : symbols_) {
        if (!meets(symbol, range)) {
            continue;
        }
        box = box ? Geometry::unionOf(*box, symbol.box) : symbol.box.standardized();
        const std::size_t from = std::max(symbol.start, range.start);
        const std::size_t to = std::min(symbol.end, range.end);
        std::fill(covered.begin() + static_cast<std::ptrdiff_t>(from - range.start),
                  covered.begin() + static_cast<std::ptrdiff_t>(to - range.start), true);
    }
    if (!box) {
        return std::optional<Rect>{};
    }
    for (std::size_t i = 0; i < covered.size(); ++i) {
        const std::size_t at = range.start + i;
        if (!covered[i] && !isGapByte(text_[at])) {
            return failure("no symbol covers byte " + std::to_string(at) + " of the range");
        }
    }
    return box;
}

} // namespace tarnveil
