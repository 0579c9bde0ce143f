#include "detection/MachineTextRuns.h"

#include <algorithm>
#include <array>
#include <optional>
#include <cctype>
#include <string>

#include <unicode/uchar.h>

#include "detection/LookAlikes.h"
#include "detection/Utf8CodePoint.h"

namespace tarnveil {

namespace {

// Share of neighbouring letters and digits that change kind (upper case, lower case, digit)
// from which a run reads as generated: about 0.6 in random base64, 0.45 in hexadecimal, 0.4 in
// upper case and digits, below 0.2 in words written in camel case.
constexpr double minKindChanges = 0.25;

// The shortest piece of a token that a stray space may have cut off, and the most pieces
// one token is joined from.
constexpr std::size_t minTokenPiece = 3;
constexpr std::size_t maxPieces = 4;

// What the text between a key name and its value may hold, and how much of it.
constexpr std::u32string_view joiners = U" \t\"'`:=>~“”‘’«»";
constexpr std::size_t maxJoiners = 6;
// A word between a key name and its value ("the token is 9f…").
constexpr std::array<std::string_view, 5> fillers{"is", "was", "are", "now", "for"};
// What a stray separator inside a token may have been read as.
constexpr std::string_view strayInside = " .#*%&~^";

// The furthest back a key name is looked for.
constexpr std::size_t maxNameBytes = 64;

constexpr std::array<std::string_view, 21> keyParts{
    "key",  "token",      "secret",      "password", "passwd", "pwd",    "auth",   "bearer",   "hash",       "sid", "id",
    "credential", "credentials", "digest", "checksum", "md5", "sha1", "sha256", "sha512", "signature", "fingerprint"};
// Names written in one piece that end in a key word ("apikey", "authtoken").
constexpr std::array<std::string_view, 6> keySuffixes{"apikey", "token", "secret", "password", "passwd", "accesskey"};

bool isAsciiAlnum(char32_t c) { return c < 0x80 && std::isalnum(static_cast<int>(c)) != 0; }

bool isRunCharacter(char32_t c)
{
    return isAsciiAlnum(c) || c == U'_' || c == U'-' || c == U'+' || c == U'/' || LookAlikes::standsForTokenCharacter(c);
}

enum class Kind { upper, lower, digit, other };

Kind kindOf(char32_t c)
{
    if (c < 0x80 && std::isdigit(static_cast<int>(c)) != 0) {
        return Kind::digit;
    }
    if (c < 0x80 && std::isupper(static_cast<int>(c)) != 0) {
        return Kind::upper;
    }
    if (c < 0x80 && std::islower(static_cast<int>(c)) != 0) {
        return Kind::lower;
    }
    return Kind::other;
}

bool hasHexStretch(std::string_view run)
{
    std::size_t length = 0;
    std::size_t digits = 0;
    std::size_t letters = 0;
    for (const char c : run) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) {
            length = digits = letters = 0;
            continue;
        }
        ++length;
        (std::isdigit(static_cast<unsigned char>(c)) != 0 ? digits : letters) += 1;
        if (length >= MachineTextRuns::minHexDigits && digits >= 3 && letters >= 2) {
            return true;
        }
    }
    return false;
}

/// The end of the run of token characters that starts at `from`; "=" belongs to it only as
/// padding at its end.
std::size_t runEnd(std::string_view line, std::size_t from)
{
    std::size_t end = from;
    while (end < line.size()) {
        const auto codePoint = Utf8CodePoint::at(line, end);
        if (isRunCharacter(codePoint.value)) {
            end = codePoint.end;
            continue;
        }
        if (codePoint.value != U'=') {
            break;
        }
        std::size_t padding = end;
        while (padding < line.size() && line[padding] == '=') {
            ++padding;
        }
        const bool trailing = padding == line.size() || !isRunCharacter(Utf8CodePoint::at(line, padding).value);
        if (trailing && end > from) {
            end = padding;
        }
        break;
    }
    return end;
}

/// The parts of an identifier in lower case: cut at "_", "-", "." and where lower case turns
/// upper case ("sessionId" gives "session", "id").
std::vector<std::string> nameParts(std::string_view name)
{
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == '_' || c == '-' || c == '.') {
            parts.emplace_back();
            continue;
        }
        if (std::isupper(c) != 0 && i > 0 && std::islower(static_cast<unsigned char>(name[i - 1])) != 0) {
            parts.emplace_back();
        }
        parts.back().push_back(static_cast<char>(std::tolower(c)));
    }
    return parts;
}

bool isKeyName(std::string_view name)
{
    for (const auto& part : nameParts(name)) {
        if (std::find(keyParts.begin(), keyParts.end(), part) != keyParts.end()) {
            return true;
        }
    }
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::any_of(keySuffixes.begin(), keySuffixes.end(),
                       [&](std::string_view suffix) { return lower.ends_with(suffix); });
}

/// A piece that may be part of a token split by a stray separator: not a word (a digit in
/// it, or an upper-case letter after its first character), and beside a space long enough
/// not to be a short word of its own.
bool isTokenPiece(std::string_view piece, bool besideSpace)
{
    if (piece.size() < (besideSpace ? minTokenPiece : 2)) {
        return false;
    }
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const auto c = static_cast<unsigned char>(piece[i]);
        if (std::isdigit(c) != 0 || (i > 0 && std::isupper(c) != 0)) {
            return true;
        }
    }
    return false;
}

