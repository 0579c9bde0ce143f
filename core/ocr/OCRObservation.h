#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "detection/TextRange.h"
#include "ocr/Rect.h"
#include "ocr/RecognizedText.h"
#include "ocr/Size.h"

namespace tarnveil {

/// One recognised line of an image. Copies share the recognised-text handle.
struct OCRObservation {
    /// Which recognition pass produced the line.
    enum class Source {
        native,   ///< the image at its own size
        upscaled, ///< the enlarged copy
    };

    std::string string;
    float confidence = 0;
    Rect normalizedBoundingBox;
    Rect pixelBoundingBox;
    Source source = Source::native;
    std::shared_ptr<const RecognizedText> recognizedText;

    /// The pixel box of `range` (UTF-8 byte offsets in `string`) in an image of the given size,
    /// grown by `padding` on every side and rounded outward; unrounded when `padding` is 0.
    /// None without a recognised-text handle, or when the handle has no usable box for the
    /// range (it fails, has none, or answers with a box that is not finite).
    std::optional<Rect> pixelBox(const TextRange& range, const Size& imageSize, double padding) const;

    /// "native" or "upscaled".
    static std::string_view identifier(Source source);

    /// The member whose identifier equals `text` exactly, or none.
    static std::optional<Source> sourceFromIdentifier(std::string_view text);
};

} // namespace tarnveil
