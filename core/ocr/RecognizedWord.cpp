#include "ocr/RecognizedWord.h"

#include <algorithm>
#include <iterator>

#include "ocr/Geometry.h"

namespace tarnveil {

std::string RecognizedWord::text() const
{
    std::string joined;
    for (const auto& symbol : symbols) {
        joined += symbol.text;
    }
    return joined;
}

void RecognizedWord::absorb(RecognizedWord&& next)
{
    if (!box.hasArea()) {
        box = next.box;
    } else if (next.box.hasArea()) {
        box = Geometry::unionOf(box, next.box);
    }
    if (!symbols.empty() && !next.symbols.empty()) {
        confidence = std::min(confidence, next.confidence);
    } else if (symbols.empty()) {
        confidence = next.confidence;
    }
    std::move(next.symbols.begin(), next.symbols.end(), std::back_inserter(symbols));
}

} // namespace tarnveil
