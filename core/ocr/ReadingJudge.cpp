#include "ocr/ReadingJudge.h"

#include <algorithm>

#include "detection/DetectorRegistry.h"
#include "detection/LineText.h"
#include "detection/TolerantDetectors.h"

namespace tarnveil::ReadingJudge {

namespace {

std::size_t overlap(const TextRange& a, const TextRange& b)
{
    const std::size_t start = std::max(a.start, b.start);
    const std::size_t end = std::min(a.end, b.end);
    return end > start ? end - start : 0;
}

const DetectorRegistry& registry()
{
    static const auto shared = DetectorRegistry::makeDefault();
    return *shared;
}

} // namespace

std::size_t claim(std::string_view line, const TextRange& word)
{
    std::size_t bytes = 0;
    for (const Detection& detection : registry().detect(line)) {
        bytes += 2 * overlap(detection.range, word);
    }
    const LineText text(line);
    for (const auto& twin : TolerantDetectors::all()) {
        for (const TextRange& range : twin->matches(text)) {
            bytes += overlap(range, word);
        }
    }
    return bytes;
}

} // namespace tarnveil::ReadingJudge
