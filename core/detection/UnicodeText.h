#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnveil::UnicodeText {

/// One user-perceived character (grapheme cluster) of a UTF-8 text.
struct Character {
    std::string_view text;     ///< its bytes
    int32_t firstScalar = 0;   ///< its first code point (U+FFFD for ill-formed bytes)
    bool singleScalar = true;  ///< whether it is made of one code point
};

/// The characters of a UTF-8 text, in order.
std::vector<Character> characters(std::string_view utf8);

/// True when the character's first code point has a numeric type.
bool isNumber(const Character& character);

/// True when the character's first code point is alphabetic.
bool isLetter(const Character& character);

/// The whole number a single-code-point character stands for (7 for "7"), or none.
std::optional<long long> wholeNumberValue(const Character& character);

/// Full Unicode lower-case mapping, independent of the user's locale.
std::string toLower(std::string_view utf8);

/// Full Unicode upper-case mapping, independent of the user's locale.
std::string toUpper(std::string_view utf8);

/// The text without leading and trailing white space and line breaks (Unicode White_Space).
std::string_view trimmed(std::string_view utf8);

/// The last non-empty piece of `text` cut at every `separator`, or the empty text.
std::string_view lastPiece(std::string_view text, char separator);

} // namespace tarnveil::UnicodeText
