#include "detection/TolerantTwin.h"

#include <optional>

#include "detection/LineText.h"

namespace tarnveil {

namespace {

/// The longest part of `range`, cut before a space, that `accepts` takes: the whole range
/// first, then without its last piece, and so on.
std::optional<TextRange> acceptedPart(std::string_view text, TextRange range, const TolerantTwin::Acceptance& accepts)
{
    if (!accepts) {
        return range;
    }
    for (;;) {
        if (accepts(text.substr(range.start, range.length()))) {
            return range;
        }
        const auto space = text.substr(range.start, range.length()).rfind(' ');
        if (space == std::string_view::npos || space == 0) {
            return std::nullopt;
        }
        range.end = range.start + space;
        while (range.end > range.start && text[range.end - 1] == ' ') {
            --range.end;
        }
    }
}

} // namespace

TolerantTwin::TolerantTwin(std::string detectorID, std::vector<Rule> rules)
    : detectorID_(std::move(detectorID)), rules_(std::move(rules))
{
}

std::vector<TextRange> TolerantTwin::matches(const LineText& line) const
{
    std::vector<TextRange> accepted;
    for (const auto& rule : rules_) {
        std::vector<TextRange> candidates;
        const auto unsearched = rule.candidates.collect(line, candidates);
        for (const auto& candidate : candidates) {
            if (unsearched && candidate == *unsearched) {
                continue;
            }
            if (const auto part = acceptedPart(line.utf8(), candidate, rule.accepts)) {
                accepted.push_back(*part);
            }
        }
    }
    return RegexDetector::dropContained(std::move(accepted));
}

std::vector<TextRange> TolerantTwin::matches(std::string_view text) const
{
    if (text.empty() || text.size() > LineText::maxLength) {
        return {};
    }
    return matches(LineText(text));
}

} // namespace tarnveil
