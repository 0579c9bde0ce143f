#include "detection/RulePrefilter.h"

#include <algorithm>

#include "detection/LineText.h"

namespace tarnveil {

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

RulePrefilter RulePrefilter::withTexts(std::vector<std::string> anyOf, bool caseInsensitive) const
{
    RulePrefilter filter = *this;
    filter.texts_ = std::move(anyOf);
    filter.caseInsensitive_ = caseInsensitive;
    if (caseInsensitive) {
        for (auto& text : filter.texts_) {
            std::transform(text.begin(), text.end(), text.begin(), asciiLower);
        }
    }
    return filter;
}

RulePrefilter RulePrefilter::withRun(std::string_view asciiSet, std::size_t minLength, bool setTakesNonAscii) const
{
    RulePrefilter filter = *this;
    filter.runSet_.reset();
    for (const char c : asciiSet) {
        filter.runSet_.set(static_cast<unsigned char>(c));
    }
    filter.runLength_ = minLength;
    filter.runSetTakesNonAscii_ = setTakesNonAscii;
    return filter;
}

bool RulePrefilter::mayMatch(const LineText& line) const
{
    return hasText(line) && hasRun(line.utf8());
}

bool RulePrefilter::hasText(const LineText& line) const
{
    if (texts_.empty()) {
        return true;
    }
    if (caseInsensitive_ && !line.isAscii()) {
        return true;
    }
    const std::string_view haystack = caseInsensitive_ ? line.asciiLowercase() : line.utf8();
    return std::any_of(texts_.begin(), texts_.end(),
                       [&](const std::string& text) { return haystack.find(text) != std::string_view::npos; });
}

bool RulePrefilter::hasRun(std::string_view line) const
{
    if (runLength_ == 0) {
        return true;
    }
    std::size_t run = 0;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && runSetTakesNonAscii_) {
            return true;
        }
        run = runSet_.test(byte) ? run + 1 : 0;
        if (run >= runLength_) {
            return true;
        }
    }
    return false;
}

} // namespace tarnveil