/// Whether piece `k` and the next one are parts of one token split by a stray separator.
bool joinsNext(std::string_view line, const std::vector<TextRange>& pieces, std::size_t k)
{
    if (k + 1 >= pieces.size() || pieces[k + 1].start != pieces[k].end + 1 ||
        strayInside.find(line[pieces[k].end]) == std::string_view::npos) {
        return false;
    }
    const bool space = line[pieces[k].end] == ' ';
    return isTokenPiece(line.substr(pieces[k].start, pieces[k].length()), space) &&
           isTokenPiece(line.substr(pieces[k + 1].start, pieces[k + 1].length()), space) &&
           MachineTextRuns::isMachineLike(line.substr(pieces[k].start, pieces[k + 1].end - pieces[k].start));
}

/// `end` moved back over a filler word and the spaces before it, when the text before `end`
/// is one.
std::size_t withoutFiller(std::string_view line, std::size_t end)
{
    for (const auto filler : fillers) {
        const std::size_t wordStart = end >= filler.size() ? end - filler.size() : 0;
        const bool standsAlone = end >= filler.size() + 1 && line[wordStart - 1] == ' ';
        if (!standsAlone || line.substr(wordStart, filler.size()) != filler) {
            continue;
        }
        std::size_t before = wordStart;
        while (before > 0 && line[before - 1] == ' ') {
            --before;
        }
        return before;
    }
    return end;
}

/// The machine-like rest of a run that starts with a key name and a "-" read for its "=" or
/// ":" ("OPENAI_API_KEY-sk-…"): the name's last part is a key word.
std::optional<TextRange> valueAfterKeyName(std::string_view line, const TextRange& run)
{
    const std::string_view text = line.substr(run.start, run.length());
    const auto dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > maxNameBytes) {
        return std::nullopt;
    }
    const auto parts = nameParts(text.substr(0, dash));
    const bool keyName = !parts.empty() && std::find(keyParts.begin(), keyParts.end(), parts.back()) != keyParts.end();
    const TextRange rest{run.start + dash + 1, run.end};
    if (!keyName || !MachineTextRuns::isMachineLike(line.substr(rest.start, rest.length()))) {
        return std::nullopt;
    }
    return rest;
}

} // namespace

std::vector<MachineTextRuns::Run> MachineTextRuns::find(std::string_view line)
{
    std::vector<Run> runs;
    if (line.size() > maxLineBytes) {
        return runs;
    }
    std::vector<TextRange> pieces;
    for (std::size_t i = 0; i < line.size();) {
        const auto codePoint = Utf8CodePoint::at(line, i);
        if (!isRunCharacter(codePoint.value)) {
            i = codePoint.end;
            continue;
        }
        const std::size_t end = runEnd(line, i);
        pieces.push_back({i, end});
        i = end;
    }
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        TextRange range = pieces[k];
        // Stray separators inside a token: token-like pieces with one space or symbol between
        // each two, the first not a key name ("sha256 9f86d0…").
        const bool firstIsName = isKeyName(line.substr(range.start, range.length()));
        for (std::size_t merged = 1; !firstIsName && merged < maxPieces && joinsNext(line, pieces, k); ++merged) {
            range.end = pieces[++k].end;
        }
        if (const auto value = valueAfterKeyName(line, range)) {
            runs.push_back({*value, true});
        } else if (isMachineLike(line.substr(range.start, range.length()))) {
            runs.push_back({range, followsKeyWord(line, range.start)});
        }
    }
    return runs;
}

bool MachineTextRuns::isMachineLike(std::string_view run)
{
    if (hasHexStretch(run)) {
        return true;
    }
    std::size_t characters = 0;
    std::size_t letters = 0;
    std::size_t digits = 0;
    std::size_t pairs = 0;
    std::size_t changes = 0;
    Kind previous = Kind::other;
    for (std::size_t i = 0; i < run.size();) {
        const auto codePoint = Utf8CodePoint::at(run, i);
        i = codePoint.end;
        ++characters;
        const Kind kind = kindOf(codePoint.value);
        letters += kind == Kind::upper || kind == Kind::lower || u_isalpha(static_cast<UChar32>(codePoint.value)) ? 1 : 0;
        digits += kind == Kind::digit ? 1 : 0;
        if (kind != Kind::other && previous != Kind::other) {
            ++pairs;
            changes += kind != previous ? 1 : 0;
        }
        previous = kind;
    }
    return characters >= minRunLength && letters >= 2 && digits >= 2 && pairs > 0 &&
           static_cast<double>(changes) >= minKindChanges * static_cast<double>(pairs);
}

bool MachineTextRuns::followsKeyWord(std::string_view line, std::size_t runStart)
{
    std::size_t end = std::min(runStart, line.size());
    for (std::size_t n = 0; n < maxJoiners && end > 0; ++n) {
        const auto codePoint = Utf8CodePoint::before(line, end);
        if (joiners.find(codePoint.value) == std::u32string_view::npos) {
            break;
        }
        end = codePoint.start;
    }
    end = withoutFiller(line, end);
    std::size_t start = end;
    const std::size_t nameFrom = end > maxNameBytes ? end - maxNameBytes : 0;
    while (start > nameFrom) {
        const auto c = static_cast<unsigned char>(line[start - 1]);
        if (std::isalnum(c) == 0 && c != '_' && c != '-' && c != '.') {
            break;
        }
        --start;
    }
    return start < end && isKeyName(line.substr(start, end - start));
}

} // namespace tarnveil
