#include "detection/TolerantDetectors.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "detection/DetectionValidators.h"
#include "detection/LookAlikes.h"
#include "detection/NetworkDetectors.h"
#include "detection/Utf8CodePoint.h"

namespace tarnveil::TolerantDetectors {

namespace {

using Rule = RegexDetector::Rule;
constexpr auto caseInsensitive = RegexOptions::caseInsensitive;
constexpr auto noOptions = RegexOptions::none;

// Character classes widened by what the recogniser reads in their place (ICU set syntax).
// A token character: any letter, a digit, or a symbol read for one.
const std::string tokenSet = R"([\p{L}0-9|!\$@£¢€¥§)\]\{\}])";
// The same with "_" and "-", for tokens that hold them.
const std::string tokenDashSet = R"([\p{L}0-9_\-|!\$@£¢€¥§)\]\{\}])";
// A digit or a look-alike of one.
const std::string digitSet = R"([0-9OoQD@Il|!iLSs\$ZzGbéB])";
// A hexadecimal digit or a look-alike of one.
const std::string hexSet = R"([0-9A-Fa-fOoQ@Il|!iLSs\$ZzGé£t¢€¥\{])";
// Base64 text with look-alikes.
const std::string base64Set = R"([\p{L}0-9+/|!\$@£¢€¥§)\]\{\}])";
// Prefix letters: I, S and O as read.
const std::string I = R"([Il1|!])";
const std::string S = R"([S5\$])";
const std::string O = R"([O0o])";

/// One or more characters of `set`, optionally followed by one space or "." read inside the
/// token and more of them.
std::string spaced(const std::string& set) { return set + "+(?:[ .]" + set + "+)?"; }

/// The same with up to `separators` of them, for tokens of a fixed length or with pieces that
/// must look machine-made, where the acceptance test bounds what a candidate may take.
std::string spacedUpTo(const std::string& set, int separators)
{
    return set + "+(?:[ .]" + set + "+){0," + std::to_string(separators) + "}";
}

// Where a candidate built with `spaced` is cut when rejected.
constexpr std::string_view strayCuts = " .";

struct Counts {
    std::size_t characters = 0; // spaces aside
    std::size_t asciiDigits = 0;
    std::size_t asciiAlnum = 0;
    std::size_t asciiHex = 0;
    std::size_t upperOrDigit = 0;
};

Counts counted(std::string_view text)
{
    Counts counts;
    for (std::size_t i = 0; i < text.size();) {
        const auto codePoint = Utf8CodePoint::at(text, i);
        i = codePoint.end;
        const char32_t c = codePoint.value;
        if (c == U' ') {
            continue;
        }
        ++counts.characters;
        if (c >= 0x80) {
            continue;
        }
        const auto ascii = static_cast<unsigned char>(c);
        counts.asciiDigits += std::isdigit(ascii) ? 1 : 0;
        counts.asciiAlnum += std::isalnum(ascii) ? 1 : 0;
        counts.asciiHex += std::isxdigit(ascii) ? 1 : 0;
        counts.upperOrDigit += std::isdigit(ascii) || std::isupper(ascii) ? 1 : 0;
    }
    return counts;
}

/// Between `low` and `high` characters (spaces aside), at least `plainShare` of them
/// (a fraction) ASCII letters or digits.
TolerantTwin::Acceptance lengthBetween(std::size_t low, std::size_t high, double plainShare = 0.75)
{
    return [=](std::string_view candidate) {
        const Counts counts = counted(candidate);
        return counts.characters >= low && counts.characters <= high &&
               static_cast<double>(counts.asciiAlnum) >= plainShare * static_cast<double>(counts.characters);
    };
}

TolerantTwin::Acceptance atLeast(std::size_t low) { return lengthBetween(low, std::string::npos); }

/// `test` on the candidate as read, or with each stray space taken for a lost "_" or "-"
/// ("AIzao35LRKf7uzA2S rQR6rpLM91FiSglwA zzD").
TolerantTwin::Acceptance spacesMayBeLost(TolerantTwin::Acceptance test)
{
    return [test = std::move(test)](std::string_view candidate) {
        std::string underscored(candidate);
        std::replace(underscored.begin(), underscored.end(), ' ', '_');
        return test(candidate) || test(underscored);
    };
}

std::string withoutSpaces(std::string_view text)
{
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != ' '; });
    return out;
}

/// A run of hexadecimal text of one of the digest lengths, give or take one, mostly read right.
bool isHexDigest(std::string_view candidate, std::initializer_list<std::size_t> lengths)
{
    const Counts counts = counted(candidate);
    const bool lengthFits = std::any_of(lengths.begin(), lengths.end(), [&](std::size_t length) {
        return counts.characters + 1 >= length && counts.characters <= length + 1;
    });
    return lengthFits && counts.asciiDigits >= 5 && counts.asciiHex * 4 >= counts.characters * 3;
}

/// An IPv6 address once its look-alikes are restored, most of it read right.
bool isMisreadIPv6(std::string_view candidate)
{
    const Counts counts = counted(candidate);
    return counts.asciiHex + static_cast<std::size_t>(std::count(candidate.begin(), candidate.end(), ':')) + 2 >=
               counts.characters &&
           DetectionValidators::isValidIPv6(LookAlikes::withHexRestored(candidate));
}

