#include "ocr/TokenRepair.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>


namespace tarnveil::TokenRepair {

namespace {

using Symbol = RecognizedWord::Symbol;

bool isAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool isLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

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
        // After a full stop, only a lower-case letter or a digit (a capital starts a sentence),
        // unless the word is an address, which never ends a sentence with its dot.
        const bool address = left.find("://") != std::string::npos || left.find('@') != std::string::npos;
        return last != '.' || address || isLower(first) || isDigit(first);
    }
    if (last == ':' && (first == '/' || (left.find("://") != std::string::npos && isAlnum(first)))) {
        return true;
    }
    // Colon-separated records ("user: 1001: aad3b…:::", "09: 47:12").
    if (last == ':' && isAlnum(first) && right.find(':') != std::string::npos) {
        return true;
    }
    constexpr std::string_view leading = ".:@";
    return right.size() >= 2 && leading.find(first) != std::string_view::npos && isAlnum(right[1]);
}

void joinFalseSpaces(RecognizedRow& row)
{
    std::vector<RecognizedWord> kept;
    for (auto& word : row.words) {
        if (!kept.empty() && falseSpace(kept.back().text(), word.text())) {
            kept.back().absorb(std::move(word));
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
        const std::string text = withoutDashes(words[start].text());
        if (text == "BEGIN" || text == "END") {
            break;
        }
    }
    if (start > 1 || start + 2 >= words.size()) {
        return;
    }
    const std::size_t last = words.size() - 1;
    if (withoutDashes(words[last].text()) != "KEY" || withoutDashes(words[last - 1].text()) != "PRIVATE") {
        return;
    }
    for (std::size_t i = start + 1; i + 1 < last; ++i) {
        const std::string text = words[i].text();
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

/// A row of base64 text (at least 48 characters in words of six or more base64 letters, with
/// upper case, lower case and digits) that the engine cut into words becomes one word again.
void joinBase64Row(RecognizedRow& row)
{
    if (row.words.size() < 2) {
        return;
    }
    std::string all;
    for (const auto& word : row.words) {
        const std::string text = word.text();
        const bool base64 = std::all_of(text.begin(), text.end(), [](char c) {
            return isAlnum(c) || c == '+' || c == '/' || c == '=';
        });
        if (!base64 || text.size() < 6) {
            return;
        }
        all += text;
    }
    const bool mixed = std::any_of(all.begin(), all.end(), isUpper) && std::any_of(all.begin(), all.end(), isLower) &&
                       std::any_of(all.begin(), all.end(), isDigit);
    if (all.size() < 48 || all.size() < 12 * row.words.size() || !mixed) {
        return;
    }
    for (std::size_t i = 1; i < row.words.size(); ++i) {
        row.words.front().absorb(std::move(row.words[i]));
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
    const std::string text = word.text();
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

/// A token of a known form, recognisable by its start, that the engine cut short: how long
/// it can be at most, and which characters it is made of.
struct TokenForm {
    std::string_view prefix;
    std::size_t maximumLength;
    std::string_view extraCharacters; ///< besides letters and digits
};

constexpr TokenForm tokenForms[] = {
    {"eyJ", 4096, "._-"},  // JSON Web Tokens
    {"AIza", 39, "_-"},    // Google API keys
    {"ghp_", 40, "_"},     // GitHub tokens
    {"gho_", 40, "_"},
    {"ghu_", 40, "_"},
    {"ghs_", 40, "_"},
    {"ghr_", 40, "_"},
    {"AKIA", 20, ""},      // AWS access key ids
    {"ASIA", 20, ""},
    {"sk_live_", 255, "_"}, // Stripe keys
    {"sk_test_", 255, "_"},
    {"rk_live_", 255, "_"},
    {"xoxb-", 255, "-"},   // Slack tokens
    {"xoxp-", 255, "-"},
};

bool madeOf(const std::string& text, std::string_view extra)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
        return isAlnum(c) || extra.find(c) != std::string_view::npos;
    });
}

/// The start of the word's last token of a known form, if it runs to the end of the word.
const TokenForm* trailingToken(const std::string& word, std::size_t& tokenLength)
{
    for (const auto& form : tokenForms) {
        for (std::size_t at = word.rfind(form.prefix); at != std::string::npos;
             at = at == 0 ? std::string::npos : word.rfind(form.prefix, at - 1)) {
            if (tokenStart(word, at) && madeOf(word.substr(at), form.extraCharacters)) {
                tokenLength = word.size() - at;
                return &form;
            }
        }
    }
    return nullptr;
}

/// Joins onto a token of a known form the words that continue it, as long as it stays within
/// its form's length: the engine's word spacing often cuts long tokens set in proportional
/// fonts ("AIzaBqid…YavWLy JieAz…").
void joinCutTokens(RecognizedRow& row)
{
    std::vector<RecognizedWord> kept;
    std::size_t tokenLength = 0;
    const TokenForm* open = nullptr;
    for (auto& word : row.words) {
        const std::string text = word.text();
        // Only a token already past its prefix takes more, and only random-looking pieces.
        const bool randomLooking = std::any_of(text.begin(), text.end(), [](char c) { return isDigit(c) || isUpper(c); });
        if (open && tokenLength >= open->prefix.size() + 4 && randomLooking && madeOf(text, open->extraCharacters) &&
            tokenLength + text.size() <= open->maximumLength) {
            tokenLength += text.size();
            kept.back().absorb(std::move(word));
            continue;
        }
        open = trailingToken(text, tokenLength);
        kept.push_back(std::move(word));
    }
    row.words = std::move(kept);
}

/// Stand-ins, in a word's one-character-per-symbol form, for symbols of more than one byte.
constexpr char centSign = '\x01';  // "¢"
constexpr char poundSign = '\x02'; // "£"
constexpr char otherSymbol = '\x7f';

/// The word with one character per symbol: the symbol itself when it is one byte, a stand-in
/// for the look-alikes "¢" and "£", and `otherSymbol` for anything else.
std::string flatTextOf(const RecognizedWord& word)
{
    std::string flat;
    for (const auto& symbol : word.symbols) {
        if (symbol.text.size() == 1) {
            flat += symbol.text[0];
        } else if (symbol.text == "¢") {
            flat += centSign;
        } else if (symbol.text == "£") {
            flat += poundSign;
        } else {
            flat += otherSymbol;
        }
    }
    return flat;
}

/// Characters that are never hexadecimal digits but are what the engine reads for one.
char hexForLookAlike(char c)
{
    switch (c) {
    case centSign: return 'c';
    case poundSign: return 'f';
    case 'O': case 'o': case '@': case 'Q': return '0';
    case 'l': case 'I': case 'i': case '|': case 'L': return '1';
    case 'S': case 's': case '$': return '5';
    case 'Z': case 'z': return '2';
    case 'g': case 'q': return '9';
    case 'T': case 't': return 'f';
    default: return 0;
    }
}

bool isHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

constexpr std::size_t maxHexLookAlikes = 4;

/// Whether groups of these sizes, separated by `separator`, have a hexadecimal form: a UUID
/// (8-4-4-4-12), a MAC address (six pairs), an IPv6 address (up to eight groups of one to
/// four, "::" allowed) or a digest (32, 40, 64 or 128 digits).
bool hexShape(const std::vector<std::size_t>& groups, char separator)
{
    if (groups.size() == 1) {
        return groups[0] == 32 || groups[0] == 40 || groups[0] == 64 || groups[0] == 128;
    }
    if (separator == '-' && groups == std::vector<std::size_t>{8, 4, 4, 4, 12}) {
        return true;
    }
    if (groups.size() == 6 && std::all_of(groups.begin(), groups.end(), [](std::size_t g) { return g == 2; })) {
        return true;
    }
    return separator == ':' && groups.size() >= 3 && groups.size() <= 8 &&
           std::all_of(groups.begin(), groups.end(), [](std::size_t g) { return g <= 4; });
}

/// Hexadecimal tokens (digests, UUIDs, MAC and IPv6 addresses) with at most two look-alike
/// characters get the digits back ("da32cO" → "da32c0", "fdSf:cf" → "fd5f:cf").
void repairHexRun(RecognizedWord& word, const std::string& flat, std::size_t from, std::size_t to)
{
    std::vector<std::size_t> groups{0};
    char separator = 0;
    std::size_t lookAlikes = 0;
    for (std::size_t i = from; i < to; ++i) {
        const char c = flat[i];
        if (c == ':' || c == '-') {
            if (separator != 0 && separator != c) {
                return;
            }
            separator = c;
            groups.push_back(0);
            continue;
        }
        ++groups.back();
        lookAlikes += isHex(c) ? 0 : 1;
    }
    const std::size_t digits = to - from - (groups.size() - 1);
    if (lookAlikes == 0 || lookAlikes > maxHexLookAlikes || lookAlikes * 8 > digits || !hexShape(groups, separator)) {
        return;
    }
    for (std::size_t i = from; i < to; ++i) {
        if (const char digit = isHex(flat[i]) || flat[i] == ':' || flat[i] == '-' ? 0 : hexForLookAlike(flat[i])) {
            word.symbols[i].text = std::string(1, digit);
        }
    }
}

void repairHexTokens(RecognizedWord& word)
{
    const std::string text = flatTextOf(word);
    const auto inRun = [](char c) { return isHex(c) || hexForLookAlike(c) != 0 || c == ':' || c == '-'; };
    for (std::size_t at = 0; at < text.size();) {
        if (!inRun(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && inRun(text[end])) {
            ++end;
        }
        // Separators at either end belong to the text around the token.
        std::size_t from = at;
        std::size_t to = end;
        while (from < to && (text[from] == ':' || text[from] == '-')) {
            ++from;
        }
        while (to > from && (text[to - 1] == ':' || text[to - 1] == '-') && text.compare(to - 2 < from ? from : to - 2, 2, "::") != 0) {
            --to;
        }
        if (to > from && (from == 0 || !isAlnum(text[from - 1])) && (to == text.size() || !isAlnum(text[to]))) {
            repairHexRun(word, text, from, to);
        }
        at = end;
    }
}

/// The parts of a JSON Web Token start with "eyJ" ('{"' in base64); the engine reads the J as
/// ")", "/", "}", "j", "|", "!", "1", "l" or "I" ("ey)zdWIi…" → "eyJzdWIi…"). Inside the token,
/// which holds nothing but base64url letters and dots, "@", "|", "¢" and "£" are read for "0",
/// "l", "c" and "E".
void repairTokenParts(RecognizedWord& word)
{
    const std::string flat = flatTextOf(word);
    if (flat.size() < 30 || flat.find('.') == std::string::npos) {
        return;
    }
    constexpr std::string_view lookAlikes = ")/}j|!1lI]";
    for (std::size_t at = 0; at + 2 < flat.size(); ++at) {
        const bool partStart = at == 0 || flat[at - 1] == '.' || !isAlnum(flat[at - 1]);
        if (partStart && flat[at] == 'e' && flat[at + 1] == 'y' && lookAlikes.find(flat[at + 2]) != std::string_view::npos) {
            word.symbols[at + 2].text = std::string(1, 'J');
        }
    }
    const std::size_t start = flat.find("ey");
    if (start == std::string::npos || !(start == 0 || !isAlnum(flat[start - 1]))) {
        return;
    }
    const auto inside = [](char c) {
        return isAlnum(c) || c == '-' || c == '_' || c == '.' || c == '@' || c == '|' || c == centSign || c == poundSign;
    };
    std::size_t end = start;
    while (end < flat.size() && inside(flat[end])) {
        ++end;
    }
    if (end - start < 30 || std::count(flat.begin() + std::ptrdiff_t(start), flat.begin() + std::ptrdiff_t(end), '.') < 1) {
        return;
    }
    for (std::size_t i = start; i < end; ++i) {
        const char c = flat[i];
        const char meant = c == '@' ? '0' : c == '|' ? 'l' : c == centSign ? 'c' : c == poundSign ? 'E' : 0;
        if (meant) {
            word.symbols[i].text = std::string(1, meant);
        }
    }
}

/// IBANs: two letters, then two check digits. The engine reads "E" as "£" and the check
/// digits' 0, 1 and 5 as O, I or l, and S.
void repairIbans(RecognizedWord& word)
{
    const std::string flat = flatTextOf(word);
    const auto digitFor = [](char c) -> char {
        switch (c) {
        case 'O': case 'o': return '0';
        case 'I': case 'l': return '1';
        case 'S': return '5';
        default: return isDigit(c) ? c : 0;
        }
    };
    for (std::size_t at = 0; at + 15 <= flat.size(); ++at) {
        if (!tokenStart(flat, at) && !(at > 0 && !isAlnum(flat[at - 1]))) {
            continue;
        }
        const bool letters = (isUpper(flat[at]) || flat[at] == poundSign) && isUpper(flat[at + 1]);
        if (!letters || !digitFor(flat[at + 2]) || !digitFor(flat[at + 3])) {
            continue;
        }
        std::size_t end = at + 4;
        while (end < flat.size() && (isUpper(flat[end]) || isDigit(flat[end]))) {
            ++end;
        }
        if (end - at < 15 || end - at > 34 || (end < flat.size() && isAlnum(flat[end]))) {
            continue;
        }
        if (flat[at] == poundSign) {
            word.symbols[at].text = std::string(1, 'E');
        }
        for (const std::size_t i : {at + 2, at + 3}) {
            word.symbols[i].text = std::string(1, digitFor(flat[i]));
        }
    }
}

/// An underscore the engine reads from a field's underline, glued before a token
/// ("_eyJhbGci…", "_sk_live_…"), becomes a gap, so the token starts a word again.
void dropLeadingUnderscore(RecognizedWord& word)
{
    const std::string flat = flatTextOf(word);
    if (flat.size() >= 9 && flat[0] == '_' && isAlnum(flat[1])) {
        word.symbols[0].text = std::string(1, ' ');
    }
}

/// UNC paths start with two backslashes; the engine often reads one, and an "@" for the 0 of a
/// server name ("\FSO1\share" → "\\FSO1\share", "\\FS@1\share" → "\\FS01\share"). Only
/// a server name that looks like one (digits, hyphens or capitals) counts, so a rooted path
/// such as "\Windows\System32" is left alone.
void repairUncPath(RecognizedWord& word)
{
    const std::string flat = flatTextOf(word);
    const std::size_t slash = flat.find('\\');
    if (slash == std::string::npos || (slash > 0 && isAlnum(flat[slash - 1]))) {
        return;
    }
    const bool doubled = slash + 1 < flat.size() && flat[slash + 1] == '\\';
    const std::size_t server = slash + (doubled ? 2 : 1);
    const std::size_t end = flat.find('\\', server);
    if (end == std::string::npos || end == server) {
        return;
    }
    const std::string name = flat.substr(server, end - server);
    const bool hostLike = std::all_of(name.begin(), name.end(), [](char c) { return isAlnum(c) || c == '-' || c == '@'; }) &&
                          (std::any_of(name.begin(), name.end(), [](char c) { return isDigit(c) || c == '-' || c == '@'; }) ||
                           (name.size() >= 3 && std::all_of(name.begin(), name.end(), isUpper)));
    if (!hostLike) {
        return;
    }
    for (std::size_t i = server; i < end; ++i) {
        if (flat[i] == '@') {
            word.symbols[i].text = std::string(1, '0');
        }
    }
    if (!doubled) {
        word.symbols[slash].text = std::string(2, '\\');
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
    for (auto& word : row.words) {
        dropLeadingUnderscore(word);
        repairTokenParts(word);
    }
    joinCutTokens(row);
    for (auto& word : row.words) {
        repairHexTokens(word);
        repairIbans(word);
        repairUncPath(word);
    }
    return row;
}

} // namespace tarnveil::TokenRepair
