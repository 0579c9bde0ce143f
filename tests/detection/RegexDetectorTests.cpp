#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "detection/IdentityDetectors.h"
#include "detection/NetworkDetectors.h"
#include "detection/RegexDetector.h"

using namespace tarnveil;

namespace {

using Rule = RegexDetector::Rule;
using Ranges = std::vector<TextRange>;

RegexDetector detectorWith(std::vector<Rule> rules)
{
    return RegexDetector("test", DetectionCategory::apiKey, Severity::secret, std::move(rules));
}

std::vector<std::string> textsOf(std::string_view line, const Ranges& ranges)
{
    std::vector<std::string> texts;
    for (const auto& range : ranges) {
        texts.emplace_back(line.substr(range.start, range.length()));
    }
    return texts;
}

} // namespace

TEST(RegexDetector, EmptyLineRunsNoRuleEvenWhenThePatternMatchesNothing)
{
    int calls = 0;
    const auto detector = detectorWith({Rule("x*", RegexOptions::none, 0, [&](std::string_view) {
        ++calls;
        return true;
    })});
    EXPECT_TRUE(detector.matches("").empty());
    EXPECT_TRUE(detector.matchesWithoutPrefilters("").empty());
    EXPECT_EQ(calls, 0);
}

TEST(RegexDetector, CaptureGroupThatTookNoPartContributesNothing)
{
    const auto detector = detectorWith({Rule("a(b)?c", RegexOptions::none, 1)});
    EXPECT_EQ(detector.matches("ac abc ac"), (Ranges{{4, 5}}));
}

TEST(RegexDetector, ValidatorSeesOnlyTheGroupText)
{
    std::vector<std::string> seen;
    const auto detector = detectorWith({Rule("key=(\\w+)", RegexOptions::none, 1, [&](std::string_view text) {
        seen.emplace_back(text);
        return text != "public";
    })});
    const std::string line = "key=public key=s3cret";
    EXPECT_EQ(detector.matches(line), (Ranges{{15, 21}}));
    EXPECT_EQ(seen, (std::vector<std::string>{"public", "s3cret"}));
}

TEST(RegexDetector, ValidatorRejectingEverythingLeavesNoRange)
{
    const auto detector = detectorWith({Rule("\\d+", RegexOptions::none, 0, [](std::string_view) { return false; })});
    EXPECT_TRUE(detector.matches("1 22 333 4444 55555").empty());
}

TEST(RegexDetector, CaseInsensitiveOptionIsHonoured)
{
    const auto sensitive = detectorWith({Rule("token")});
    const auto insensitive = detectorWith({Rule("token", RegexOptions::caseInsensitive)});
    EXPECT_TRUE(sensitive.matches("TOKEN").empty());
    EXPECT_EQ(insensitive.matches("a ToKeN"), (Ranges{{2, 7}}));
}

