#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "detection/RegexDetector.h"

namespace tarnveil {

class LineText;

/// The counterpart of one detector for recognised text: rules whose patterns take the
/// characters a text recogniser reads in place of the real ones, and an acceptance test per
/// rule that decides on the candidate's text what a pattern alone cannot (a length give or
/// take one, a check digit computed on the candidate with its look-alikes restored). A
/// candidate the test rejects is tried again without its last pieces (cut at a space, or at
/// the separators the rule names), so a stray space inside a token is taken and the word after
/// a token is not, and its text after the first cut is searched again, so a token right after another one is not lost to the
/// candidate that ran over both. Findings carry the
/// detector's identifier; thread-safe and immutable.
class TolerantTwin {
public:
    using Acceptance = std::function<bool(std::string_view candidate)>;

    struct Rule {
        RegexDetector::Rule candidates;
        Acceptance accepts;         ///< empty: every candidate is accepted
        std::string_view cuts = " "; ///< where a rejected candidate is cut: the stray separators its pattern takes
    };

    TolerantTwin(std::string detectorID, std::vector<Rule> rules);

    const std::string& detectorID() const { return detectorID_; }

    /// The accepted ranges in `line`, ordered and without ranges inside others. A rule that
    /// runs out of work allowance contributes what it found before; the exact detector
    /// already fails closed on such a line.
    std::vector<TextRange> matches(const LineText& line) const;

    /// `matches` of a text prepared on the spot.
    std::vector<TextRange> matches(std::string_view text) const;

    /// How often a rejected candidate's text after its first space is searched again.
    static constexpr int maxRetries = 8;

private:
    static void collect(const Rule& rule, const LineText& line, std::size_t offset, std::vector<TextRange>& out,
                        int depth);

    std::string detectorID_;
    std::vector<Rule> rules_;
};

} // namespace tarnveil
