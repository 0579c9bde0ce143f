#pragma once

#include <string_view>
#include <vector>

#include <QImage>

#include "ocr/RecognizedRow.h"

namespace tarnveil::SecondLook {

/// A second reading is made of at most this many words per image.
inline constexpr std::size_t maximumWords = 600;
/// The second reading enlarges the word's row until it is about this many pixels high (an
/// x-height of about 20 pixels).
inline constexpr double targetRowHeight = 44;

/// Whether a recognised word looks machine-made, the kind of text a misread character hides
/// from detection: long, letters mixed with digits, a long hexadecimal or base64 run, an
/// address (digits and at least three "." or ":"), or a known token prefix.
bool looksMachineMade(std::string_view word);

/// Words closer than this many row heights may be pieces of one token that the engine cut
/// with a false space; they get their second look together.
inline constexpr double tokenGapInHeights = 0.35;
/// Pieces of an address (hexadecimal digits and separators) may stand this far apart: the
/// engine reads a lost "::" as a wide space.
inline constexpr double addressGapInHeights = 1.4;

/// Words of one row that may be one token: word `first` up to, not including, `last`.
struct Span {
    std::size_t first;
    std::size_t last;

    friend bool operator==(const Span&, const Span&) = default;
};

/// The row's words in runs that the engine may have cut out of one token (gaps narrower than
/// `tokenGapInHeights` row heights, or `addressGapInHeights` between pieces of an address),
/// keeping the runs that look machine-made as a whole.
std::vector<Span> machineSpans(const RecognizedRow& row);

/// Whether `second`, another reading of words `first` up to `last` (exclusive) of `row` as one
/// word, should replace them: the detectors claim it more in the row's text, or they claim
/// both alike and the engine is more confident of it than of the least certain of the words.
/// An empty reading never replaces.
bool prefersSecond(const RecognizedRow& row, std::size_t first, std::size_t last, const RecognizedWord& second);
/// The same for a single word.
bool prefersSecond(const RecognizedRow& row, std::size_t index, const RecognizedWord& second);

/// Reads every machine-made word of `rows` a second time, together with the words that a
/// false space may have cut from it, from a crop of `bitmap` (the prepared bitmap, dark ink on
/// white) around them and their row, enlarged, and keeps the reading the detectors claim more
/// (ReadingJudge), else the more confident one. `toSource`
/// converts bitmap pixels to the source pixels of the rows' boxes. Runs the readings on the shared recognition pool; returns
/// the engine's error, if any (the rows are then left as they were).
std::string reread(std::vector<RecognizedRow>& rows, const QImage& bitmap, double toSource);

} // namespace tarnveil::SecondLook
