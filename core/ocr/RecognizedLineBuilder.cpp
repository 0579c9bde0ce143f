#include "ocr/RecognizedLineBuilder.h"

#include <algorithm>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "ocr/Geometry.h"
#include "ocr/SymbolBoxesText.h"

namespace tarnveil {

namespace {

/// Symbols whose centres lie further apart vertically than this many median symbol heights
/// stand on different rows: the word holds a token the engine or a repair joined across a line
/// break. Closer centres (a baseline "_" or "." beside letters) are one row.
constexpr double rowGapInHeights = 0.8;

/// For each symbol, the box of its text row within the word when the word spans more than one
/// row; none for every symbol of an ordinary, one-row word.
std::vector<std::optional<Rect>> rowsOf(const std::vector<const RecognizedWord::Symbol*>& symbols)
{
    std::vector<std::size_t> order;
    std::vector<double> heights;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i]->box.hasArea()) {
            order.push_back(i);
            heights.push_back(symbols[i]->box.standardHeight());
        }
    }
    std::vector<std::optional<Rect>> rows(symbols.size());
    if (order.size() < 2) {
        return rows;
    }
    std::nth_element(heights.begin(), heights.begin() + std::ptrdiff_t(heights.size() / 2), heights.end());
    const double gap = rowGapInHeights * heights[heights.size() / 2];
    const auto centre = [&symbols](std::size_t i) { return symbols[i]->box.minY() + symbols[i]->box.standardHeight() / 2; };
    std::sort(order.begin(), order.end(), [&centre](std::size_t a, std::size_t b) { return centre(a) < centre(b); });
    std::vector<std::vector<std::size_t>> clusters{{order.front()}};
    for (std::size_t k = 1; k < order.size(); ++k) {
        if (centre(order[k]) - centre(order[k - 1]) > gap) {
            clusters.emplace_back();
        }
        clusters.back().push_back(order[k]);
    }
    if (clusters.size() < 2) {
        return rows;
    }
    for (const auto& cluster : clusters) {
        Rect extent = symbols[cluster.front()]->box.standardized();
        for (const std::size_t i : cluster) {
            extent = Geometry::unionOf(extent, symbols[i]->box);
        }
        for (const std::size_t i : cluster) {
            rows[i] = extent;
        }
    }
    return rows;
}

/// The symbol's box, as tall as its word and widened by `slack` on both sides, inside the word.
/// In a word that spans more than one row, `row` is the symbol's own row: the box is then as
/// tall as that row and kept to the row's part of the word, so that a part of the word never
/// covers the text of the next row.
Rect safeSymbolBox(const Rect& symbol, const Rect& word, double slack, bool first, bool last,
                   const std::optional<Rect>& row)
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
    double top = std::min(word.minY(), symbol.minY());
    double bottom = std::max(word.maxY(), symbol.maxY());
    if (row) {
        top = row->minY();
        bottom = row->maxY();
        left = first ? row->minX() : std::max(left, row->minX());
        right = last ? row->maxX() : std::min(right, row->maxX());
    }
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
        const std::vector<std::optional<Rect>> rows = rowsOf(kept);
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const std::size_t start = text.size();
            text += kept[i]->text;
            spans.push_back({start, text.size(),
                             safeSymbolBox(kept[i]->box, box, slack, i == 0, i + 1 == kept.size(), rows[i])});
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
