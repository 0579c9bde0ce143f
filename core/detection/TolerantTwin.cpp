#include "detection/TolerantTwin.h"

#include <cctype>
#include <optional>

#include "detection/LineText.h"

namespace tarnveil {

namespace {

constexpr std::size_t maxWordLength = 15;

/// An ordinary word: ASCII letters only, in lower case after the first; of one letter, only
/// "a".
bool isWord(std::string_view piece)
{
    if (piece.empty() || piece.size() > maxWordLength || (piece.size() == 1 && piece != "a")) {
        return false;
    }
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const auto c = static_cast<unsigned char>(piece[i]);
        if (std::isalpha(c) == 0 || (i > 0 && std::isupper(c) != 0)) {
            return false;
        }
    }
    return true;
}

/// The longest part of `range`, cut before one of the rule's separators, that it accepts: the whole range
/// first, then without its last piece, and so on. A last piece that is an ordinary word is
/// the text after a token, never a piece of it.
std::optional<TextRange> acceptedPart(std::string_view text, TextRange range, const TolerantTwin::Rule& rule)
{
    const auto& accepts = rule.accepts;
    for (;;) {
        const std::string_view candidate = text.substr(range.start, range.length());
        const auto space = candidate.find_last_of(rule.cuts);
        const bool pieces = space != std::string_view::npos && space > 0;
        if (!(pieces && isWord(candidate.substr(space + 1))) && (!accepts || accepts(candidate))) {
            return range;
        }
        if (!pieces) {
            return std::nullopt;
        }
        range.end = range.start + candidate.find_last_not_of(rule.cuts, space) + 1;
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
        collect(rule, line, 0, accepted, 0);
    }
    return RegexDetector::dropContained(std::move(accepted));
}

void TolerantTwin::collect(const Rule& rule, const LineText& line, std::size_t offset, std::vector<TextRange>& out,
                           int depth)
{
    std::vector<TextRange> candidates;
    const auto unsearched = rule.candidates.collect(line, candidates);
    const std::string_view text = line.utf8();
    for (const auto& candidate : candidates) {
        if (unsearched && candidate == *unsearched) {
            continue;
        }
        if (const auto part = acceptedPart(text, candidate, rule)) {
            out.push_back(TextRange{part->start + offset, part->end + offset});
            continue;
        }
        // A rejected candidate may have run from the end of one token over a space into the
        // next one ("…-1253 e23007cb…"): its text after the first space is searched again.
        const auto space = text.substr(candidate.start, candidate.length()).find_first_of(rule.cuts);
        if (space == std::string_view::npos || depth >= maxRetries) {
            continue;
        }
        const std::size_t from = candidate.start + space + 1;
        const LineText rest(text.substr(from, candidate.end - from));
        collect(rule, rest, offset + from, out, depth + 1);
    }
}

std::vector<TextRange> TolerantTwin::matches(std::string_view text) const
{
    if (text.empty() || text.size() > LineText::maxLength) {
        return {};
    }
    return matches(LineText(text));
}

} // namespace tarnveil
