#pragma once

#include <cstddef>
#include <string_view>

namespace tarnveil {

/// One code point of a UTF-8 text and the bytes it occupies; ill-formed bytes read as U+FFFD,
/// one byte at a time.
struct Utf8CodePoint {
    char32_t value = 0;
    std::size_t start = 0;
    std::size_t end = 0;

    /// The code point that starts at byte `at` of `text`; `at` must lie below the text's size.
    static Utf8CodePoint at(std::string_view text, std::size_t at);

    /// The code point that ends at byte `at` of `text`; `at` must lie above 0.
    static Utf8CodePoint before(std::string_view text, std::size_t at);
};

} // namespace tarnveil
