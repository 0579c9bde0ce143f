#include "detection/TokenExtent.h"

#include <algorithm>
#include <cctype>

#include "detection/LookAlikes.h"
#include "detection/Utf8CodePoint.h"

namespace tarnveil::TokenExtent {

namespace {

bool isTokenCharacter(char32_t c)
{
    const bool asciiPart = c < 0x80 && (std::isalnum(static_cast<int>(c)) != 0 || c == U'_' || c == U'-' ||
                                        c == U'+' || c == U'/');
    return asciiPart || LookAlikes::standsForTokenCharacter(c);
}

} // namespace

TextRange grown(std::string_view line, TextRange range)
{
    range.end = std::min(range.end, line.size());
    range.start = std::min(range.start, range.end);
    while (range.start > 0) {
        const auto codePoint = Utf8CodePoint::before(line, range.start);
        if (!isTokenCharacter(codePoint.value)) {
            break;
        }
        range.start = codePoint.start;
    }
    while (range.end < line.size()) {
        const auto codePoint = Utf8CodePoint::at(line, range.end);
        if (!isTokenCharacter(codePoint.value) && codePoint.value != U'=') {
            break;
        }
        range.end = codePoint.end;
    }
    return range;
}

} // namespace tarnveil::TokenExtent
