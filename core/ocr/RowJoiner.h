#pragma once

#include <vector>

#include "ocr/RecognizedRow.h"

namespace tarnveil::RowJoiner {

/// Pieces of one row of text further apart than this many row heights stay separate lines.
inline constexpr double maxGapInHeights = 2.5;

/// The rows with the pieces of each visual row joined, left to right, into one. The engine
/// cuts a row wherever it sees a column (aligned log fields, a key and its value far apart in
/// a configuration file), and a value read apart from its key or its other half can no longer
/// be recognised. Two pieces join when they share at least half of the lower one's height,
/// their heights differ by at most half, they do not overlap much, and the gap between them is
/// at most `maxGapInHeights` times the taller one's height. A joined row's confidence is the
/// mean of its pieces' weighted by their symbols. Rows keep the order of their first piece.
std::vector<RecognizedRow> joined(std::vector<RecognizedRow> rows);

/// In a monospaced row, a gap between two words narrower than this many character pitches
/// is not a space: a space leaves at least a whole empty cell, while the side bearings of a
/// narrow glyph ("!", ".", ":") leave less.
inline constexpr double monospaceSplitRatio = 0.85;
/// Elsewhere, a gap narrower than this fraction of the row's median word gap (and of a third
/// of the row's height) is not a space.
inline constexpr double splitGapRatio = 0.45;
/// The pitch is measured on words of at least this many symbols, and needs this many words.
inline constexpr long minimumPitchSymbols = 4;
inline constexpr std::size_t minimumPitchWords = 3;

/// The row with words that the engine split apart joined again. The engine's spacing guess
/// can put a space inside a token ("09: 47:12", "S3cr3t! Pass", "alice. jensen"), which hides
/// it from detection.
RecognizedRow withSplitWordsJoined(RecognizedRow row);

} // namespace tarnveil::RowJoiner
