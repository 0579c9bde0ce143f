#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnveil {

/// A cheap test run before a pattern: the pattern cannot match a line that holds none of the
/// given ASCII texts. For case-insensitive patterns the test ignores ASCII letter case, and
/// passes every line with non-ASCII bytes (Unicode case folding maps some non-ASCII letters,
/// such as U+017F, onto ASCII ones), so it never rejects a line the pattern would match.
class LiteralPrefilter {
public:
    LiteralPrefilter() = default; ///< passes every line
    LiteralPrefilter(std::vector<std::string> anyOf, bool caseInsensitive);

    bool mayMatch(std::string_view line) const;
    bool isEmpty() const { return anyOf_.empty(); }

private:
    std::vector<std::string> anyOf_;
    bool caseInsensitive_ = false;
};

} // namespace tarnveil
