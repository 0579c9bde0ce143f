#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "detection/Detector.h"
#include "detection/RulePrefilter.h"
#include "detection/RegexOptions.h"

namespace tarnveil {

class LineText;
class MatcherPool;

/// A detector made of regular-expression rules (ICU syntax). Each rule's matches, taken
/// from one capture group and checked by an optional validator, are collected into one list
/// from which ranges lying inside other ranges are dropped.
class RegexDetector final : public Detector {
public:
    using Validator = std::function<bool(std::string_view)>;

    /// One compiled pattern, the capture group that holds the finding, and an optional
    /// validator of the group's text. Copies share the compiled pattern and the validator.
    class Rule {
    public:
        /// Compiles `pattern`; a pattern that does not compile stops the program.
        explicit Rule(std::string_view pattern, RegexOptions options = RegexOptions::none, int captureGroup = 0,
                      Validator validate = {});

        const std::string& pattern() const;
        RegexOptions options() const { return options_; }
        int captureGroup() const { return captureGroup_; }
        const Validator& validate() const { return *validate_; }

        /// The same rule, skipped on lines that hold none of `anyOf` (texts the pattern
        /// cannot match without). Only a speed-up: the ranges found never change.
        Rule requiring(std::vector<std::string> anyOf) const;
        /// The same rule, skipped on lines without `minLength` consecutive characters of
        /// `asciiSet` (see RulePrefilter).
        Rule requiringRun(std::string_view asciiSet, std::size_t minLength, bool setTakesNonAscii = false) const;

        /// Appends the ranges of this rule in `line`, in the engine's order. When the rule runs
        /// out of work allowance, the rest of the line from the end of its last match is
        /// appended too and returned as the unsearched part.
        std::optional<TextRange> collect(const LineText& line, std::vector<TextRange>& out,
                                         bool usePrefilter = true) const;

    private:
        std::shared_ptr<MatcherPool> matchers_;
        RegexOptions options_;
        int captureGroup_;
        std::shared_ptr<const Validator> validate_;
        std::shared_ptr<const RulePrefilter> prefilter_;
    };

    RegexDetector(std::string id, DetectionCategory category, Severity severity, std::vector<Rule> rules);
    RegexDetector(std::string id, DetectionCategory category, Severity severity, std::string_view pattern,
                  RegexOptions options = RegexOptions::none, int captureGroup = 0, Validator validate = {});

    const std::string& id() const override { return id_; }
    DetectionCategory category() const override { return category_; }
    Severity severity() const override { return severity_; }
    const std::vector<Rule>& rules() const { return rules_; }

    std::vector<TextRange> matches(std::string_view text) const override;

    /// `matches` without the literal pre-filters of the rules (for checking that they never
    /// change a result).
    std::vector<TextRange> matchesWithoutPrefilters(std::string_view text) const;

    /// The ranges of a scan, and the part of the line that could not be searched within the
    /// work allowance (that part is one of the ranges).
    struct Scan {
        std::vector<TextRange> ranges;
        std::optional<TextRange> unsearched;
    };

    /// `matches` over a line already prepared for the engine (the registry prepares each
    /// line once for all its detectors).
    Scan scan(const LineText& line, bool usePrefilters = true) const;

    /// Sorted by start ascending, then end descending; a range inside an already kept range
    /// (including an exact duplicate) is dropped; partial overlaps stay.
    static std::vector<TextRange> dropContained(std::vector<TextRange> ranges);

    /// How much work one rule may spend on one line, in units of ten thousand steps of the
    /// engine: 20 units plus one per thousand UTF-16 units of the line (200,000 steps plus 10
    /// per character). Ordinary lines of any length stay far below it; hostile ones (a
    /// megabyte of percent signs before an "@") reach it in a fraction of a second. A rule
    /// that runs out reports the rest of the line, from the end of its last match, as a
    /// finding, so a line that cannot be searched in time is redacted rather than passed over.
    static int32_t workLimit(int32_t utf16Length);

private:
    std::vector<TextRange> scanText(std::string_view text, bool usePrefilters) const;

    std::string id_;
    DetectionCategory category_;
    Severity severity_;
    std::vector<Rule> rules_;
};

} // namespace tarnveil