/// Every piece after a stray space of at least four characters with a digit, one of "+/=",
/// or a capital after its first character ("LRLWHdhcnhxc", "LRENQ==", not "for" or "and").
bool piecesLookMachineMade(std::string_view candidate)
{
    for (std::size_t space = candidate.find(' '); space != std::string_view::npos;
         space = candidate.find(' ', space + 1)) {
        const std::string_view piece = candidate.substr(space + 1, candidate.find(' ', space + 1) - space - 1);
        bool machine = false;
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const auto c = static_cast<unsigned char>(piece[i]);
            machine = machine || std::isdigit(c) || c == '+' || c == '/' || c == '=' || (i > 0 && std::isupper(c));
        }
        if (piece.size() < 4 || !machine) {
            return false;
        }
    }
    return true;
}

bool isHexLetter(char c) { return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

/// `text` with its `length` bytes at `at` replaced by `by`.
std::string spliced(std::string_view text, std::size_t at, std::size_t length, std::string_view by)
{
    std::string out(text.substr(0, at));
    out += by;
    out += text.substr(at + length);
    return out;
}

/// Groups of an address apart from clock times: three colons or more and a letter among the
/// digits.
bool looksLikeAddressGroups(std::string_view candidate)
{
    return std::count(candidate.begin(), candidate.end(), ':') >= 3 &&
           std::any_of(candidate.begin(), candidate.end(), isHexLetter);
}

/// An IPv6 address whose "::" was read as a space ("fe80::d142:8:c773:4" as
/// "feso d142:8:c773:4", "fde8:3:fa5c::f" as "fde8:3:fa5c f").
bool isIPv6WithLostDoubleColon(std::string_view candidate)
{
    const std::size_t space = candidate.find(' ');
    if (space == std::string_view::npos) {
        return false;
    }
    if (space > 0 && candidate[space - 1] == ':') {
        // A stray space after a colon ("2607:e5ea:b51c:59:a:456:3e: f6").
        // Or a "::" whose second colon was read as the space ("fd81:b4c9:50: b6a5").
        const std::string joined = spliced(candidate, space, 1, "");
        const std::string doubled = spliced(candidate, space, 1, ":");
        return (looksLikeAddressGroups(joined) && isMisreadIPv6(joined)) ||
               (doubled.find("::") != std::string::npos && isMisreadIPv6(doubled) &&
                std::count(doubled.begin(), doubled.end(), ':') >= 3);
    }
    // With two colons the first group must be one no clock time or word has: three or four
    // characters with a letter and a digit among them ("fde8:3:fa5c f", not "12:30:45 add"
    // or "beef 10:20:30").
    const std::string_view first = candidate.substr(0, std::min(space, candidate.find(':')));
    const auto has = [&](auto test) { return std::any_of(first.begin(), first.end(), test); };
    const bool addressLead =
        first.size() >= 3 && std::count(candidate.begin(), candidate.end(), ':') >= 2 &&
        has(isHexLetter) && has([](char c) { return c >= '0' && c <= '9'; });
    if (!looksLikeAddressGroups(candidate) && !addressLead) {
        return false;
    }
    return isMisreadIPv6(spliced(candidate, space, 1, "::"));
}

/// An IPv6 address whose "::" was read as ":" ("fe80::284f:72:35a:582" as
/// "fe50:284f:72:35a:582"): five to seven groups, one colon of which was doubled.
bool isIPv6WithOneColonLost(std::string_view candidate)
{
    if (!looksLikeAddressGroups(candidate) || candidate.find("::") != std::string_view::npos) {
        return false;
    }
    for (std::size_t colon = candidate.find(':'); colon != std::string_view::npos;
         colon = candidate.find(':', colon + 1)) {
        if (isMisreadIPv6(spliced(candidate, colon, 0, ":"))) {
            return true;
        }
    }
    return false;
}

/// A password as people make them, not a word of prose: at least eight characters with a
/// digit or a capital after a small letter among them ("hxWhUaCZYvw7h", not "Expires").
bool looksLikePassword(std::string_view candidate)
{
    if (candidate.size() < 8) {
        return false;
    }
    bool digit = false;
    bool innerCapital = false;
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        const auto c = static_cast<unsigned char>(candidate[i]);
        digit = digit || std::isdigit(c);
        innerCapital = innerCapital || (i > 0 && std::isupper(c) && std::islower(static_cast<unsigned char>(candidate[i - 1])));
    }
    return digit || innerCapital;
}

/// "user:rid:lm:nt:::" (the closing colons may be cut off) with both hashes of 32 digits, give or take one.
bool isMisreadDumpLine(std::string_view candidate)
{
    std::vector<std::string_view> hashes;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= candidate.size(); ++i) {
        if (i == candidate.size() || candidate[i] == ':' || candidate[i] == ';') {
            hashes.push_back(candidate.substr(from, i - from));
            from = i + 1;
        }
    }
    std::erase_if(hashes, [](std::string_view piece) { return counted(piece).characters < 16; });
    return hashes.size() == 2 && isHexDigest(hashes[0], {32}) && isHexDigest(hashes[1], {32});
}

