#pragma once

#include <optional>

#include <QImage>

#include "StatusText.h"

namespace tarnveil {

/// How a screen-area capture ended: with the captured image and its pixels per point, with a
/// failure to show on the status line, or (neither) cancelled by the user.
struct AreaCaptureResult {
    std::optional<QImage> image;
    double scale = 1.0;
    std::optional<StatusText> failure;

    static AreaCaptureResult captured(QImage image, double scale) { return {std::move(image), scale, std::nullopt}; }
    static AreaCaptureResult failed(StatusText failure) { return {std::nullopt, 1.0, std::move(failure)}; }
    /// Failed with `line`, one of the translated status lines.
    static AreaCaptureResult failed(const char* line) { return failed(StatusText::translated(QString::fromUtf8(line))); }
    static AreaCaptureResult cancelled() { return {}; }

    bool isCancelled() const { return !image && !failure; }
};

} // namespace tarnveil
