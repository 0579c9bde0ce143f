#include "ocr/engine/SecondLook.h"

#include <algorithm>
#include <array>
#include <cctype>
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
    Span span;
    PixelBox area;
};

/// The box that holds the span's words (none when none of them has one).
Rect spanBox(const RecognizedRow& row, const Span& span)
{
    Rect box;
    for (std::size_t i = span.first; i < span.last; ++i) {
        if (row.words[i].box.hasArea()) {
            box = box.hasArea() ? Geometry::unionOf(box, row.words[i].box) : row.words[i].box.standardized();
        }
    }
    return box;
}

/// The box of the span's words widened to their row's height, in bitmap pixels.
PixelBox areaOf(const RecognizedRow& row, const Span& span, double toSource)
{
    const Rect box = spanBox(row, span);
    const Rect line = row.box.hasArea() ? row.box.standardized() : box;
    return {int(std::floor(box.minX() / toSource)), int(std::floor(std::min(box.minY(), line.minY()) / toSource)),
            int(std::ceil(box.maxX() / toSource)), int(std::ceil(std::max(box.maxY(), line.maxY()) / toSource))};
}

/// The reading of a crop as one word: its symbols one after the other, without the spaces the
/// engine put between them (machine text has none), in a box that also holds the first
/// reading's boxes.
RecognizedWord asOneWord(const LineReading& reading, const RecognizedRow& row, const Span& span)
{
    RecognizedWord word;
    word.box = spanBox(row, span);
    float confidence = 1;
    std::size_t words = 0;
    for (const RecognizedRow& piece : reading.rows) {
        for (const RecognizedWord& part : piece.words) {
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

/// The row's text with `word` in place of the span's words, and the range the span takes.
std::pair<std::string, TextRange> textWith(const RecognizedRow& row, const Span& span, const RecognizedWord* word)
{
    std::string text;
    TextRange range;
    for (std::size_t i = 0; i < row.words.size(); ++i) {
        if (word && i > span.first && i < span.last) {
            continue;
        }
        if (!text.empty()) {
            text += ' ';
        }
        if (i == span.first) {
            range.start = text.size();
        }
        text += word && i == span.first ? word->text() : row.words[i].text();
        if (i + 1 == span.last || (word && i == span.first)) {
            range.end = text.size();
        }
    }
    return {text, range};
}

/// The span's words joined without spaces.
std::string joinedText(const RecognizedRow& row, const Span& span)
{
    std::string text;
    for (std::size_t i = span.first; i < span.last; ++i) {
        text += row.words[i].text();
    }
    return text;
}

double gapBetween(const RecognizedWord& left, const RecognizedWord& right)
{
    return right.box.standardized().minX() - left.box.standardized().maxX();
}

/// Whether `word` could be a piece of a network address whose separators the engine lost: only
/// hexadecimal digits, separators (a prefix length's "/" too) and the letters they are misread
/// as.
bool isAddressPiece(std::string_view word)
{
    constexpr std::string_view pieces = "0123456789abcdefABCDEF:;.,/oOsSlI";
    return word.size() >= 2 && word.find_first_not_of(pieces) == std::string_view::npos &&
           std::any_of(word.begin(), word.end(), isAsciiDigit);
}

/// Whether the gap between words `i - 1` and `i` may lie inside one token: narrow, or, between
/// two pieces of an address, as wide as the "::" or ":" the engine may have read as a space.
bool joins(const RecognizedRow& row, std::size_t i)
{
    const RecognizedWord& left = row.words[i - 1];
    const RecognizedWord& right = row.words[i];
    if (!left.box.hasArea() || !right.box.hasArea()) {
        return false;
    }
    const double height = row.box.standardized().height;
    const double gap = gapBetween(left, right);
    return gap <= tokenGapInHeights * height ||
           (gap <= addressGapInHeights * height && isAddressPiece(left.text()) && isAddressPiece(right.text()));
}

} // namespace

std::vector<Span> machineSpans(const RecognizedRow& row)
{
    std::vector<Span> spans;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= row.words.size(); ++i) {
        const bool ends = i == row.words.size() || !joins(row, i);
        if (!ends) {
            continue;
        }
        const Span span{first, i};
        if (row.words[first].box.hasArea() && looksMachineMade(joinedText(row, span))) {
            spans.push_back(span);
        }
        first = i;
    }
    return spans;
}

bool prefersSecond(const RecognizedRow& row, std::size_t index, const RecognizedWord& second)
{
    return prefersSecond(row, index, index + 1, second);
}

bool prefersSecond(const RecognizedRow& row, std::size_t first, std::size_t last, const RecognizedWord& second)
{
    if (second.symbols.empty() || first >= last || last > row.words.size()) {
        return false;
    }
    const Span span{first, last};
    const auto [firstText, firstRange] = textWith(row, span, nullptr);
    const auto [secondText, secondRange] = textWith(row, span, &second);
    const std::size_t firstClaim = ReadingJudge::claim(firstText, firstRange);
    const std::size_t secondClaim = ReadingJudge::claim(secondText, secondRange);
    if (firstClaim != secondClaim) {
        return secondClaim > firstClaim;
    }
    float confidence = 1;
    for (std::size_t i = first; i < last; ++i) {
        confidence = std::min(confidence, row.words[i].confidence);
    }
    return second.confidence > confidence;
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
    const auto separators = std::count_if(word.begin(), word.end(), [](char c) { return c == '.' || c == ':'; });
    return word.size() >= 20 || (digits && separators >= 3) || (word.size() >= 12 && letters && digits) || longestRun(word, isHex) >= 16 ||
           (longestRun(word, isBase64) >= 16 && letters && digits);
}

std::string reread(std::vector<RecognizedRow>& rows, const QImage& bitmap, double toSource)
{
    if (bitmap.isNull() || !(toSource > 0)) {
        return {};
    }
    std::vector<Candidate> candidates;
    for (std::size_t r = 0; r < rows.size() && candidates.size() < maximumWords; ++r) {
        for (const Span& span : machineSpans(rows[r])) {
            if (candidates.size() < maximumWords) {
                candidates.push_back({r, span, areaOf(rows[r], span, toSource)});
            }
        }
    }
    std::vector<LineReading> readings(candidates.size());
    std::vector<std::function<void()>> jobs;
    // The words' boxes hold their glyphs; a wider crop would take a sliver of the next word's
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
    // Spans of one row are replaced from the last to the first, so the earlier ones keep
    // their word indices.
    for (std::size_t i = candidates.size(); i-- > 0;) {
        if (!readings[i].error.empty()) {
            return readings[i].error;
        }
        RecognizedRow& row = rows[candidates[i].row];
        const Span span = candidates[i].span;
        RecognizedWord second = asOneWord(readings[i], row, span);
        if (prefersSecond(row, span.first, span.last, second)) {
            row.words[span.first] = std::move(second);
            row.words.erase(row.words.begin() + std::ptrdiff_t(span.first + 1), row.words.begin() + std::ptrdiff_t(span.last));
        }
    }
    return {};
}

} // namespace tarnveil::SecondLook