/// A dotted quad once its look-alikes are restored; a part of four digits holds one inserted
/// by the recogniser, and is tried without each of them.
bool isMisreadIPv4(std::string_view candidate)
{
    const Counts counts = counted(candidate);
    if (counts.asciiDigits < 4 || counts.asciiDigits + 2 < counts.characters - 3) {
        return false;
    }
    const std::string address = withoutSpaces(LookAlikes::withDigitsRestored(candidate));
    if (address.starts_with("0.")) {
        return false; // no host has it; decimals in a list ("0.68,0.11") do
    }
    if (DetectionValidators::isValidIPv4(address)) {
        return true;
    }
    std::size_t partStart = 0;
    std::size_t longParts = 0;
    std::size_t longStart = 0;
    for (std::size_t i = 0; i <= address.size(); ++i) {
        if (i == address.size() || address[i] == '.') {
            if (i - partStart == 4) {
                ++longParts;
                longStart = partStart;
            }
            partStart = i + 1;
        }
    }
    if (longParts != 1) {
        return false;
    }
    for (std::size_t k = longStart; k < longStart + 4; ++k) {
        if (DetectionValidators::isValidIPv4(std::string(address).erase(k, 1))) {
            return true;
        }
    }
    return false;
}

bool isMisreadMAC(std::string_view candidate)
{
    const std::string hex = LookAlikes::withHexRestored(withoutSpaces(candidate));
    std::size_t digits = 0;
    for (const char c : hex) {
        if (std::isxdigit(static_cast<unsigned char>(c)) != 0) {
            ++digits;
        } else if (c != ':' && c != '-' && c != '.' && c != ';' && c != ',') {
            return false;
        }
    }
    return digits >= 10 && digits <= 13 && counted(candidate).asciiHex >= 9;
}

/// Three to six groups of hexadecimal text, 32 digits in all give or take one, no group longer
/// than a UUID's last one.
bool isMisreadUUID(std::string_view candidate)
{
    std::size_t groups = 0;
    std::size_t digits = 0;
    std::size_t plain = 0;
    std::size_t longest = 0;
    std::size_t current = 0;
    bool inGroup = false;
    for (std::size_t i = 0; i < candidate.size();) {
        const auto codePoint = Utf8CodePoint::at(candidate, i);
        i = codePoint.end;
        if (LookAlikes::hexDigitFor(codePoint.value)) {
            groups += inGroup ? 0 : 1;
            inGroup = true;
            ++digits;
            ++current;
            plain += codePoint.value < 0x80 && std::isxdigit(static_cast<int>(codePoint.value)) ? 1 : 0;
            longest = std::max(longest, current);
        } else {
            inGroup = false;
            current = 0;
        }
    }
    return groups >= 3 && groups <= 6 && digits >= 31 && digits <= 33 && longest <= 13 && plain * 5 >= digits * 4;
}

/// The digits of a number as read: look-alikes restored, separators dropped; none when more
/// than `maxLookAlikes` characters had to be restored or anything else is in it.
std::optional<std::string> numberDigits(std::string_view candidate, std::size_t maxLookAlikes)
{
    std::string digits;
    std::size_t restored = 0;
    for (std::size_t i = 0; i < candidate.size();) {
        const auto codePoint = Utf8CodePoint::at(candidate, i);
        i = codePoint.end;
        const char32_t c = codePoint.value;
        if (c == U' ' || c == U'-') {
            continue;
        }
        const auto digit = LookAlikes::digitFor(c);
        if (!digit) {
            return std::nullopt;
        }
        restored += (c >= U'0' && c <= U'9') ? 0 : 1;
        digits.push_back(*digit);
    }
    if (restored > maxLookAlikes) {
        return std::nullopt;
    }
    return digits;
}

