#pragma once

#include <QImage>

#include "ocr/RecognizedRow.h"

namespace tarnveil::GapInspector {

/// The row with the underscores that the engine dropped put back. Small text often loses an
/// underscore between two words ("max_body size", "sk_live abc"), which breaks a token in two.
/// A word gap whose only ink in `bitmap` is one low, flat stroke across most of the gap is an
/// underscore: the two words become one, with a "_" symbol over the gap (unless one of them
/// already ends or starts with the underscore). `bitmap` is the
/// prepared bitmap (Format_Grayscale8, dark ink on white); `toSource` converts its pixels to
/// the source pixels in which the row's boxes are given.
RecognizedRow withUnderscoresRestored(RecognizedRow row, const QImage& bitmap, double toSource);

} // namespace tarnveil::GapInspector
