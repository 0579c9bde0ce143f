#pragma once

#include <QImage>

namespace tarnveil {

/// A screenshot turned into the bitmap Tesseract reads best: one grey channel, dark text on a
/// white background whatever the theme, enlarged as asked.
struct ScreenshotPreparation {
    QImage bitmap;     ///< Format_Grayscale8
    double scale = 1;  ///< prepared pixels per input pixel

    /// Prepares `image` enlarged by `scale` (1 when the caller wants the input's own size).
    static ScreenshotPreparation prepare(const QImage& image, double scale);
};

} // namespace tarnveil
