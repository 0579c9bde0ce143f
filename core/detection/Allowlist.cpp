#include "detection/Allowlist.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>

#include "detection/DetectionValidators.h"
#include "detection/LineText.h"
#include "detection/MatcherPool.h"
#include "detection/UnicodeText.h"

namespace tarnveil {

namespace {

struct Network {
    std::string_view address;
    int prefix;
};

// Documentation and loopback ranges, and the unspecified address alone.
constexpr std::array<Network, 5> alwaysSuppressedRanges{{
    {"192.0.2.0", 24},
    {"198.51.100.0", 24},
    {"203.0.113.0", 24},
    {"127.0.0.0", 8},
    {"0.0.0.0", 32},
}};

constexpr std::array<Network, 3> privateRanges{{
    {"10.0.0.0", 8},
    {"172.16.0.0", 12},
    {"192.168.0.0", 16},
}};

// Reserved names (RFC 2606, RFC 6761), matched whole, and their suffix forms.
constexpr std::array<std::string_view, 6> exactDomains{"example.com", "example.org", "example.net",
                                                        "localhost",   "test",        "invalid"};
constexpr std::array<std::string_view, 5> domainSuffixes{".example.com", ".example.org", ".example.net", ".test",
                                                          ".invalid"};

// Searched in the text before an IPv4 finding, and after it.
constexpr std::string_view versionPrefixPattern = R"re((?i)(?:^|[^A-Za-z0-9])(?:v|version)\s*$)re";
constexpr std::string_view preReleaseSuffixPattern = R"re((?i)^-(?:rc|beta|alpha))re";

// The version prefix can only match within this many characters before trailing white space.
constexpr int versionWordReach = 9;
// The pre-release suffix can only match within this many bytes after the finding.
constexpr std::size_t preReleaseReach = 32;

MatcherPool& versionPrefixMatchers()
{
    static MatcherPool pool(versionPrefixPattern, RegexOptions::none);
    return pool;
}

MatcherPool& preReleaseSuffixMatchers()
{
    static MatcherPool pool(preReleaseSuffixPattern, RegexOptions::none);
    return pool;
}

bool inAnyRange(std::string_view address, const auto& ranges)
{
    return std::any_of(ranges.begin(), ranges.end(), [&](const Network& network) {
        return DetectionValidators::ipv4(address, network.address, network.prefix);
    });
}

bool isReservedDomain(const std::string& domain)
{
    if (std::find(exactDomains.begin(), exactDomains.end(), domain) != exactDomains.end()) {
        return true;
    }
    return std::any_of(domainSuffixes.begin(), domainSuffixes.end(),
                       [&](std::string_view suffix) { return domain.ends_with(suffix); });
}

bool isDocumentationIPv6(const std::string& lower)
{
    return lower == "::1" || lower == "::" || lower.starts_with("2001:db8:") || lower.starts_with("2001:0db8:");
}

bool isSpaceForPattern(UChar32 c)
{
    // A superset of what "\s" can match, so that the cut below never splits a match.
    return u_hasBinaryProperty(c, UCHAR_WHITE_SPACE) || u_charType(c) == U_SPACE_SEPARATOR ||
           u_charType(c) == U_LINE_SEPARATOR || u_charType(c) == U_PARAGRAPH_SEPARATOR;
}

/// The start of the last `count` code points before `end` of `text`.
std::size_t codePointsBack(std::string_view text, std::size_t end, int count)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    auto i = static_cast<int32_t>(end);
    for (int n = 0; n < count && i > 0; ++n) {
        UChar32 c = 0;
        U8_PREV_OR_FFFD(bytes, 0, i, c);
    }
    return static_cast<std::size_t>(i);
}

/// Whether the text before a finding ends in "v" or "version" (then optional white space).
/// Only the tail that can take part in a match is searched, so the cost does not grow with
/// the length of the line; a cut tail starts with a letter so that "^" cannot match there.
bool endsWithVersionWord(std::string_view before)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(before.data());
    auto contentEnd = static_cast<int32_t>(before.size());
    while (contentEnd > 0) {
        int32_t i = contentEnd;
        UChar32 c = 0;
        U8_PREV_OR_FFFD(bytes, 0, i, c);
        if (!isSpaceForPattern(c)) {
            break;
        }
        contentEnd = i;
    }
    const std::size_t from = codePointsBack(before, static_cast<std::size_t>(contentEnd), versionWordReach);
    if (from == 0) {
        return versionPrefixMatchers().finds(before);
    }
    std::string tail = "a";
    tail.append(before.substr(from));
    return versionPrefixMatchers().finds(tail);
}

bool startsWithPreRelease(std::string_view after)
{
    return preReleaseSuffixMatchers().finds(after.substr(0, preReleaseReach));
}

} // namespace

Allowlist::Allowlist(const std::set<std::string>& userValues, bool suppressRFC1918) : suppressRFC1918_(suppressRFC1918)
{
    for (const auto& value : userValues) {
        userValues_.insert(UnicodeText::toLower(value));
    }
}

const Allowlist& Allowlist::defaultAllowlist()
{
    static const Allowlist shared;
    return shared;
}

bool Allowlist::isSuppressed(const Detection& detection, std::string_view line) const
{
    if (!userValues_.empty() && userValues_.contains(UnicodeText::toLower(detection.value))) {
        return true;
    }
    switch (detection.category) {
    case DetectionCategory::ipv4:
        return isSuppressedIPv4(detection, line);
    case DetectionCategory::ipv6:
        return isDocumentationIPv6(UnicodeText::toLower(detection.value));
    case DetectionCategory::hostname:
        return isReservedDomain(UnicodeText::toLower(detection.value));
    case DetectionCategory::email:
        return isReservedDomain(UnicodeText::toLower(UnicodeText::lastPiece(detection.value, '@')));
    default:
        return false;
    }
}

bool Allowlist::isSuppressedIPv4(const Detection& detection, std::string_view line) const
{
    if (inAnyRange(detection.value, alwaysSuppressedRanges)) {
        return true;
    }
    if (suppressRFC1918_ && inAnyRange(detection.value, privateRanges)) {
        return true;
    }
    const auto start = std::min(detection.range.start, line.size());
    const auto end = std::clamp(detection.range.end, start, line.size());
    return endsWithVersionWord(line.substr(0, start)) || startsWithPreRelease(line.substr(end));
}

} // namespace tarnveil