/// Whether the first and the last group of a number (cut at spaces and "-") hold a digit: a
/// group of look-alikes alone at either end is a word beside the number ("… 5678 s").
bool endGroupsHoldDigits(std::string_view candidate)
{
    const auto firstCut = candidate.find_first_of(" -");
    const auto lastCut = candidate.find_last_of(" -");
    const auto hasDigit = [](std::string_view group) {
        return std::any_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return hasDigit(candidate.substr(0, firstCut)) &&
           hasDigit(lastCut == std::string_view::npos ? candidate : candidate.substr(lastCut + 1));
}

bool isMisreadCard(std::string_view candidate)
{
    if (!endGroupsHoldDigits(candidate)) {
        return false;
    }
    const auto digits = numberDigits(candidate, 3);
    return digits && digits->size() >= 13 && digits->size() <= 19 && counted(candidate).asciiDigits >= 11 &&
           DetectionValidators::isValidCreditCard(*digits);
}

bool isMisreadPhone(std::string_view candidate)
{
    // The "+" and at most one space or look-alike aside, 7 to 15 digits.
    const auto plus = candidate.find_first_not_of("+ ");
    const auto digits = numberDigits(candidate.substr(plus == std::string_view::npos ? 0 : plus), 2);
    return digits && digits->size() >= 7 && digits->size() <= 15;
}

// At most this many characters of an IBAN are tried either way (64 tries).
constexpr std::size_t maxIBANChoices = 6;

/// The letter a digit is a look-alike of, or none.
std::optional<char> letterFor(char digit)
{
    switch (digit) {
    case '0': return 'O';
    case '1': return 'I';
    case '2': return 'Z';
    case '5': return 'S';
    case '6': return 'G';
    case '8': return 'B';
    default: return std::nullopt;
    }
}

/// The letters a country code's character may stand for when it is not a letter: what a
/// currency sign or a digit read in its place resembles.
std::string_view countryLettersFor(char32_t c)
{
    switch (c) {
    case U'£': return "EF";
    case U'€': return "E";
    case U'$': case U'5': return "S";
    case U'0': return "OD";
    case U'1': return "IL";
    case U'2': return "Z";
    case U'6': return "G";
    case U'8': return "BA";
    default: return {};
    }
}

/// The countries whose accounts have an IBAN.
bool isIBANCountry(std::string_view code)
{
    static constexpr std::string_view countries =
        "AD AE AL AT AZ BA BE BG BH BR BY CH CR CY CZ DE DK DO EE EG ES FI FO FR GB GE GI GL GR GT HR HU IE IL "
        "IQ IS IT JO KW KZ LB LC LI LT LU LV MC MD ME MK MR MT MU NL NO PK PL PS PT QA RO RS SA SC SE SI SK SM "
        "ST SV TL TN TR UA VA VG XK";
    for (std::size_t i = 0; i + 2 <= countries.size(); i += 3) {
        if (countries.substr(i, 2) == code) {
            return true;
        }
    }
    return false;
}

/// An IBAN whose check digits come out right once the look-alikes that cannot be letters are
/// read as digits, trying each upper-case look-alike in the account part either way, each
/// currency sign read for a country letter as the letters it resembles, and each digit beside
/// a letter of the account part as the letter it resembles (at most 64 tries).
bool isMisreadIBAN(std::string_view candidate)
{
    std::string text;
    std::vector<std::pair<std::size_t, std::string>> choices; // position, what it may stand for
    for (std::size_t i = 0; i < candidate.size();) {
        const auto codePoint = Utf8CodePoint::at(candidate, i);
        i = codePoint.end;
        const char32_t c = codePoint.value;
        if (c == U' ') {
            continue;
        }
        const bool upper = c >= U'A' && c <= U'Z';
        const auto digit = LookAlikes::digitFor(c);
        if (text.size() >= 4 && (c == U')' || c == U']')) {
            // A "J" of the account part read as a bracket ("NL93JJ)W0441358860").
            text.push_back('J');
            continue;
        }
        if (text.size() < 2) {
            if (upper) {
                text.push_back(static_cast<char>(c));
            } else if (const auto letters = countryLettersFor(c); !letters.empty()) {
                choices.emplace_back(text.size(), std::string(letters));
                text.push_back(letters[0]);
            } else {
                return false;
            }
        } else if ((c >= U'0' && c <= U'9') || (text.size() >= 4 && upper && !digit)) {
            text.push_back(static_cast<char>(c));
        } else if (digit && text.size() >= 4 && upper) {
            choices.emplace_back(text.size(), std::string{static_cast<char>(c), *digit});
            text.push_back(static_cast<char>(c));
        } else if (digit) {
            text.push_back(*digit);
        } else {
            return false;
        }
    }
    if (choices.size() > maxIBANChoices || text.size() < 15 || text.size() > 34) {
        return false;
    }
    // A digit next to a letter of the account part may be a letter read as a digit ("U0WH").
    for (std::size_t p = 4; p < text.size() && choices.size() < maxIBANChoices; ++p) {
        const auto letter = letterFor(text[p]);
        const bool besideLetter = (std::isupper(static_cast<unsigned char>(text[p - 1])) != 0 && p > 4) ||
                                  (p + 1 < text.size() && std::isupper(static_cast<unsigned char>(text[p + 1])) != 0);
        if (letter && besideLetter) {
            choices.emplace_back(p, std::string{text[p], *letter});
        }
    }
    std::size_t combinations = 1;
    for (const auto& choice : choices) {
        combinations *= choice.second.size();
    }
    for (std::size_t n = 0; n < combinations; ++n) {
        std::string variant = text;
        std::size_t rest = n;
        for (const auto& [position, options] : choices) {
            variant[position] = options[rest % options.size()];
            rest /= options.size();
        }
        if (isIBANCountry(std::string_view(variant).substr(0, 2)) && DetectionValidators::isValidIBAN(variant)) {
            return true;
        }
    }
    return false;
}

TolerantTwin::Acceptance notFolding(std::vector<std::string_view> sharedNames)
{
    return [sharedNames = std::move(sharedNames)](std::string_view candidate) {
        const std::string name = LookAlikes::folded(candidate);
        return std::none_of(sharedNames.begin(), sharedNames.end(),
                            [&](std::string_view shared) { return LookAlikes::folded(shared) == name; });
    };
}

std::shared_ptr<const TolerantTwin> twin(std::string_view id, std::vector<TolerantTwin::Rule> rules)
{
    return std::make_shared<const TolerantTwin>(std::string(id), std::move(rules));
}

// ---- secrets ----

std::shared_ptr<const TolerantTwin> jwt()
{
    // A segment may hold one stray space; the header's "eyJ" may be read with a space or an
    // underscore in it.
    const std::string segmentSet = R"([\p{L}0-9_\-|!\$@£¢€¥§()\[\]\{\}%&#])";
    const std::string segment = segmentSet + "{2,}(?: " + segmentSet + "+){0,2}";
    const std::string dot = R"((?: ?[.,] ?))";
    // "eyJ" as read, or "ey" and a lower-case letter where the "J" was lost.
    const std::string pattern = R"((?:(?<![0-9-])[eé] ?[yY][ _]?[J)\]jIl1|]|(?<![A-Za-z0-9_-])ey[a-z]))" + segment + "(?:" + dot +
                                "| (?=[eé][yY]))" + segment + "(?:" + dot + segment + ")?";
    return twin("jwt", {{Rule(pattern).requiring({"y", "Y"}), atLeast(30)}});
}

std::shared_ptr<const TolerantTwin> awsAccessKey()
{
    // "I" may also be read "T", or gain a "T" ("AKITA").
    const std::string prefix = "A(?:(?:K|" + S + ")[Il1|!T]{1,2}|GP|" + I + "D|R" + O + "|NP|NV)A";
    const std::string pattern = "(?<![A-Z0-9])" + prefix + spaced(tokenSet);
    return twin("awsAccessKey", {{Rule(pattern).requiring({"A"}),
                                  [](std::string_view candidate) {
                                      const Counts counts = counted(candidate);
                                      return counts.characters >= 19 && counts.characters <= 22 &&
                                             counts.upperOrDigit >= 17;
                                  },
                                  strayCuts}});
}

std::shared_ptr<const TolerantTwin> awsSecretKey()
{
    const std::string pattern =
        R"re((?:aws[_ ]?secret[_ ]?access[_ ]?key|aws[_ -]?secret|secret[_ -]?access[_ -]?key|secret)["'“”‘’]?\s*[:=;~]\s*["'“”‘’~]?()re" +
        spacedUpTo(base64Set, 3) + ")";
    return twin("awsSecretKey", {{Rule(pattern, caseInsensitive, 1).requiring({"secret"}), lengthBetween(39, 42), strayCuts}});
}

