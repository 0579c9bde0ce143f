#include "ocr/engine/GapInspector.h"

#include <algorithm>
#include <cmath>


namespace tarnveil::GapInspector {

namespace {

/// Pixels darker than this are ink.
constexpr int inkLevel = 128;

/// True when the ink between `left` and `right` (source pixels) is an underscore: it lies only
/// in the lowest part of the row and covers most of the gap's columns.
bool underscoreBetween(const Rect& left, const Rect& right, const Rect& row, const QImage& bitmap, double toSource)
{
    const double height = row.standardHeight();
    const int x0 = int(std::ceil(left.maxX() / toSource)) + 1;
    const int x1 = int(std::floor(right.minX() / toSource)) - 1;
    const int y0 = std::max(0, int(std::floor(row.minY() / toSource)));
    const int y1 = std::min(bitmap.height() - 1, int(std::ceil((row.maxY() + 0.25 * height) / toSource)));
    const int low = int(std::floor((row.minY() + 0.65 * height) / toSource));
    if (x0 < 0 || x1 >= bitmap.width() || x1 - x0 < 2 || y1 <= y0) {
        return false;
    }
    int inkedColumns = 0;
    for (int x = x0; x <= x1; ++x) {
        bool inked = false;
        for (int y = y0; y <= y1; ++y) {
            if (bitmap.constScanLine(y)[x] < inkLevel) {
                if (y < low) {
                    return false;
                }
                inked = true;
            }
        }
        inkedColumns += inked ? 1 : 0;
    }
    return inkedColumns >= 0.6 * (x1 - x0 + 1);
}

} // namespace

RecognizedRow withUnderscoresRestored(RecognizedRow row, const QImage& bitmap, double toSource)
{
    if (bitmap.format() != QImage::Format_Grayscale8 || !(toSource > 0) || !row.box.hasArea()) {
        return row;
    }
    std::vector<RecognizedWord> kept;
    for (auto& word : row.words) {
        if (!kept.empty() && kept.back().box.hasArea() && word.box.hasArea() &&
            underscoreBetween(kept.back().box, word.box, row.box, bitmap, toSource)) {
            RecognizedWord& previous = kept.back();
            // The engine may have read the underscore but boxed it apart from its ink.
            const bool alreadyRead = (!previous.symbols.empty() && previous.symbols.back().text == "_") ||
                                     (!word.symbols.empty() && word.symbols.front().text == "_");
            if (!alreadyRead) {
                const Rect gap{previous.box.maxX(), previous.box.minY(), word.box.minX() - previous.box.maxX(),
                               previous.box.standardHeight()};
                previous.symbols.push_back({"_", gap});
            }
            previous.absorb(std::move(word));
        } else {
            kept.push_back(std::move(word));
        }
    }
    row.words = std::move(kept);
    return row;
}

} // namespace tarnveil::GapInspector
