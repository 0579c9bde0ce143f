#include "ocr/engine/UnreadInk.h"

#include <algorithm>

namespace tarnveil::UnreadInk {

namespace {

/// The word of `reading` whose box reaches furthest left (`leftmost`) or right, or none.
RecognizedWord* outerWord(LineReading& reading, bool leftmost, RecognizedRow*& rowOfWord)
{
    RecognizedWord* best = nullptr;
    for (RecognizedRow& row : reading.rows) {
        for (RecognizedWord& word : row.words) {
            if (!word.box.hasArea()) {
                continue;
            }
            const bool further = best == nullptr || (leftmost ? word.box.minX() < best->box.minX()
                                                              : word.box.maxX() > best->box.maxX());
            if (further) {
                best = &word;
                rowOfWord = &row;
            }
        }
    }
    return best;
}

/// `box` with its left or right edge moved to `edge`.
Rect withEdge(const Rect& box, bool left, double edge)
{
    const Rect standard = box.standardized();
    if (left) {
        return {edge, standard.y, standard.maxX() - edge, standard.height};
    }
    return {standard.x, standard.y, edge - standard.x, standard.height};
}

void stretch(LineReading& reading, bool left, double edge, double reachPixels)
{
    RecognizedRow* row = nullptr;
    RecognizedWord* word = outerWord(reading, left, row);
    if (word == nullptr) {
        return;
    }
    const double gap = left ? word->box.minX() - edge : edge - word->box.maxX();
    if (gap <= 0 || gap > reachPixels) {
        return;
    }
    word->box = withEdge(word->box, left, edge);
    if (row->box.hasArea() && (left ? edge < row->box.minX() : edge > row->box.maxX())) {
        row->box = withEdge(row->box, left, edge);
    }
}

} // namespace

void reach(LineReading& reading, const PixelBox& line, double toSource)
{
    if (line.empty() || !(toSource > 0)) {
        return;
    }
    const double reachPixels = reachInLineHeights * line.height() * toSource;
    stretch(reading, true, line.left * toSource, reachPixels);
    stretch(reading, false, line.right * toSource, reachPixels);
}

} // namespace tarnveil::UnreadInk
