#pragma once

#include <QImage>

#include "ocr/engine/TextLineLayout.h"

namespace tarnveil::LineSegmenter {

/// Ink darker than this (in the prepared bitmap, 0 black to 255 white) marks a pixel as ink.
inline constexpr int inkLevel = 176;
/// A bitmap with more separate marks than this is not segmented (a photograph, noise).
inline constexpr int maximumMarks = 250000;
/// Columns are split at vertical gaps wider than this many glyph heights.
inline constexpr double columnGapInGlyphs = 2.0;

/// Finds the text lines of `bitmap` (Format_Grayscale8, dark ink on white, as
/// ScreenshotPreparation makes it). Long horizontal and vertical strokes (rules, table and cell
/// borders, window edges) are removed first, so text that touches them stays apart; marks much
/// taller than text (avatars, icons, pictures, filled buttons) are dropped together with what
/// lies inside them, so they never share a line with text. The remaining marks are cut
/// recursively: into horizontal slabs at every blank row, a slab without one into columns at
/// gaps wider than `columnGapInGlyphs` glyph heights, and each column again into rows, until
/// every piece is one line.
TextLineLayout segment(const QImage& bitmap);

} // namespace tarnveil::LineSegmenter