std::shared_ptr<const TolerantTwin> githubToken()
{
    const std::string classic = "(?<![A-Z0-9_])[gq9]h[pousr0\\$5][_ ]?" + tokenSet + spacedUpTo(tokenDashSet, 2);
    const std::string fineGrained = "(?<![A-Za-z0-9_])g" + I + "thub_pat_" + spaced(tokenDashSet);
    return twin("githubToken", {{Rule(classic).requiring({"h"}), lengthBetween(38, 41), strayCuts},
                                {Rule(fineGrained).requiring({"thub_pat_"}), atLeast(60), strayCuts}});
}

std::shared_ptr<const TolerantTwin> stripeKey()
{
    const std::string mode = "(?:[lLI1|!]{1,2}[iIl1|!]v[e3]|[tTlI1|][e3][sS5\\$]t)";
    const std::string pattern = "(?<![A-Z0-9_])[srpSRP5][kK][_ ]?" + mode + "[_ ]?" + spaced(tokenSet);
    return twin("stripeKey", {{Rule(pattern).requiring({"k", "K"}), atLeast(26), strayCuts}});
}

std::shared_ptr<const TolerantTwin> apiKey()
{
    const std::string pattern = "(?<![A-Za-z0-9_-])[s5]k ?- ?(?:ant ?- ?)?" + tokenDashSet + "+(?:(?: - | -|- | )" +
                                tokenDashSet + "+){0,2}";
    // With two stray separators, the pieces after them must look machine-made.
    const auto accepts = [](std::string_view candidate) {
        // Every dash with a stray space on either side (or both) becomes a bare dash.
        std::string joined;
        for (std::size_t at = 0; at < candidate.size();) {
            const std::string_view rest = candidate.substr(at);
            const bool spacedBoth = rest.starts_with(" - ");
            const bool spacedOne = rest.starts_with(" -") || rest.starts_with("- ");
            const std::size_t dashed = spacedBoth ? 3 : spacedOne ? 2 : 0;
            joined += dashed > 0 ? '-' : candidate[at];
            at += std::max<std::size_t>(dashed, 1);
        }
        const auto spaces = std::count(joined.begin(), joined.end(), ' ');
        return atLeast(23)(candidate) && (spaces <= 1 || piecesLookMachineMade(joined));
    };
    return twin("apiKey", {{Rule(pattern).requiring({"k"}), accepts}});
}

std::shared_ptr<const TolerantTwin> slackToken()
{
    const std::string pattern =
        "(?<![A-Z0-9-])[xX]" + O + "[xX] ?[baprsBAPRS] ?- ?" + tokenSet + "+(?:(?: ?- ?| )" + tokenSet + "+){0,6}";
    return twin("slackToken", {{Rule(pattern).requiring({"x", "X"}), atLeast(15)}});
}

std::shared_ptr<const TolerantTwin> googleAPIKey()
{
    // "AIza" may be read with a space in it or after it ("Al za", "AIza 1FQv").
    const std::string pattern = "(?<![A-Z0-9_-])A ?" + I + " ?[zZ2]a ?" + spacedUpTo(tokenDashSet, 2);
    return twin("googleAPIKey", {{Rule(pattern).requiring({"a"}), spacesMayBeLost(lengthBetween(38, 40)), strayCuts}});
}

std::shared_ptr<const TolerantTwin> authHeader()
{
    const std::string credential = R"([\p{L}0-9+/=._\-|!\$@£¢€¥§])";
    const std::string pattern = R"((?<![A-Za-z])(?:[b8][e3c][a@]r[e3c]r|[b8][a@][s5\$][i1l|]c)\s+()" +
                                spacedUpTo(credential, 2) + ")";
    // A credential of any length: a piece after a stray space must look machine-made, so the
    // words after the header stay out.
    const auto accepts = [](std::string_view candidate) {
        return atLeast(16)(candidate) && piecesLookMachineMade(candidate);
    };
    return twin("authHeader", {{Rule(pattern, caseInsensitive, 1).requiring({"r", "c"}), accepts, strayCuts}});
}

