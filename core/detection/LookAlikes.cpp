#include "detection/LookAlikes.h"

#include <unicode/uchar.h>

#include "detection/Utf8CodePoint.h"

namespace tarnveil::LookAlikes {

namespace {

bool isAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool isAsciiHexLetter(char32_t c) { return (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F'); }

void appendUtf8(std::string& out, std::string_view text, const Utf8CodePoint& codePoint)
{
    out.append(text.substr(codePoint.start, codePoint.end - codePoint.start));
}

/// `text` with every code point that `replace` answers for replaced by its answer.
template <typename Replace>
std::string mapped(std::string_view text, Replace replace)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto codePoint = Utf8CodePoint::at(text, i);
        if (const std::optional<char> replacement = replace(codePoint.value)) {
            if (*replacement != '\0') {
                out.push_back(*replacement);
            }
        } else {
            appendUtf8(out, text, codePoint);
        }
        i = codePoint.end;
    }
    return out;
}

} // namespace

std::optional<char> digitFor(char32_t c)
{
    if (isAsciiDigit(c)) {
        return static_cast<char>(c);
    }
    switch (c) {
    case U'O': case U'o': case U'Q': case U'D': case U'@': return '0';
    case U'I': case U'l': case U'|': case U'!': case U'i': case U'L': return '1';
    case U'Z': case U'z': return '2';
    case U'S': case U's': case U'$': return '5';
    case U'G': case U'b': case U'é': return '6';
    case U'B': return '8';
    default: return std::nullopt;
    }
}

std::optional<char> hexDigitFor(char32_t c)
{
    if (isAsciiDigit(c) || isAsciiHexLetter(c)) {
        return static_cast<char>(c);
    }
    switch (c) {
    case U'£': case U't': case U'{': return 'f';
    case U'¢': return 'c';
    case U'€': return 'e';
    case U'¥': return '4';
    default: return digitFor(c);
    }
}

std::string withDigitsRestored(std::string_view text)
{
    return mapped(text, [](char32_t c) -> std::optional<char> { return c == U',' ? '.' : digitFor(c); });
}

std::string withHexRestored(std::string_view text) { return mapped(text, hexDigitFor); }

std::string folded(std::string_view text)
{
    return mapped(text, [](char32_t c) -> std::optional<char> {
        if (c >= U'A' && c <= U'Z') {
            c = c - U'A' + U'a';
        }
        switch (c) {
        case U' ': return '\0';
        case U',': return '.';
        case U'o': case U'q': case U'd': case U'@': return '0';
        case U'i': case U'l': case U'|': case U'!': return '1';
        case U'z': return '2';
        case U's': case U'$': return '5';
        case U'g': case U'b': case U'é': return '6';
        case U'£': case U't': return 'f';
        case U'¢': return 'c';
        default: break;
        }
        if (c >= U'0' && c <= U'9') {
            return static_cast<char>(c);
        }
        return c < 0x80 ? std::optional<char>(static_cast<char>(c)) : std::nullopt;
    });
}

bool standsForTokenCharacter(char32_t c)
{
    switch (c) {
    case U'|': case U'!': case U'$': case U'@': case U'£': case U'¢': case U'€': case U'¥': case U'§':
    case U')': case U']': case U'{': case U'}':
        return true;
    default:
        return c >= 0x80 && u_isalpha(static_cast<UChar32>(c));
    }
}

} // namespace tarnveil::LookAlikes
