#include "detection/Utf8CodePoint.h"

#include <unicode/utf8.h>

namespace tarnveil {

Utf8CodePoint Utf8CodePoint::at(std::string_view text, std::size_t at)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    auto i = static_cast<int32_t>(at);
    UChar32 c = 0;
    U8_NEXT_OR_FFFD(bytes, i, static_cast<int32_t>(text.size()), c);
    return {static_cast<char32_t>(c), at, static_cast<std::size_t>(i)};
}

Utf8CodePoint Utf8CodePoint::before(std::string_view text, std::size_t at)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    auto i = static_cast<int32_t>(at);
    UChar32 c = 0;
    U8_PREV_OR_FFFD(bytes, 0, i, c);
    return {static_cast<char32_t>(c), static_cast<std::size_t>(i), at};
}

} // namespace tarnveil
