// The OCR result file as `plan` reads it: any bytes either fail with a one-line message or give
// a result with finite boxes that survives a round trip through its own file form.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "ocr/OCRResultJson.h"

using namespace tarnveil;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const auto result = OCRResultJson::decode(json);
    if (!result) {
        fuzz::check(result.error().find('\n') == std::string::npos, "the message is one line");
        return 0;
    }
    for (const auto& observation : result->observations) {
        fuzz::check(observation.pixelBoundingBox.isFinite(), "finite pixel box");
        fuzz::check(observation.string.size() <= OCRResultJson::maxLineBytes, "line within its bound");
    }
    const auto encoded = OCRResultJson::encode(*result);
    if (encoded) {
        const auto again = OCRResultJson::decode(*encoded);
        fuzz::check(again.ok(), "its own file form reads back");
        fuzz::check(again->observations.size() == result->observations.size(), "same lines after a round trip");
    }
    return 0;
}