std::shared_ptr<const TolerantTwin> hashBlob()
{
    const std::string run = "(?<![\\p{L}0-9])" + spaced(hexSet) + "(?![\\p{L}0-9])";
    const std::string afterKeyword =
        R"re((?:ntlm|nthash|nt hash|hash)["'“”‘’]?\s*[:=;]?\s*()re" + spaced(hexSet) + ")";
    const std::string colon = "(?: ?[:;] ?)";
    const std::string dumpLine = "(?<![\\p{L}0-9])[A-Za-z0-9._$\\\\-]+" + colon + digitSet + "+" + colon + "(" + hexSet +
                                 "+)" + colon + "(" + hexSet + "+)(?: ?[:;]){0,3}";
    return twin("hashBlob", {
                                {Rule(dumpLine).requiring({":", ";"}), isMisreadDumpLine},
                                {Rule(run), [](std::string_view candidate) { return isHexDigest(candidate, {32, 64}); }, strayCuts},
                                {Rule(afterKeyword, caseInsensitive, 1).requiring({"ntlm", "hash"}),
                                 [](std::string_view candidate) { return isHexDigest(candidate, {40}); }, strayCuts},
                            });
}

std::shared_ptr<const TolerantTwin> windowsSID()
{
    const std::string dash = R"((?: ?[-–—.,_] ?))";
    // The revision "1" may be read as another digit ("S-4-5-21-…"): the rest is distinctive.
    const std::string pattern = "(?<![\\p{L}0-9])" + S + dash + "?[0-9Il|!]" + dash + "[5S\\$]" + dash + "[2Z]" + I +
                                "(?:" + dash + "|\\s)" + digitSet + "+(?:" + dash + digitSet + "+){2,4}";
    return twin("windowsSID", {{Rule(pattern).requiring({"1", "l", "I", "|", "!"}), atLeast(16)}});
}

std::shared_ptr<const TolerantTwin> passwordInContext()
{
    return twin("passwordInContext",
                {{Rule(R"re((?<![A-Za-z])p[a@4][s5\$]{2}\s*[:;=]\s*(\S+(?: \S+)?))re", caseInsensitive, 1).requiring({"p"}), {}},
                 // The whole word needs no boundary before it: "DBPASSWORD=" lost its "_"; its
                 // "=" may be read as "@".
                 {Rule(R"re(p[a@4][s5\$]{2}(?:w[o0]rd|wd)\s*[:;=@]\s*(\S+(?: \S+)?))re", caseInsensitive, 1).requiring({"p"}), {}},
                 // The separator read as a space ("password hxWhUaCZYvw7h") or lost between a
                 // key in capitals and its value ("DB_PASSWORDxvbbhkxkZKYF2xF"): only a value
                 // that looks made up, never the next word of a sentence.
                 {Rule(R"re((?<![A-Za-z])p[a@4][s5\$]{2}(?:w[o0]rd|wd) +(\S+))re", caseInsensitive, 1).requiring({"p", "P"}),
                  looksLikePassword, ""},
                 {Rule(R"re(P[A@4][S5\$]{2}(?:W[O0]RD|WD)([a-z0-9]\S+))re", noOptions, 1).requiring({"P"}), looksLikePassword, ""},
                 // The "=" read as "-" ("DB_PASSWORD-y6zZAVFH]Cx-P*"), never "password-reset".
                 {Rule(R"re(p[a@4][s5\$]{2}(?:w[o0]rd|wd)-(\S+))re", caseInsensitive, 1).requiring({"-"}), looksLikePassword, ""}});
}

std::shared_ptr<const TolerantTwin> connectionString()
{
    const std::string scheme =
        R"((?:m[o0]ng[o0]db(?:\+srv)?|p[o0][s5]tgre[s5](?:q[lI1|])?|[mn]y[s5]q[lI1|]|red[i1l|]s|am[qg]ps?))";
    // Spaces may stray around the separators and into the password and the path; the colon
    // after the scheme may be lost.
    const std::string pattern =
        scheme + R"re( ?[:;]? ?/ ?/? ?[^\s@/][^\s@]*(?: [^\s@]+){0,2} ?[@©®] ?\S+(?: \S+)?)re";
    // Any scheme with a user and a password before the host: a misread scheme ("anqp://",
    // "amaqp://") still carries the credentials.
    const std::string withCredentials =
        R"re((?<![\p{L}0-9])[a-z][a-z0-9+.-]{1,15} ?: ?/ ?/ ?[^\s:@/]+:[^\s@/]+ ?@ ?\S+)re";
    return twin("connectionString", {{Rule(pattern, caseInsensitive).requiring({"/"}), {}},
                                     {Rule(withCredentials, caseInsensitive).requiring({"@"}), {}}});
}

// ---- identifiers ----

std::shared_ptr<const TolerantTwin> ipv4()
{
    // "," may stand for "."; after a comma and a space only a part of two digits or more not
    // starting with 0 follows, unlike in a list of decimals ("load average: 1.25, 0.98").
    const std::string part = digitSet + "{1,4}";
    const std::string pattern =
        "(?<![\\p{L}0-9.,])" + part + "(?:(?:\\. ?|,|, (?=[1-9][0-9]))" + part + "){3}(?![\\p{L}0-9]|[.,][0-9])";
    return twin("ipv4", {{Rule(pattern).requiringRun("0123456789", 1), isMisreadIPv4}});
}

