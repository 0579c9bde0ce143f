#pragma once

#include <cstddef>

namespace tarnveil {

/// A half-open range [start, end) of positions in one line of text.
///
/// Positions are UTF-8 byte offsets into the line as it was given (for OCR lines, the
/// `string` of the observation; for text files, the line without its line break). Every
/// range the detection engine produces starts and ends on a grapheme-cluster boundary, so
/// the bytes within it are whole user-perceived characters. Bytes that are not valid UTF-8
/// are read as U+FFFD but keep their own offsets.
struct TextRange {
    std::size_t start = 0;
    std::size_t end = 0;

    std::size_t length() const { return end - start; }
    bool empty() const { return end <= start; }
    bool contains(const TextRange& other) const { return start <= other.start && other.end <= end; }

    friend bool operator==(const TextRange&, const TextRange&) = default;
};

} // namespace tarnveil
