#pragma once

#include <QImage>

#include "ocr/engine/BoxMapping.h"
#include "ocr/engine/LineReading.h"
#include "ocr/engine/PixelBox.h"

namespace tarnveil::LineReader {

/// White margin around a line image, in its own pixels.
inline constexpr int marginPixels = 10;
/// Line images are never enlarged more than this.
inline constexpr double maximumScale = 5;

/// The scale that brings a line `height` pixels high to `targetHeight`: never below 1, at
/// most `maximumScale`.
double scaleFor(int height, double targetHeight);

/// How the engine is to take an image handed to it.
enum class Layout {
    singleLine,  ///< one line of text
    singleBlock, ///< one block of lines, without layout analysis
};

/// Reads `image` (Format_Grayscale8) with an engine borrowed for the call, the boxes mapped
/// to source pixels with `mapping`.
LineReading readImage(const QImage& image, Layout layout, const BoxMapping& mapping);

/// Reads `area` of `bitmap` (Format_Grayscale8, dark ink on white) as one line of text: cut out
/// with `padX`/`padY` pixels of room (within the bitmap), enlarged `scale` times with a cubic
/// filter, on a white margin, in the engine's single-line mode. Boxes come back in source
/// pixels, `toSource` source pixels per bitmap pixel.
LineReading read(const QImage& bitmap, const PixelBox& area, int padX, int padY, double scale, double toSource);

} // namespace tarnveil::LineReader
