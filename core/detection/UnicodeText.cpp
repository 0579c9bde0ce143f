#include "detection/UnicodeText.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "detection/LineText.h"

namespace tarnveil::UnicodeText {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int32_t firstCodePoint(std::string_view utf8, int32_t& length)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto size = static_cast<int32_t>(std::min<std::size_t>(utf8.size(), INT32_MAX));
    int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT_OR_FFFD(bytes, i, size, c);
    length = i;
    return c;
}

std::string caseMapped(std::string_view utf8, bool upper)
{
    if (isAscii(utf8)) {
        std::string result(utf8);
        for (auto& c : result) {
            c = upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c)))
                      : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return result;
    }
    auto text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    if (upper) {
        text.toUpper(icu::Locale::getRoot());
    } else {
        text.toLower(icu::Locale::getRoot());
    }
    std::string result;
    text.toUTF8String(result);
    return result;
}

bool isWhiteSpaceAt(std::string_view utf8, std::size_t offset, std::size_t& length)
{
    int32_t n = 0;
    const int32_t c = firstCodePoint(utf8.substr(offset), n);
    length = static_cast<std::size_t>(n);
    return u_hasBinaryProperty(c, UCHAR_WHITE_SPACE);
}

} // namespace

std::vector<Character> characters(std::string_view utf8)
{
    const LineText line(utf8);
    const auto boundaries = line.characterBoundaries();
    std::vector<Character> result;
    result.reserve(boundaries.size());
    for (std::size_t i = 0; i + 1 < boundaries.size(); ++i) {
        const auto text = utf8.substr(boundaries[i], boundaries[i + 1] - boundaries[i]);
        int32_t length = 0;
        const int32_t first = firstCodePoint(text, length);
        result.push_back(Character{text, first, static_cast<std::size_t>(length) == text.size()});
    }
    return result;
}

bool isNumber(const Character& character)
{
    return u_getIntPropertyValue(character.firstScalar, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

bool isLetter(const Character& character) { return u_hasBinaryProperty(character.firstScalar, UCHAR_ALPHABETIC); }

std::optional<long long> wholeNumberValue(const Character& character)
{
    if (!character.singleScalar) {
        return std::nullopt;
    }
    const double value = u_getNumericValue(character.firstScalar);
    if (value == U_NO_NUMERIC_VALUE || value != std::floor(value) || std::fabs(value) > 1e15) {
        return std::nullopt;
    }
    return static_cast<long long>(value);
}

std::string toLower(std::string_view utf8) { return caseMapped(utf8, false); }

std::string toUpper(std::string_view utf8) { return caseMapped(utf8, true); }

std::string_view trimmed(std::string_view utf8)
{
    std::size_t start = 0;
    std::size_t length = 0;
    while (start < utf8.size() && isWhiteSpaceAt(utf8, start, length)) {
        start += length;
    }
    std::size_t end = start;
    std::size_t contentEnd = start;
    while (end < utf8.size()) {
        const bool space = isWhiteSpaceAt(utf8, end, length);
        end += length;
        if (!space) {
            contentEnd = end;
        }
    }
    return utf8.substr(start, contentEnd - start);
}

std::string_view lastPiece(std::string_view text, char separator)
{
    std::string_view last;
    std::size_t from = 0;
    for (;;) {
        const auto at = text.find(separator, from);
        const auto piece = text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from);
        if (!piece.empty()) {
            last = piece;
        }
        if (at == std::string_view::npos) {
            return last;
        }
        from = at + 1;
    }
}

} // namespace tarnveil::UnicodeText