// A name the exact rule misses because the recogniser read a rule or an underline before it
// as "_" or a dash ("—_ci-23.corp.example.net").
std::shared_ptr<const TolerantTwin> hostname()
{
    const std::string label = R"re((?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\.)+[A-Za-z]{2,})re";
    const std::string pattern = R"re((?:(?<=^_)|(?<=[^A-Za-z_]_)|(?<=[—–])))re" + label + R"re((?![\w.-]))re";
    // ... or followed by one before a time or a number ("…contoso-labs.internal_14:09:24").
    const std::string before = R"re((?<![\w.-]))re" + label + R"re((?=_(?:[^A-Za-z]|$)))re";
    // Three labels or more whose last one has a look-alike digit in it ("corp.example.1an").
    const std::string misreadTopLevel =
        R"re((?<![\w.-])(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\.){2,}(?=[A-Za-z0-9]*[A-Za-z])[A-Za-z]*[01|][A-Za-z0-9]*(?![\w.-]))re";
    return twin("hostname", {{Rule(pattern).requiring({"."}), DetectionValidators::isHostName},
                             {Rule(before).requiring({"_"}), DetectionValidators::isHostName},
                             {Rule(misreadTopLevel).requiring({"."}), [](std::string_view candidate) {
                                  const auto dot = candidate.rfind('.');
                                  const std::string topLevel = LookAlikes::folded(candidate.substr(dot + 1));
                                  return topLevel.size() >= 2 && topLevel.size() <= 6 &&
                                         DetectionValidators::isHostName(candidate);
                              }}});
}

// A path the exact rule misses because the recogniser glued a rule or a prompt to it
// ("Zz:_\\NAS-02\share").
/// The file extensions a path may end with, as one alternation (longest first).
std::string knownExtensions()
{
    std::vector<std::string> extensions(NetworkDetectors::fileExtensions().begin(),
                                        NetworkDetectors::fileExtensions().end());
    std::sort(extensions.begin(), extensions.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    std::string alternation = "(?:";
    for (const std::string& extension : extensions) {
        alternation += (alternation.size() > 3 ? "|" : "") + extension;
    }
    return alternation + ")";
}

std::shared_ptr<const TolerantTwin> uncPath()
{
    // A folder may hold a stray space ("\ex ports\"): a backslash after it shows the path goes on.
    const std::string folder = R"re([^\s\\]+(?: [^\s\\]+(?=\\))?)re";
    // The dot before a file's extension may be read as a space ("scan-0042 pdf"): only a known
    // extension is taken, never the next word of a sentence ("\\srv\q4 for").
    const std::string pattern = R"re((?<![A-Za-z0-9\\])\\\\[A-Za-z0-9._$-]+\\)re" + folder + R"re((?:\\)re" + folder +
                                ")*(?: " + knownExtensions() + R"re((?![\p{L}0-9]))?)re";
    // One of the two leading backslashes lost where the path is glued to the word before it
    // ("ison\SRV-BACKUP\hr\payroll\scan.pdf"): a share and two folders or more after the host,
    // after a word of small letters only (never a folder of a drive path).
    const std::string glued = R"re((?<=(?:^|\s)\p{Ll}{1,40})\\[A-Za-z0-9._$-]+\\[^\s\\]+(?:\\[^\s\\]+){2,})re";
    // Never cut: the extension after a lost dot reads as an ordinary word.
    return twin("uncPath", {{Rule(pattern).requiring({"\\\\"}), {}, ""},
                            {Rule(glued).requiring({"\\"}), {}}});
}

// An address the exact rule misses because a rule or an underline before it was read as "_"
// or a dash.
std::shared_ptr<const TolerantTwin> ipv6()
{
    const std::string pattern =
        R"re((?:(?<=^_)|(?<=[^A-Za-z0-9]_)|(?<=[—–«])|(?<=\s:)|(?<=^:))[0-9A-Fa-f:]{2,45}(?:\.\d{1,3}){0,3}(?![.\p{L}0-9:]))re";
    // Look-alikes in the groups ("faGe::e0d9", "feB0::"): one "::" or all eight groups.
    const std::string misread = "(?<![.\\p{L}0-9:])" + hexSet + "{1,4}(?::{1,2}" + hexSet + "{0,4}){2,8}(?![.\\p{L}0-9:])";
    // The "::" read as a space or as ":".
    const std::string groups = hexSet + "{1,4}(?::" + hexSet + "{1,4}){0,6}";
    const std::string lostDoubleColon = "(?<![.\\p{L}0-9:])" + groups + ":? " + groups + "(?![.\\p{L}0-9:])";
    const std::string singleColons =
        "(?<![.\\p{L}0-9:])" + hexSet + "{1,4}(?::" + hexSet + "{1,4}){4,6}(?![.\\p{L}0-9:])";
    return twin("ipv6", {{Rule(pattern).requiring({":"}), DetectionValidators::isValidIPv6},
                         {Rule(misread).requiring({"::"}), isMisreadIPv6},
                         {Rule(lostDoubleColon).requiring({":"}), isIPv6WithLostDoubleColon, ""},
                         {Rule(singleColons).requiring({":"}), isIPv6WithOneColonLost, ""}});
}

std::shared_ptr<const TolerantTwin> macAddress()
{
    // A character may be inserted or dropped: groups of one to three digits, twelve in all
    // give or take one.
    const std::string group = hexSet + "{1,3}";
    const std::string pattern = "(?<![\\p{L}0-9:-])" + group + "(?: ?[:.\\-–;,] ?" + group + "){5}(?![\\p{L}0-9]|:|[.\\-][0-9A-Fa-f])";
    return twin("macAddress", {{Rule(pattern), isMisreadMAC}});
}

std::shared_ptr<const TolerantTwin> uuid()
{
    const std::string pattern =
        "(?<![\\p{L}0-9-])" + hexSet + "{4,13}(?:(?: ?[-–—.] ?| )" + hexSet + "{1,13}){2,6}(?![\\p{L}0-9-])";
    return twin("uuid", {{Rule(pattern), isMisreadUUID}});
}

std::shared_ptr<const TolerantTwin> sensitiveURLParam()
{
    const std::string names = "(?:t" + O + "ken|api_?key|key|se" + S + S + "i" + O + "n|" + S + "id|auth|pa" + S + S +
                              "w" + O + "rd|" + S + "ecret)";
    // The "?" may be read as a space.
    // An "&" not followed by a parameter name and "=" is an "8" read as "&".
    const std::string value = R"re([^&\s#"']+(?:&(?![A-Za-z0-9_.\-]*=)[^&\s#"']+)*)re";
    const std::string pattern = "[?&\\s]" + names + " ?= ?(" + value + "(?: " + value + ")?)";
    return twin("sensitiveURLParam", {{Rule(pattern, caseInsensitive, 1).requiring({"="}), {}}});
}

