#pragma once

#include <vector>

#include <QImage>

#include "ocr/engine/PixelBox.h"

namespace tarnveil {

/// Where the text lines of a prepared bitmap are, found before recognition.
struct TextLineLayout {
    /// The prepared bitmap with what is not text (rules, borders, avatars, icons) painted white.
    QImage cleaned;
    /// One box per text line, in pixels of the bitmap: rows top to bottom, columns left to right.
    std::vector<PixelBox> lines;
    /// The typical height of a glyph in the bitmap, in pixels (0 when there is no ink).
    int glyphHeight = 0;
    /// False when the bitmap does not look like a screenshot of text (a photograph, noise): too
    /// many separate marks to find lines in, within a bounded time.
    bool usable = true;
};

} // namespace tarnveil
