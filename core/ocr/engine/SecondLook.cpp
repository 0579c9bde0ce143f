#include "ocr/engine/SecondLook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "ocr/Geometry.h"
#include "ocr/ReadingJudge.h"
#include "ocr/engine/LineReader.h"
#include "ocr/engine/RecognitionPool.h"

namespace tarnveil::SecondLook {

namespace {

constexpr std::array<std::string_view, 16> tokenPrefixes = {
    "ghp_", "gho_", "ghu_", "ghs_", "ghr_", "github_pat_", "xox", "AKIA", "ASIA", "AIza", "sk_", "rk_", "pk_", "sk-",
    "eyJ", "S-1-5-"};

bool isHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool isAsciiLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isAsciiDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t longestRun(std::string_view word, bool (*belongs)(char))
{
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : word) {
        run = belongs(c) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

bool isBase64(char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '+' || c == '/' || c == '-' || c == '_'; }

struct Candidate {
    std::size_t row;
    std::size_t word;
    PixelBox area;
};

/// The word's box widened to its row's height, in bitmap pixels.
PixelBox areaOf(const RecognizedRow& row, const RecognizedWord& word, double toSource)
{
    const Rect box = word.box.standardized();
    const Rect line = row.box.hasArea() ? row.box.standardized() : box;
    return {int(std::floor(box.minX() / toSource)), int(std::floor(std::min(box.minY(), line.minY()) / toSource)),
            int(std::ceil(box.maxX() / toSource)), int(std::ceil(std::max(box.maxY(), line.maxY()) / toSource))};
}

/// The reading of a crop as one word: its symbols one after the other, without the spaces the
/// engine put between them (machine text has none), in a box that also holds the first
/// reading's box.
RecognizedWord asOneWord(const LineReading& reading, const RecognizedWord& first)
{
    RecognizedWord word;
    word.box = first.box;
    float confidence = 1;
    std::size_t words = 0;
    for (const RecognizedRow& row : reading.rows) {
        for (const RecognizedWord& part : row.words) {
            for (const auto& symbol : part.symbols) {
                if (!symbol.text.empty()) {
                    word.symbols.push_back(symbol);
                    if (symbol.box.hasArea()) {
                        word.box = Geometry::unionOf(word.box, symbol.box);
                    }
                }
            }
            confidence = std::min(confidence, part.confidence);
            ++words;
        }
    }
    word.confidence = words == 0 ? 0 : confidence;
    return word;
}

/// The row's text with `word` in place of word `index`, and the range that word takes in it.
std::pair<std::string, TextRange> textWith(const RecognizedRow& row, std::size_t index, const RecognizedWord& word)
{
    std::string text;
    TextRange range;
    for (std::size_t i = 0; i < row.words.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        if (i == index) {
            range.start = text.size();
            text += word.text();
            range.end = text.size();
        } else {
            text += row.words[i].text();
        }
    }
    return {text, range};
}

} // namespace

bool prefersSecond(const RecognizedRow& row, std::size_t index, const RecognizedWord& second)
{
    const RecognizedWord& first = row.words[index];
    if (second.symbols.empty()) {
        return false;
    }
    const auto [firstText, firstRange] = textWith(row, index, first);
    const auto [secondText, secondRange] = textWith(row, index, second);
    const std::size_t firstClaim = ReadingJudge::claim(firstText, firstRange);
    const std::size_t secondClaim = ReadingJudge::claim(secondText, secondRange);
    if (firstClaim != secondClaim) {
        return secondClaim > firstClaim;
    }
    return second.confidence > first.confidence;
}

bool looksMachineMade(std::string_view word)
{
    if (word.size() < 8) {
        return false;
    }
    for (const auto prefix : tokenPrefixes) {
        if (word.find(prefix) != std::string_view::npos) {
            return true;
        }
    }
    const bool letters = std::any_of(word.begin(), word.end(), isAsciiLetter);
    const bool digits = std::any_of(word.begin(), word.end(), isAsciiDigit);
    return word.size() >= 20 || (word.size() >= 12 && letters && digits) || longestRun(word, isHex) >= 16 ||
           (longestRun(word, isBase64) >= 16 && letters && digits);
}

std::string reread(std::vector<RecognizedRow>& rows, const QImage& bitmap, double toSource)
{
    if (bitmap.isNull() || !(toSource > 0)) {
        return {};
    }
    std::vector<Candidate> candidates;
    for (std::size_t r = 0; r < rows.size() && candidates.size() < maximumWords; ++r) {
        for (std::size_t w = 0; w < rows[r].words.size() && candidates.size() < maximumWords; ++w) {
            const RecognizedWord& word = rows[r].words[w];
            if (word.box.hasArea() && looksMachineMade(word.text())) {
                candidates.push_back({r, w, areaOf(rows[r], word, toSource)});
            }
        }
    }
    std::vector<LineReading> readings(candidates.size());
    std::vector<std::function<void()>> jobs;
    // The word's box holds its glyphs; a wider crop would take a sliver of the next word's
    // first glyph, which the engine reads as a stray ":" or "|".
    const int padX = 1;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        jobs.emplace_back([&, i] {
            const PixelBox& area = candidates[i].area;
            readings[i] = LineReader::read(bitmap, area, padX, 1, LineReader::scaleFor(area.height(), targetRowHeight),
                                           toSource);
        });
    }
    RecognitionPool::shared().runAll(std::move(jobs));
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!readings[i].error.empty()) {
            return readings[i].error;
        }
        RecognizedRow& row = rows[candidates[i].row];
        RecognizedWord second = asOneWord(readings[i], row.words[candidates[i].word]);
        if (prefersSecond(row, candidates[i].word, second)) {
            row.words[candidates[i].word] = std::move(second);
        }
    }
    return {};
}

} // namespace tarnveil::SecondLook
