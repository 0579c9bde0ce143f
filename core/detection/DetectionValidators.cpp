#include "detection/DetectionValidators.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "detection/NetworkDetectors.h"
#include "detection/UnicodeText.h"

namespace tarnveil::DetectionValidators {

namespace {

/// `text` cut at every occurrence of `separator`, empty pieces kept.
std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (;;) {
        const auto at = text.find(separator, from);
        if (at == std::string_view::npos) {
            pieces.push_back(text.substr(from));
            return pieces;
        }
        pieces.push_back(text.substr(from, at - from));
        from = at + separator.size();
    }
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

/// A decimal octet: 1 to 3 characters, all numbers, parsing (ASCII digits only) below 256.
std::optional<uint32_t> octet(std::string_view piece)
{
    if (piece.empty() || piece.size() > 3 || !std::all_of(piece.begin(), piece.end(), isAsciiDigit)) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (const char c : piece) {
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value < 256 ? std::optional<uint32_t>(value) : std::nullopt;
}

bool isHexGroup(std::string_view piece)
{
    if (piece.empty()) {
        return false;
    }
    const auto characters = UnicodeText::characters(piece);
    if (characters.size() > 4) {
        return false;
    }
    return std::all_of(characters.begin(), characters.end(), [](const UnicodeText::Character& character) {
        return character.singleScalar && u_hasBinaryProperty(character.firstScalar, UCHAR_HEX_DIGIT);
    });
}

/// The number of groups of one side of an IPv6 address, or none when malformed.
std::optional<std::size_t> ipv6GroupCount(std::string_view piece)
{
    if (piece.empty()) {
        return 0;
    }
    auto groups = split(piece, ":");
    std::size_t extra = 0;
    if (groups.back().find('.') != std::string_view::npos) {
        if (!isValidIPv4(groups.back())) {
            return std::nullopt;
        }
        groups.pop_back();
        extra = 2;
    }
    if (!std::all_of(groups.begin(), groups.end(), isHexGroup)) {
        return std::nullopt;
    }
    return groups.size() + extra;
}

bool passesLuhn(const std::vector<long long>& digits)
{
    long long total = 0;
    std::size_t position = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++position) {
        long long digit = *it;
        if (position % 2 == 1) {
            digit = digit >= 5 ? digit * 2 - 9 : digit * 2;
        }
        total += digit;
    }
    return total % 10 == 0;
}

/// The remainder modulo 97 of the digits of `number`, continuing from `remainder`.
int appendDecimal(int remainder, long long number)
{
    for (const char c : std::to_string(number)) {
        if (isAsciiDigit(c)) {
            remainder = (remainder * 10 + (c - '0')) % 97;
        }
    }
    return remainder;
}

} // namespace

bool isValidIPv4(std::string_view text)
{
    const auto pieces = split(text, ".");
    return pieces.size() == 4 && std::all_of(pieces.begin(), pieces.end(), [](std::string_view piece) {
               return octet(piece).has_value();
           });
}

std::optional<uint32_t> ipv4ToUInt32(std::string_view text)
{
    if (!isValidIPv4(text)) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (const auto piece : split(text, ".")) {
        value = (value << 8) + *octet(piece);
    }
    return value;
}

bool ipv4(std::string_view address, std::string_view inCIDR, int prefix)
{
    const auto a = ipv4ToUInt32(address);
    const auto b = ipv4ToUInt32(inCIDR);
    if (!a || !b || prefix < 0 || prefix > 32) {
        return false;
    }
    if (prefix == 0) {
        return true;
    }
    const uint32_t mask = prefix == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> prefix);
    return ((*a ^ *b) & mask) == 0;
}

bool isValidIPv6(std::string_view text)
{
    if (text.find(':') == std::string_view::npos) {
        return false;
    }
    const auto sides = split(text, "::");
    if (sides.size() > 2) {
        return false;
    }
    if (sides.size() == 1) {
        const auto groups = ipv6GroupCount(sides[0]);
        return groups && *groups == 8;
    }
    const auto left = ipv6GroupCount(sides[0]);
    const auto right = ipv6GroupCount(sides[1]);
    return left && right && *left + *right < 8;
}

bool isValidCreditCard(std::string_view text)
{
    std::vector<long long> digits;
    for (const auto& character : UnicodeText::characters(text)) {
        if (!UnicodeText::isNumber(character)) {
            continue;
        }
        if (const auto value = UnicodeText::wholeNumberValue(character)) {
            digits.push_back(*value);
        }
    }
    return digits.size() >= 13 && digits.size() <= 19 && passesLuhn(digits);
}

bool isValidIBAN(std::string_view text)
{
    std::string withoutSpaces;
    withoutSpaces.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(withoutSpaces), [](char c) { return c != ' '; });
    const std::string upper = UnicodeText::toUpper(withoutSpaces);
    auto characters = UnicodeText::characters(upper);
    if (characters.size() < 15 || characters.size() > 34) {
        return false;
    }
    using UnicodeText::isLetter;
    using UnicodeText::isNumber;
    if (!isLetter(characters[0]) || !isLetter(characters[1]) || !isNumber(characters[2]) ||
        !isNumber(characters[3])) {
        return false;
    }
    if (!std::all_of(characters.begin(), characters.end(),
                     [](const auto& character) { return isLetter(character) || isNumber(character); })) {
        return false;
    }
    std::rotate(characters.begin(), characters.begin() + 4, characters.end());
    int remainder = 0;
    for (const auto& character : characters) {
        const auto number = UnicodeText::wholeNumberValue(character);
        if (number && isNumber(character)) {
            remainder = appendDecimal(remainder, *number);
        } else if (isLetter(character)) {
            remainder = appendDecimal(remainder, static_cast<long long>(character.firstScalar) - 55);
        } else {
            return false;
        }
    }
    return remainder == 1;
}

bool isHostName(std::string_view text)
{
    const auto last = UnicodeText::lastPiece(text, '.');
    return !last.empty() && !NetworkDetectors::fileExtensions().contains(UnicodeText::toLower(last));
}

bool isPersonalMacUserName(std::string_view text) { return text != sharedMacHome; }

bool isPersonalWindowsUserName(std::string_view text)
{
    return std::find(sharedWindowsProfiles.begin(), sharedWindowsProfiles.end(), text) == sharedWindowsProfiles.end();
}

} // namespace tarnveil::DetectionValidators
