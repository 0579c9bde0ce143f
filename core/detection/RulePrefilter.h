#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnveil {

class LineText;

/// A cheap test run before a pattern, never rejecting a line the pattern could match:
/// - texts: the line must hold one of the given ASCII texts. For case-insensitive patterns
///   the test ignores ASCII letter case and passes every line with non-ASCII bytes (Unicode
///   case folding maps some non-ASCII letters, such as U+017F, onto ASCII ones).
/// - a run: the line must hold `minLength` consecutive bytes of an ASCII character set.
///   When the pattern's set also takes non-ASCII characters (as "\d" takes every decimal
///   digit), lines with non-ASCII bytes pass.
class RulePrefilter {
public:
    RulePrefilter() = default; ///< passes every line

    RulePrefilter withTexts(std::vector<std::string> anyOf, bool caseInsensitive) const;
    RulePrefilter withRun(std::string_view asciiSet, std::size_t minLength, bool setTakesNonAscii) const;

    bool mayMatch(const LineText& line) const;

private:
    bool hasText(const LineText& line) const;
    bool hasRun(std::string_view line) const;

    std::vector<std::string> texts_;
    bool caseInsensitive_ = false;
    std::bitset<256> runSet_;
    std::size_t runLength_ = 0;
    bool runSetTakesNonAscii_ = false;
};

} // namespace tarnveil
