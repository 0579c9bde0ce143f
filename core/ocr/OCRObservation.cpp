#include "ocr/OCRObservation.h"

#include "ocr/Geometry.h"

namespace tarnveil {

std::optional<Rect> OCRObservation::pixelBox(const TextRange& range, const Size& imageSize, double padding) const
{
    if (!recognizedText) {
        return std::nullopt;
    }
    const auto answer = recognizedText->boundingBox(range);
    if (!answer.ok() || !answer.value() || !answer.value()->isFinite()) {
        return std::nullopt;
    }
    const Rect box = Geometry::pixelRect(*answer.value(), imageSize);
    if (padding == 0) {
        return box;
    }
    return Geometry::padded(box, padding);
}

std::string_view OCRObservation::identifier(Source source)
{
    return source == Source::upscaled ? "upscaled" : "native";
}

std::optional<OCRObservation::Source> OCRObservation::sourceFromIdentifier(std::string_view text)
{
    if (text == "native") {
        return Source::native;
    }
    if (text == "upscaled") {
        return Source::upscaled;
    }
    return std::nullopt;
}

} // namespace tarnveil
