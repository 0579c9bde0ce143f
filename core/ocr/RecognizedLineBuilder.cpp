#include "ocr/RecognizedLineBuilder.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "ocr/Geometry.h"
#include "ocr/SymbolBoxesText.h"

namespace tarnveil {

namespace {

bool usable(const Rect& box)
{
    return box.isFinite() && box.standardWidth() > 0 && box.standardHeight() > 0;
}

/// The symbol's box, as tall as its word and widened by `slack` on both sides, inside the word.
Rect safeSymbolBox(const Rect& symbol, const Rect& word, double slack, bool first, bool last)
{
    if (!usable(symbol)) {
        return word;
    }
    double left = first ? word.minX() : std::max(word.minX(), symbol.minX() - slack);
    double right = last ? word.maxX() : std::min(word.maxX(), symbol.maxX() + slack);
    if (right <= left) {
        // The engine placed the symbol outside its word: only the whole word is safe.
        left = word.minX();
        right = word.maxX();
    }
    const double top = std::min(word.minY(), symbol.minY());
    const double bottom = std::max(word.maxY(), symbol.maxY());
    return Rect{left, top, right - left, bottom - top};
}

} // namespace

RecognizedLineBuilder::RecognizedLineBuilder(Size imageSize) : imageSize_(imageSize) {}

void RecognizedLineBuilder::addWord(const Rect& wordBox, const std::vector<Symbol>& symbols)
{
    std::vector<const Symbol*> kept;
    Rect word = usable(wordBox) ? wordBox.standardized() : Rect{};
    for (const Symbol& symbol : symbols) {
        if (symbol.text.empty()) {
            continue;
        }
        kept.push_back(&symbol);
        if (usable(symbol.box)) {
            word = usable(word) ? Geometry::unionOf(word, symbol.box) : symbol.box.standardized();
        }
    }
    if (kept.empty() || !usable(word)) {
        return;
    }
    if (!text_.empty()) {
        text_ += ' ';
    }
    const double slack = word.standardWidth() / double(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const std::size_t start = text_.size();
        text_ += kept[i]->text;
        spans_.push_back(Span{start, text_.size(),
                              safeSymbolBox(kept[i]->box, word, slack, i == 0, i + 1 == kept.size())});
    }
    wordBoxes_.push_back(word);
}

OCRObservation RecognizedLineBuilder::build(const Rect& lineBox, float confidence, OCRObservation::Source source)
{
    Rect box = usable(lineBox) ? lineBox.standardized() : Rect{};
    for (const Rect& word : wordBoxes_) {
        box = usable(box) ? Geometry::unionOf(box, word) : word;
    }
    std::vector<SymbolBoxesText::Symbol> symbols;
    symbols.reserve(spans_.size());
    for (const Span& span : spans_) {
        symbols.push_back({span.start, span.end, Geometry::normalizedRect(span.pixelBox, imageSize_)});
    }
    OCRObservation line;
    line.string = text_;
    line.confidence = confidence;
    // The pixel box is derived from the normalised one, as it is when a saved result is read
    // back, so both give the same regions.
    line.normalizedBoundingBox = Geometry::normalizedRect(box, imageSize_);
    line.pixelBoundingBox = Geometry::pixelRect(line.normalizedBoundingBox, imageSize_);
    line.source = source;
    line.recognizedText = std::make_shared<SymbolBoxesText>(std::move(text_), std::move(symbols));
    text_.clear();
    spans_.clear();
    wordBoxes_.clear();
    return line;
}

} // namespace tarnveil
