#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnveil::LookAlikes {

/// What a text recogniser predictably reads in place of a digit: "O", "o", "Q", "D" and "@"
/// for 0; "I", "l", "|", "!", "i" and "L" for 1; "Z" and "z" for 2; "S", "s" and "$" for 5;
/// "G", "b" and "é" for 6; "B" for 8. The digit itself, or none for any other code point.
std::optional<char> digitFor(char32_t codePoint);

/// The hexadecimal digit a code point stands for in a run of hexadecimal text: itself when it
/// is one, the digit of `digitFor` for the other look-alikes ("b" and "D" stay letters), "f"
/// for "£", "t" and "{", "c" for "¢", "e" for "€", "4" for "¥"; none otherwise.
std::optional<char> hexDigitFor(char32_t codePoint);

/// `text` with every look-alike of a digit replaced by the digit and "," by "." (other bytes
/// kept): the candidate a validator of numbers (an address, a card number) is retried on.
std::string withDigitsRestored(std::string_view text);

/// `text` with every look-alike of a hexadecimal digit replaced by the digit.
std::string withHexRestored(std::string_view text);

/// The comparison form of a recognised text, blind to letter case as the allowlist is:
/// letters in lower case, then look-alikes folded onto one character each (`o q d @` to 0,
/// `i l | !` to 1, `z` to 2, `s $` to 5, `g b é` to 6, `£ t` to f, `¢` to c, "," to "."),
/// spaces removed. Two readings of one value fold to the same text far more often than they
/// compare equal.
std::string folded(std::string_view text);

/// True for the symbols a recogniser reads inside a token in place of a letter or digit
/// ("|", "!", "$", "@", "£", "¢", "€", "¥", "§", ")", "]", "{" and "}") and for letters
/// outside ASCII ("é").
bool standsForTokenCharacter(char32_t codePoint);

} // namespace tarnveil::LookAlikes
