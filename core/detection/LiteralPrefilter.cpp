#include "detection/LiteralPrefilter.h"

#include <algorithm>
#include <cctype>

namespace tarnveil {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool containsIgnoringCase(std::string_view text, std::string_view lowerLiteral)
{
    const auto found = std::search(text.begin(), text.end(), lowerLiteral.begin(), lowerLiteral.end(),
                                   [](char a, char b) { return lower(a) == b; });
    return found != text.end();
}

bool hasNonAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

LiteralPrefilter::LiteralPrefilter(std::vector<std::string> anyOf, bool caseInsensitive)
    : anyOf_(std::move(anyOf)), caseInsensitive_(caseInsensitive)
{
    if (caseInsensitive_) {
        for (auto& literal : anyOf_) {
            std::transform(literal.begin(), literal.end(), literal.begin(), lower);
        }
    }
}

bool LiteralPrefilter::mayMatch(std::string_view line) const
{
    if (anyOf_.empty()) {
        return true;
    }
    if (caseInsensitive_) {
        if (hasNonAscii(line)) {
            return true;
        }
        return std::any_of(anyOf_.begin(), anyOf_.end(),
                           [&](const std::string& literal) { return containsIgnoringCase(line, literal); });
    }
    return std::any_of(anyOf_.begin(), anyOf_.end(),
                       [&](const std::string& literal) { return line.find(literal) != std::string_view::npos; });
}

} // namespace tarnveil
