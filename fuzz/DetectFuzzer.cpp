// Feeds arbitrary bytes to the detection engine as one line of text and checks what must
// hold for every line: no crash, ranges inside the line and on UTF-8 character starts, each
// value the bytes of its range, and the rules' pre-filters never changing a result.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/utf8.h>

#include "detection/DetectorRegistry.h"
#include "detection/RegexDetector.h"

namespace {

using namespace tarnveil;

// Short lines never reach the work limit, where filtered and unfiltered scans may differ
// (an unfiltered scan of a line that cannot match may run out and fail closed).
constexpr std::size_t prefilterCheckLength = 256;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "detect invariant broken: %s\n", what);
        std::abort();
    }
}

/// Offsets at which a code point (or an ill-formed byte sequence read as U+FFFD) starts,
/// plus the end of the text.
std::vector<bool> codePointStarts(std::string_view text)
{
    std::vector<bool> starts(text.size() + 1, false);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        starts[static_cast<std::size_t>(i)] = true;
        UChar32 c = 0;
        U8_NEXT_OR_FFFD(bytes, i, length, c);
    }
    starts[text.size()] = true;
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const auto registry = DetectorRegistry::makeDefault();
    static const auto allIds = [] {
        std::set<std::string> ids;
        for (const auto& detector : registry->detectors()) {
            ids.insert(detector->id());
        }
        return ids;
    }();

    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto starts = codePointStarts(line);
    for (const auto& detection : registry->detect(line, allIds)) {
        check(detection.range.start <= detection.range.end, "range start after end");
        check(detection.range.end <= line.size(), "range beyond the line");
        check(detection.value == line.substr(detection.range.start, detection.range.length()), "value differs");
        check(starts[detection.range.start] && starts[detection.range.end], "range cuts a code point");
    }
    if (size <= prefilterCheckLength) {
        for (const auto& detector : registry->detectors()) {
            const auto* regex = dynamic_cast<const RegexDetector*>(detector.get());
            check(regex->matches(line) == regex->matchesWithoutPrefilters(line), "a pre-filter changed a result");
        }
    }
    return 0;
}
