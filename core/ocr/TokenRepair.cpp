#include "ocr/TokenRepair.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "ocr/Geometry.h"

namespace tarnveil::TokenRepair {

namespace {

using Symbol = RecognizedWord::Symbol;

bool isAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool isLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

std::string textOf(const RecognizedWord& word)
{
    std::string text;
    for (const auto& symbol : word.symbols) {
        text += symbol.text;
    }
    return text;
}

void append(RecognizedWord& to, RecognizedWord&& from)
{
    to.box = to.box.standardWidth() > 0 ? Geometry::unionOf(to.box, from.box) : from.box;
    std::move(from.symbols.begin(), from.symbols.end(), std::back_inserter(to.symbols));
}

/// Whether the space between two words cannot be one in machine text.
bool falseSpace(const std::string& left, const std::string& right)
{
    if (left.empty() || right.empty()) {
        return false;
    }
    const char last = left.back();
    const char first = right.front();
    constexpr std::string_view continuing = ".-_@=/\\?&";
    if (left.size() >= 2 && continuing.find(last) != std::string_view::npos && isAlnum(first)) {
        // After a full stop, only a lower-case letter or a digit: a capital starts a sentence.
        return last != '.' || isLower(first) || isDigit(first);
    }
    if (last == ':' && (first == '/' || (left.find("://") != std::string::npos && isAlnum(first)))) {
        return true;
    }
    constexpr std::string_view leading = ".:@";
    return right.size() >= 2 && leading.find(first) != std::string_view::npos && isAlnum(right[1]);
}

void joinFalseSpaces(RecognizedRow& row)
{
    std::vector<RecognizedWord> kept;
    for (auto& word : row.words) {
        if (!kept.empty() && falseSpace(textOf(kept.back()), textOf(word))) {
            append(kept.back(), std::move(word));
        } else {
            kept.push_back(std::move(word));
        }
    }
    row.words = std::move(kept);
}

std::string withoutDashes(std::string text)
{
    const auto dash = [](char c) { return c == '-' || c == '_' || c == '.' || c == '~' || c == '='; };
    while (!text.empty() && dash(text.front())) {
        text.erase(text.begin());
    }
    while (!text.empty() && dash(text.back())) {
        text.pop_back();
    }
    return text;
}

/// Drops leading or trailing symbols that are only dashes and the like.
void trimDashSymbols(RecognizedWord& word, bool front)
{
    while (word.symbols.size() > 1) {
        const Symbol& symbol = front ? word.symbols.front() : word.symbols.back();
        if (!withoutDashes(symbol.text).empty()) {
            return;
        }
        front ? (void)word.symbols.erase(word.symbols.begin()) : word.symbols.pop_back();
    }
}

/// "BEGIN … PRIVATE KEY" and "END … PRIVATE KEY" rows, with at most one stray word before
/// them (the engine's reading of the dashes), get their five dashes back on both sides.
void restoreKeyMarker(RecognizedRow& row)
{
    auto& words = row.words;
    if (words.size() < 3 || words.size() > 8) {
        return;
    }
    std::size_t start = 0;
    for (; start < words.size() && start <= 1; ++start) {
        const std::string text = withoutDashes(textOf(words[start]));
        if (text == "BEGIN" || text == "END") {
            break;
        }
    }
    if (start > 1 || start + 2 >= words.size()) {
        return;
    }
    const std::size_t last = words.size() - 1;
    if (withoutDashes(textOf(words[last])) != "KEY" || withoutDashes(textOf(words[last - 1])) != "PRIVATE") {
        return;
    }
    for (std::size_t i = start + 1; i + 1 < last; ++i) {
        const std::string text = textOf(words[i]);
        if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return isUpper(c) || isDigit(c); })) {
            return;
        }
    }
    words.erase(words.begin(), words.begin() + std::ptrdiff_t(start));
    trimDashSymbols(words.front(), true);
    trimDashSymbols(words.back(), false);
    words.front().symbols.insert(words.front().symbols.begin(), Symbol{"-----", words.front().symbols.front().box});
    words.back().symbols.push_back(Symbol{"-----", words.back().symbols.back().box});
}

