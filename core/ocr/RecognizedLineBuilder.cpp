#include "ocr/RecognizedLineBuilder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ocr/Geometry.h"
#include "ocr/SymbolBoxesText.h"

namespace tarnveil {

namespace {

/// The symbol's box, as tall as its word and widened by `slack` on both sides, inside the word.
Rect safeSymbolBox(const Rect& symbol, const Rect& word, double slack, bool first, bool last)
{
    if (!symbol.hasArea()) {
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

/// The word's box grown to hold every symbol the engine placed outside it; empty when
/// neither the word nor any symbol has a box.
Rect wordExtent(const RecognizedWord& word)
{
    Rect box = word.box.hasArea() ? word.box.standardized() : Rect{};
    for (const auto& symbol : word.symbols) {
        if (!symbol.text.empty() && symbol.box.hasArea()) {
            box = box.hasArea() ? Geometry::unionOf(box, symbol.box) : symbol.box.standardized();
        }
    }
    return box;
}

class LineAssembly {
public:
    void addWord(const RecognizedWord& word)
    {
        std::vector<const RecognizedWord::Symbol*> kept;
        for (const auto& symbol : word.symbols) {
            if (!symbol.text.empty()) {
                kept.push_back(&symbol);
            }
        }
        const Rect box = wordExtent(word);
        if (kept.empty() || !box.hasArea()) {
            return;
        }
        if (!text.empty()) {
            text += ' ';
        }
        const double slack = box.standardWidth() / double(kept.size());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const std::size_t start = text.size();
            text += kept[i]->text;
            spans.push_back({start, text.size(), safeSymbolBox(kept[i]->box, box, slack, i == 0, i + 1 == kept.size())});
        }
        extent = extent.hasArea() ? Geometry::unionOf(extent, box) : box;
    }

    struct Span {
        std::size_t start;
        std::size_t end;
        Rect box;
    };
    std::string text;
    std::vector<Span> spans;
    Rect extent;
};

/// `box` cut to `area`; the engine's boxes can reach into the margin around the image. A box
/// wholly outside the area becomes the nearest piece of the area's edge, so that no box ever
/// points outside it.
Rect cutTo(const Rect& box, const Rect& area)
{
    if (const auto inside = Geometry::intersection(box, area)) {
        return *inside;
    }
    const double left = std::clamp(box.minX(), area.minX(), area.maxX());
    const double right = std::clamp(box.maxX(), area.minX(), area.maxX());
    const double top = std::clamp(box.minY(), area.minY(), area.maxY());
    const double bottom = std::clamp(box.maxY(), area.minY(), area.maxY());
    return Rect{left, top, right - left, bottom - top};
}

} // namespace

std::optional<OCRObservation> RecognizedLineBuilder::build(const RecognizedRow& row, const Size& imageSize,
                                                           OCRObservation::Source source)
{
    LineAssembly line;
    for (const auto& word : row.words) {
        line.addWord(word);
    }
    if (line.text.empty()) {
        return std::nullopt;
    }
    const Rect image{0, 0, imageSize.width, imageSize.height};
    const Rect box = cutTo(row.box.hasArea() ? Geometry::unionOf(row.box, line.extent) : line.extent, image);
    std::vector<SymbolBoxesText::Symbol> symbols;
    symbols.reserve(line.spans.size());
    for (const auto& span : line.spans) {
        symbols.push_back({span.start, span.end, Geometry::normalizedRect(cutTo(span.box, box), imageSize)});
    }
    OCRObservation observation;
    observation.string = line.text;
    observation.confidence = row.confidence;
    // The pixel box is derived from the normalised one, as it is when a saved result is read
    // back, so both give the same regions.
    observation.normalizedBoundingBox = Geometry::normalizedRect(box, imageSize);
    observation.pixelBoundingBox = Geometry::pixelRect(observation.normalizedBoundingBox, imageSize);
    observation.source = source;
    observation.recognizedText = std::make_shared<SymbolBoxesText>(std::move(line.text), std::move(symbols));
    return observation;
}

} // namespace tarnveil
