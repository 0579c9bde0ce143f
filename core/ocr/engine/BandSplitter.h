#pragma once

#include <vector>

#include <QImage>

namespace tarnveil::BandSplitter {

/// A horizontal band of a bitmap: rows [top, bottom).
struct Band {
    int top;
    int bottom;
};

/// The bitmap (Format_Grayscale8, dark ink on white) cut into bands of about `targetPixels`
/// pixels each, so that the bands can be recognised on several threads. Cuts fall only on
/// rows without ink, looked for near each ideal cut, so no line of text is ever cut; where
/// no such row is near, the band grows. One band for a small bitmap.
std::vector<Band> bands(const QImage& bitmap, double targetPixels);

} // namespace tarnveil::BandSplitter