/// A row of base64 text (long words of base64 letters with upper case, lower case and digits)
/// that the engine cut into words becomes one word again.
void joinBase64Row(RecognizedRow& row)
{
    if (row.words.size() < 2) {
        return;
    }
    std::string all;
    for (const auto& word : row.words) {
        const std::string text = textOf(word);
        const bool base64 = std::all_of(text.begin(), text.end(), [](char c) {
            return isAlnum(c) || c == '+' || c == '/' || c == '=';
        });
        if (!base64 || text.size() < 4) {
            return;
        }
        all += text;
    }
    const bool mixed = std::any_of(all.begin(), all.end(), isUpper) && std::any_of(all.begin(), all.end(), isLower) &&
                       std::any_of(all.begin(), all.end(), isDigit);
    if (all.size() < 40 || all.size() < 12 * row.words.size() || !mixed) {
        return;
    }
    for (std::size_t i = 1; i < row.words.size(); ++i) {
        append(row.words.front(), std::move(row.words[i]));
    }
    row.words.resize(1);
}

/// A known identifier prefix read with look-alike characters: the characters of `pattern`
/// match themselves, and '?' matches any of `lookAlikes` and is replaced by `restored`.
struct PrefixRepair {
    std::string_view pattern;
    std::string_view lookAlikes;
    char restored;
    std::size_t minimumTail; ///< letters, digits, '_' or '-' that must follow
};

constexpr PrefixRepair prefixRepairs[] = {
    {"A?za", "l1|i", 'I', 30},   // Google API keys
    {"AK?A", "T1l|", 'I', 16},   // AWS access key ids
    {"AS?A", "T1l|", 'I', 16},
    {"?-1-5-21-", "5$", 'S', 0}, // Windows security identifiers
};

bool tokenStart(const std::string& text, std::size_t at)
{
    if (at == 0) {
        return true;
    }
    constexpr std::string_view openers = "=:\"'(";
    return openers.find(text[at - 1]) != std::string_view::npos;
}

/// The symbol holding byte `at` of the word's text, or none.
Symbol* symbolAt(RecognizedWord& word, std::size_t at)
{
    std::size_t offset = 0;
    for (auto& symbol : word.symbols) {
        if (at < offset + symbol.text.size()) {
            return symbol.text.size() == 1 ? &symbol : nullptr;
        }
        offset += symbol.text.size();
    }
    return nullptr;
}

void repairPrefixes(RecognizedWord& word)
{
    const std::string text = textOf(word);
    for (const auto& repair : prefixRepairs) {
        const std::size_t size = repair.pattern.size();
        for (std::size_t at = 0; at + size <= text.size(); ++at) {
            if (!tokenStart(text, at)) {
                continue;
            }
            std::size_t question = std::string::npos;
            bool matches = true;
            for (std::size_t i = 0; i < size && matches; ++i) {
                const char c = text[at + i];
                if (repair.pattern[i] == '?') {
                    question = at + i;
                    matches = c == repair.restored || repair.lookAlikes.find(c) != std::string_view::npos;
                } else {
                    matches = c == repair.pattern[i];
                }
            }
            std::size_t tail = 0;
            while (at + size + tail < text.size() &&
                   (isAlnum(text[at + size + tail]) || text[at + size + tail] == '_' || text[at + size + tail] == '-')) {
                ++tail;
            }
            if (matches && tail >= repair.minimumTail) {
                if (Symbol* symbol = symbolAt(word, question)) {
                    symbol->text = std::string(1, repair.restored);
                }
            }
        }
    }
}

} // namespace

RecognizedRow repaired(RecognizedRow row)
{
    joinFalseSpaces(row);
    restoreKeyMarker(row);
    joinBase64Row(row);
    for (auto& word : row.words) {
        repairPrefixes(word);
    }
    return row;
}

} // namespace tarnveil::TokenRepair
