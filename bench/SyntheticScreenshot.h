#pragma once

#include <QImage>

namespace tarnveil::SyntheticScreenshot {

/// A synthetic desktop screenshot of `width` × `height` pixels: window chrome, panels, many
/// lines of text and a photo-like area with a gradient and noise (the part that compresses
/// worst). The same pixels on every call.
QImage make(int width, int height);

} // namespace tarnveil::SyntheticScreenshot
