#pragma once

#include <optional>
#include <string>

#include "detection/Result.h"
#include "detection/TextRange.h"
#include "ocr/Rect.h"

namespace tarnveil {

/// The OCR engine's handle on one recognised line: it can tell where in the image any
/// sub-range of the line's text lies. Shared between copies of an observation and safe to
/// ask from any thread.
class RecognizedText {
public:
    virtual ~RecognizedText() = default;

    /// The normalised box (bottom-left origin, fractions of the image) of `range`, a range of
    /// UTF-8 byte offsets in the line's text; none when the engine has no box for it; an
    /// error message when the engine fails.
    virtual Result<std::optional<Rect>, std::string> boundingBox(const TextRange& range) const = 0;
};

} // namespace tarnveil
