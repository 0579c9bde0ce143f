#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uversion.h>

#include "detection/TextRange.h"

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

namespace tarnveil {

/// One line prepared for the regular-expression engine: the UTF-8 bytes as given, their
/// UTF-16 form (ill-formed byte sequences become U+FFFD), the byte offset of every UTF-16
/// index, and grapheme-cluster boundary tests. The engine works in UTF-16 for speed; every
/// range leaves through `toRange` as UTF-8 byte offsets of the original bytes.
class LineText {
public:
    explicit LineText(std::string_view utf8);
    ~LineText();
    LineText(const LineText&) = delete;
    LineText& operator=(const LineText&) = delete;

    std::string_view utf8() const { return utf8_; }
    bool isAscii() const { return offsets_.empty(); }

    /// The line with ASCII letters in lower case (computed on first use).
    std::string_view asciiLowercase() const;
    const char16_t* utf16() const { return utf16_.data(); }
    int32_t utf16Length() const { return static_cast<int32_t>(utf16_.size()); }

    /// Byte offset in the UTF-8 line of a UTF-16 index in [0, utf16Length()].
    std::size_t byteOffset(int32_t index16) const;

    /// True when the UTF-16 index lies on a user-perceived character boundary.
    bool isCharacterBoundary(int32_t index16) const;

    /// The nearest character boundary at or before the UTF-16 index.
    int32_t boundaryAtOrBefore(int32_t index16) const;

    /// The UTF-16 range as a byte range, or none when it leaves the text or an end is not on
    /// a character boundary.
    std::optional<TextRange> toRange(int32_t start16, int32_t end16) const;

    /// Byte offsets of every character boundary, from 0 to the length of the line.
    std::vector<std::size_t> characterBoundaries() const;

    /// The longest line, in bytes, that the engine reads as a whole.
    static constexpr std::size_t maxLength = std::size_t{1} << 28;

private:
    icu::BreakIterator& breaks() const;

    std::string_view utf8_;
    std::u16string utf16_;
    std::vector<std::size_t> offsets_; // empty when every byte is ASCII (offsets are the identity)
    bool everyIndexIsBoundary_ = false;
    mutable std::unique_ptr<icu::BreakIterator> breaks_;
    mutable std::optional<std::string> asciiLowercase_;
};

} // namespace tarnveil
