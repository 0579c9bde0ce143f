#include "detection/RegexDetector.h"

#include <unicode/regex.h>
#include <unicode/utext.h>

#include <algorithm>

#include "detection/LineText.h"
#include "detection/MatcherPool.h"

namespace tarnveil {

namespace {

// Work allowance per rule and line: workBase units plus one unit per workCharsPerUnit UTF-16
// units of the line. One unit is ten thousand steps of the engine.
constexpr int32_t workBase = 20;
constexpr int32_t workCharsPerUnit = 1000;

void attach(icu::RegexMatcher& matcher, const LineText& line)
{
    MatcherPool::attach(matcher, line);
    UErrorCode status = U_ZERO_ERROR;
    matcher.setTimeLimit(RegexDetector::workLimit(line.utf16Length()), status);
}

} // namespace

RegexDetector::Rule::Rule(std::string_view pattern, RegexOptions options, int captureGroup, Validator validate)
    : matchers_(std::make_shared<MatcherPool>(pattern, options)),
      options_(options),
      captureGroup_(captureGroup),
      validate_(std::make_shared<const Validator>(std::move(validate))),
      prefilter_(std::make_shared<const RulePrefilter>())
{
}

RegexDetector::Rule RegexDetector::Rule::requiring(std::vector<std::string> anyOf) const
{
    Rule rule = *this;
    rule.prefilter_ = std::make_shared<const RulePrefilter>(
        prefilter_->withTexts(std::move(anyOf), options_ == RegexOptions::caseInsensitive));
    return rule;
}

RegexDetector::Rule RegexDetector::Rule::requiringRun(std::string_view asciiSet, std::size_t minLength,
                                                      bool setTakesNonAscii) const
{
    Rule rule = *this;
    // Case-insensitive sets also take non-ASCII letters that fold onto ASCII ones (U+212A).
    const bool takesNonAscii = setTakesNonAscii || options_ == RegexOptions::caseInsensitive;
    rule.prefilter_ = std::make_shared<const RulePrefilter>(prefilter_->withRun(asciiSet, minLength, takesNonAscii));
    return rule;
}

const std::string& RegexDetector::Rule::pattern() const { return matchers_->pattern(); }

std::optional<TextRange> RegexDetector::Rule::collect(const LineText& line, std::vector<TextRange>& out,
                                                      bool usePrefilter) const
{
    if (usePrefilter && !prefilter_->mayMatch(line)) {
        return std::nullopt;
    }
    auto matcher = matchers_->acquire();
    attach(*matcher, line);
    int32_t searchedUpTo = 0;
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        if (!matcher->find(status)) {
            if (U_FAILURE(status)) {
                // Out of work allowance (or backtracking memory): fail closed over what is left.
                const int32_t from = line.boundaryAtOrBefore(searchedUpTo);
                const TextRange unsearched{line.byteOffset(from), line.utf8().size()};
                out.push_back(unsearched);
                return unsearched;
            }
            return std::nullopt;
        }
        searchedUpTo = static_cast<int32_t>(matcher->end(status));
        const auto start = static_cast<int32_t>(matcher->start(captureGroup_, status));
        const auto end = static_cast<int32_t>(matcher->end(captureGroup_, status));
        if (U_FAILURE(status) || start < 0) {
            continue; // the group took no part in this match
        }
        const auto range = line.toRange(start, end);
        if (!range) {
            continue;
        }
        const auto& validate = *validate_;
        if (validate && !validate(line.utf8().substr(range->start, range->length()))) {
            continue;
        }
        out.push_back(*range);
    }
}

RegexDetector::RegexDetector(std::string id, DetectionCategory category, Severity severity, std::vector<Rule> rules)
    : id_(std::move(id)), category_(category), severity_(severity), rules_(std::move(rules))
{
}

RegexDetector::RegexDetector(std::string id, DetectionCategory category, Severity severity, std::string_view pattern,
                             RegexOptions options, int captureGroup, Validator validate)
    : RegexDetector(std::move(id), category, severity,
                    std::vector<Rule>{Rule(pattern, options, captureGroup, std::move(validate))})
{
}

std::vector<TextRange> RegexDetector::matches(std::string_view text) const { return scanText(text, true); }

std::vector<TextRange> RegexDetector::matchesWithoutPrefilters(std::string_view text) const
{
    return scanText(text, false);
}

std::vector<TextRange> RegexDetector::scanText(std::string_view text, bool usePrefilters) const
{
    if (text.empty()) {
        return {};
    }
    if (text.size() > LineText::maxLength) {
        return {TextRange{0, text.size()}}; // too long to search: redact it whole
    }
    return scan(LineText(text), usePrefilters).ranges;
}

RegexDetector::Scan RegexDetector::scan(const LineText& line, bool usePrefilters) const
{
    Scan result;
    if (line.utf8().empty()) {
        return result;
    }
    for (const auto& rule : rules_) {
        const auto unsearched = rule.collect(line, result.ranges, usePrefilters);
        if (unsearched && (!result.unsearched || unsearched->start < result.unsearched->start)) {
            result.unsearched = unsearched;
        }
    }
    result.ranges = dropContained(std::move(result.ranges));
    return result;
}

std::vector<TextRange> RegexDetector::dropContained(std::vector<TextRange> ranges)
{
    std::stable_sort(ranges.begin(), ranges.end(), [](const TextRange& a, const TextRange& b) {
        return a.start != b.start ? a.start < b.start : a.end > b.end;
    });
    // Every kept range starts at or before the current one, so the current one lies inside a
    // kept range exactly when the furthest kept end reaches its end.
    std::vector<TextRange> kept;
    kept.reserve(ranges.size());
    std::size_t furthestEnd = 0;
    for (const auto& range : ranges) {
        if (!kept.empty() && range.end <= furthestEnd) {
            continue;
        }
        kept.push_back(range);
        furthestEnd = std::max(furthestEnd, range.end);
    }
    return kept;
}

int32_t RegexDetector::workLimit(int32_t utf16Length)
{
    return workBase + utf16Length / workCharsPerUnit;
}

} // namespace tarnveil