std::shared_ptr<const TolerantTwin> iban()
{
    // Also where the spaces around it were lost ("wire it toNL80…beforeFriday"): the check
    // digits decide.
    const std::string account = R"([A-Z0-9|!\$@é)\]])";
    const std::string pattern =
        "(?<![A-Z0-9])[A-Z£€\\$0-9][A-Z£€\\$]" + digitSet + "{2}(?: ?" + account + "){11,34}(?![A-Z0-9])";
    const std::string digitFirst = "(?<![A-Z0-9])[0-9][0-9£€\\$]" + digitSet + "{2}(?: ?" + account + "){11,34}(?![A-Z0-9])";
    return twin("iban", {{Rule(pattern), isMisreadIBAN}, {Rule(digitFirst), isMisreadIBAN}});
}

std::shared_ptr<const TolerantTwin> creditCard()
{
    const std::string pattern = "(?<![\\p{N}.])" + digitSet + "(?:[ -]?" + digitSet + "){12,18}(?!\\p{N})";
    return twin("creditCard", {{Rule(pattern), isMisreadCard}});
}

std::shared_ptr<const TolerantTwin> phoneE164()
{
    // A "+" with a look-alike or a stray space in the number, or a "+" read as "7", "4", "t" or "#"
    // before a number too long to be a count.
    const std::string withPlus = "(?<![\\p{L}0-9+])\\+ ?" + digitSet + "+(?: [0-9]+)?(?![\\p{L}0-9])";
    const std::string misreadPlus = "(?<![\\p{L}0-9+.,:/-])[74t‡÷#][0-9]{10,15}(?![\\p{L}0-9.,:])";
    // Glued to the word before it where the recogniser lost the space ("cloudor+16975550176"):
    // a whole number too long for anything but a phone.
    const std::string glued = "(?<=\\p{Ll})\\+[0-9]{10,15}(?![\\p{L}0-9])";
    return twin("phoneE164", {{Rule(withPlus).requiring({"+"}), isMisreadPhone},
                              {Rule(misreadPlus).requiringRun("0123456789", 10), {}},
                              {Rule(glued).requiringRun("0123456789", 10), {}}});
}

// ---- contextual ----

std::shared_ptr<const TolerantTwin> macHomePath()
{
    const std::string pattern = "(?<![\\p{L}0-9])/U[s5\\$][eé]r[s5\\$]/([^/\\s]+)";
    return twin("macHomePath", {{Rule(pattern, noOptions, 1).requiring({"/U"}),
                                 notFolding(sharedHomeNames(DetectionCategory::macHomePath))}});
}

std::shared_ptr<const TolerantTwin> windowsProfilePath()
{
    const std::string slash = R"((?: ?[\\|/] ?))";
    const std::string pattern = "(?<![0-9])[A-Za-z]{1,2} ?[:;]" + slash + "[Uu][s5\\$][eé]r'?[s5\\$]" + slash +
                                R"(([^\\|/\s]+(?: [^\\|/\s]+(?=[\\|/]))?))";
    return twin("windowsProfilePath",
                {{Rule(pattern, noOptions, 1).requiring({"U", "u"}),
                  notFolding(sharedHomeNames(DetectionCategory::windowsProfilePath))}});
}

} // namespace

const std::vector<std::string_view>& sharedHomeNames(DetectionCategory category)
{
    static const std::vector<std::string_view> mac{DetectionValidators::sharedMacHome};
    static const std::vector<std::string_view> windows = [] {
        std::vector<std::string_view> names(DetectionValidators::sharedWindowsProfiles.begin(),
                                            DetectionValidators::sharedWindowsProfiles.end());
        names.push_back("All");
        return names;
    }();
    static const std::vector<std::string_view> none;
    return category == DetectionCategory::windowsProfilePath ? windows
           : category == DetectionCategory::macHomePath      ? mac
                                                             : none;
}

const std::vector<std::shared_ptr<const TolerantTwin>>& all()
{
    static const std::vector<std::shared_ptr<const TolerantTwin>> twins{
        jwt(),         awsAccessKey(), awsSecretKey(), githubToken(),       stripeKey(),  apiKey(),
        slackToken(),  googleAPIKey(), authHeader(),   hashBlob(),          windowsSID(), passwordInContext(),
        connectionString(), ipv4(),    ipv6(),         hostname(),     macAddress(),   uncPath(),   uuid(),              sensitiveURLParam(), iban(),
        creditCard(),  phoneE164(),    macHomePath(),  windowsProfilePath(),
    };
    return twins;
}

std::shared_ptr<const TolerantTwin> twinOf(std::string_view detectorID)
{
    for (const auto& twin : all()) {
        if (twin->detectorID() == detectorID) {
            return twin;
        }
    }
    return nullptr;
}

} // namespace tarnveil::TolerantDetectors