TEST(RegexDetector, RangesOfAllRulesAreMergedSortedAndDeduplicated)
{
    struct Case {
        const char* name;
        std::vector<const char*> patterns;
        std::string line;
        Ranges expected;
    };
    const Case cases[] = {
        {"same range from two rules", {"abc", "abc"}, "xx abc", {{3, 6}}},
        {"nested range dropped", {"abc", "b"}, "abc", {{0, 3}}},
        {"nested range found by the first rule dropped", {"b", "abc"}, "abc", {{0, 3}}},
        {"partial overlap keeps both", {"abcde", "defgh"}, "abcdefgh", {{0, 5}, {3, 8}}},
        {"later rule's earlier range comes first", {"xyz", "abc"}, "abc xyz", {{0, 3}, {4, 7}}},
        {"same start, longer first, shorter dropped", {"ab", "abcd"}, "abcd", {{0, 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Rule> rules;
        for (const char* pattern : c.patterns) {
            rules.emplace_back(pattern);
        }
        EXPECT_EQ(detectorWith(std::move(rules)).matches(c.line), c.expected);
    }
}

TEST(RegexDetector, ConvenienceConstructorBuildsOneRule)
{
    const RegexDetector detector("d", DetectionCategory::uuid, Severity::identifier, "v=(\\d+)",
                                 RegexOptions::caseInsensitive, 1);
    ASSERT_EQ(detector.rules().size(), 1u);
    EXPECT_EQ(detector.rules()[0].captureGroup(), 1);
    EXPECT_EQ(detector.id(), "d");
    EXPECT_EQ(detector.category(), DetectionCategory::uuid);
    EXPECT_EQ(detector.severity(), Severity::identifier);
    EXPECT_EQ(detector.matches("V=42"), (Ranges{{2, 4}}));
}

TEST(RegexDetector, MatchEndingBeforeACombiningMarkIsSkipped)
{
    // "cafe" followed by U+0301 COMBINING ACUTE ACCENT: the match would end inside the
    // character "é", so only the second, plain "cafe" is reported.
    const auto detector = detectorWith({Rule("cafe")});
    const std::string line = "cafe\xCC\x81 cafe";
    EXPECT_EQ(detector.matches(line), (Ranges{{7, 11}}));

    // A match starting on the combining mark is skipped too.
    const auto accent = detectorWith({Rule("\\x{0301}x")});
    EXPECT_TRUE(accent.matches("e\xCC\x81x").empty());
}

TEST(RegexDetector, RangesAreUtf8ByteOffsets)
{
    // Two-, three- and four-byte characters (the last one a UTF-16 surrogate pair) before the match.
    const std::string line = "\xC3\xBC\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80 10.20.30.40 \xF0\x9F\x98\x80 1.2.3.4";
    const auto ranges = NetworkDetectors::ipv4()->matches(line);
    EXPECT_EQ(ranges, (Ranges{{13, 24}, {30, 37}}));
    EXPECT_EQ(textsOf(line, ranges), (std::vector<std::string>{"10.20.30.40", "1.2.3.4"}));
}

TEST(RegexDetector, MatchMayContainWholeMultibyteCharacters)
{
    const auto detector = detectorWith({Rule("<[^>]+>")});
    const std::string line = "\xC3\xA9 <\xE2\x82\xAC\xF0\x9F\x98\x80> x";
    const auto ranges = detector.matches(line);
    EXPECT_EQ(textsOf(line, ranges), (std::vector<std::string>{"<\xE2\x82\xAC\xF0\x9F\x98\x80>"}));
    EXPECT_EQ(ranges, (Ranges{{3, 12}}));
}

TEST(RegexDetector, InvalidUtf8KeepsTheOriginalByteOffsets)
{
    struct Case {
        std::string line;
        Ranges expected;
    };
    const Case cases[] = {
        {std::string("\xFF\xFE 10.1.2.3 \xC3"), {{3, 11}}},               // stray bytes, truncated lead byte at the end
        {std::string("\xE2\x82 10.1.2.3"), {{3, 11}}},                    // truncated three-byte sequence
        {std::string("\xED\xA0\x80 10.1.2.3"), {{4, 12}}},                // encoded surrogate
        {std::string("\xC0\xAF\x80\x80 10.1.2.3 \xF5"), {{5, 13}}},       // overlong form and continuation bytes
        {std::string("a\x00" "b 10.1.2.3", 12), {{4, 12}}},               // NUL inside the line
    };
    for (const auto& c : cases) {
        const auto ranges = NetworkDetectors::ipv4()->matches(c.line);
        EXPECT_EQ(ranges, c.expected);
        EXPECT_EQ(textsOf(c.line, ranges), (std::vector<std::string>{"10.1.2.3"}));
    }
}

TEST(RegexDetector, ArbitraryBytesNeverCrashAndRangesStayInsideTheLine)
{
    // A matcher that finds almost everything exercises the offset conversion on every kind of byte.
    const auto detector = detectorWith({Rule("\\X{1,3}"), Rule("[^a]+")});
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int i = 0; i < 500; ++i) {
        std::string line;
        const int n = length(random);
        for (int k = 0; k < n; ++k) {
            line.push_back(static_cast<char>(byte(random)));
        }
        const auto ranges = detector.matches(line);
        std::size_t previousStart = 0;
        for (const auto& range : ranges) {
            ASSERT_LE(range.start, range.end);
            ASSERT_LE(range.end, line.size());
            ASSERT_GE(range.start, previousStart);
            previousStart = range.start;
        }
    }
}

TEST(RegexDetector, DropContained)
{
    struct Case {
        const char* name;
        Ranges input;
        Ranges expected;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"single", {{1, 4}}, {{1, 4}}},
        {"exact duplicate kept once", {{2, 5}, {2, 5}}, {{2, 5}}},
        {"nested dropped", {{0, 10}, {2, 3}}, {{0, 10}}},
        {"nested listed first still dropped", {{2, 3}, {0, 10}}, {{0, 10}}},
        {"partial overlap kept in order", {{3, 8}, {0, 5}}, {{0, 5}, {3, 8}}},
        {"same start keeps the longer", {{2, 6}, {2, 9}}, {{2, 9}}},
        {"same end keeps the earlier start", {{4, 9}, {2, 9}}, {{2, 9}}},
        {"contained in a kept range that is not the last", {{0, 10}, {5, 12}, {6, 9}}, {{0, 10}, {5, 12}}},
        {"contained in the second of two overlapping", {{0, 4}, {3, 10}, {5, 6}}, {{0, 4}, {3, 10}}},
        {"covered by two ranges together but by neither alone", {{0, 5}, {4, 10}, {3, 7}}, {{0, 5}, {3, 7}, {4, 10}}},
        {"touching ranges both kept", {{5, 8}, {0, 5}}, {{0, 5}, {5, 8}}},
        {"sorted by start then end descending", {{7, 9}, {1, 2}, {4, 6}}, {{1, 2}, {4, 6}, {7, 9}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegexDetector::dropContained(c.input), c.expected);
    }
}

TEST(RegexDetectorDeathTest, PatternThatDoesNotCompileStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH({ RegexDetector::Rule rule("([unclosed"); }, "TarnveilCore/Detector");
}

TEST(RegexDetector, RuleOutOfWorkAllowanceReportsTheRestOfTheLine)
{
    // The e-mail pattern backtracks quadratically over a long run of characters that may begin
    // a local part when no "@" follows. Without the literal pre-filter the rule runs out of its
    // allowance; it must then fail closed and report the unsearched text instead of nothing.
    const std::string percents(200'000, '%');
    const auto& email = *IdentityDetectors::email();
    EXPECT_EQ(email.matchesWithoutPrefilters(percents), (Ranges{{0, percents.size()}}));

    // What was found before the allowance ran out is kept; the rest starts where that match ended.
    const std::string line = "mail a@b.cd " + percents;
    EXPECT_EQ(email.matchesWithoutPrefilters(line), (Ranges{{5, 11}, {11, line.size()}}));
}
