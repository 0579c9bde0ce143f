#include "ValueFactory.h"

#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "FakeNames.h"

namespace tarnveil::leakbench {

namespace {

constexpr std::string_view upperAlnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::string_view alnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view base64url = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view base64Std = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view hex = "0123456789abcdef";
constexpr std::string_view digits = "0123456789";

const std::vector<std::string> companies{"northwind-eu", "contoso-labs", "fabrikam", "tailspin-tools",
                                         "adatum",       "wingtip-toys", "litware",  "proseware"};
const std::vector<std::string> topLevel{"net", "io", "internal", "lan", "cloud", "de", "fr", "nl", "com"};

std::string base64(std::string_view bytes, std::string_view alphabet, bool pad)
{
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
        out += {alphabet[(v >> 18) & 63], alphabet[(v >> 12) & 63], alphabet[(v >> 6) & 63], alphabet[v & 63]};
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) {
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        }
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        if (rest == 2) {
            out += alphabet[(v >> 6) & 63];
        }
        if (pad) {
            out += rest == 2 ? "=" : "==";
        }
    }
    return out;
}

// The parts in order. The elements of a braced list are evaluated left to right, so the random
// choices among them are made in a fixed order, unlike the operands of a chain of "+".
std::string cat(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const auto& part : parts) {
        text += part;
    }
    return text;
}

std::string number(Rng& rng, int length)
{
    return cat({std::to_string(rng.between(1, 9)), rng.string(digits, length - 1)});
}

std::string hostName(Rng& rng)
{
    static const std::vector<std::string> roles{"db", "web", "api", "vpn", "mail", "git", "ci", "cache", "nas", "node"};
    static const std::vector<std::string> zones{"prod", "staging", "corp", "ops", "eu-west", "backoffice"};
    char index[8];
    std::snprintf(index, sizeof index, "%02d", rng.between(1, 42));
    return cat({rng.pick(roles), "-", index, ".", rng.pick(zones), ".", rng.pick(companies), ".", rng.pick(topLevel)});
}

std::string privateKey(Rng& rng)
{
    static const std::vector<std::string> types{"RSA ", "OPENSSH ", "EC ", ""};
    const std::string type = rng.pick(types);
    std::string text = "-----BEGIN " + type + "PRIVATE KEY-----";
    const int bodyLines = rng.between(2, 4);
    for (int i = 0; i < bodyLines; ++i) {
        text += '\n';
        text += rng.string(base64Std, i + 1 < bodyLines ? 64 : rng.between(24, 60));
    }
    return text + "\n-----END " + type + "PRIVATE KEY-----";
}

std::string jwt(Rng& rng)
{
    // Short claims keep the token near 90 characters, so its line fits the widest image.
    static const std::vector<std::string> headers{"{\"alg\":\"HS256\"}", "{\"alg\":\"ES256\"}"};
    const std::string header = rng.pick(headers);
    const std::string payload =
        rng.chance(50) ? cat({"{\"sub\":\"", number(rng, 6), "\"}"}) : cat({"{\"uid\":", number(rng, 5), "}"});
    return cat(
        {base64(header, base64url, false), ".", base64(payload, base64url, false), ".", rng.string(base64url, 43)});
}

std::string awsAccessKey(Rng& rng)
{
    return cat({rng.chance(75) ? "AKIA" : "ASIA", rng.string("ABCDEFGHIJKLMNOPQRSTUVWXYZ234567", 16)});
}

std::string githubToken(Rng& rng)
{
    static const std::vector<std::string> prefixes{"ghp_", "gho_", "ghs_", "ghu_"};
    return cat({rng.pick(prefixes), rng.string(alnum, 36)});
}

std::string stripeKey(Rng& rng)
{
    static const std::vector<std::string> prefixes{"sk_live_", "rk_live_", "sk_test_"};
    return cat({rng.pick(prefixes), rng.string(alnum, rng.between(24, 32))});
}

std::string apiKey(Rng& rng)
{
    static const std::vector<std::string> prefixes{"sk-", "sk-proj-", "sk-ant-api03-"};
    return cat({rng.pick(prefixes), rng.string(alnum, rng.between(32, 44))});
}

std::string slackToken(Rng& rng)
{
    return cat({rng.chance(70) ? "xoxb-" : "xoxp-", number(rng, 11), "-", number(rng, 13), "-", rng.string(alnum, 24)});
}

std::string authHeader(std::string_view form, Rng& rng)
{
    if (form == "basic") {
        return base64(cat({FakeNames::login(rng), ":", rng.string(alnum, rng.between(10, 16))}), base64Std, true);
    }
    return rng.string(alnum, rng.between(32, 44));
}

std::string hashBlob(std::string_view form, Rng& rng)
{
    if (form == "dump") {
        return cat({FakeNames::login(rng), ":", std::to_string(rng.between(1000, 1300)),
                    ":aad3b435b51404eeaad3b435b51404ee:", rng.string(hex, 32), ":::"});
    }
    if (form == "hex40") {
        return rng.string(hex, 40);
    }
    if (form == "hex64") {
        return rng.string(hex, 64);
    }
    return rng.string(hex, 32);
}

std::string windowsSID(Rng& rng)
{
    return cat({"S-1-5-21-", number(rng, 10), "-", number(rng, 10), "-", number(rng, rng.between(9, 10)), "-",
                std::to_string(rng.chance(15) ? 500 : rng.between(1001, 1350))});
}

std::string password(Rng& rng)
{
    static constexpr std::string_view characters = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789!#%*_-+";
    return cat({rng.string(alnum, 1), rng.string(characters, rng.between(9, 15))});
}

std::string connectionString(Rng& rng)
{
    static const std::vector<std::string> schemes{"postgres", "postgresql", "mysql", "mongodb", "redis", "amqp"};
    static const std::vector<std::string> databases{"orders", "billing", "users", "events", "0"};
    const std::string scheme = rng.pick(schemes);
    const std::string user = rng.chance(30) ? "default" : FakeNames::login(rng);
    static const std::vector<int> ports{5432, 3306, 27017, 6379, 5672};
    return cat({scheme, "://", user, ":", rng.string(alnum, rng.between(10, 16)), "@", hostName(rng), ":",
                std::to_string(rng.pick(ports)), "/", rng.pick(databases)});
}

std::string ipv4(Rng& rng)
{
    static const std::vector<int> publicFirst{23, 31, 46, 51, 62, 78, 81, 85, 91, 94, 104, 145, 151, 176, 185, 212};
    const auto octet = [&] { return std::to_string(rng.between(1, 254)); };
    switch (rng.below(4)) {
    case 0: return cat({"10.", octet(), ".", octet(), ".", octet()});
    case 1: return cat({"172.", std::to_string(rng.between(16, 31)), ".", octet(), ".", octet()});
    case 2: return cat({"192.168.", octet(), ".", octet()});
    default: return cat({std::to_string(rng.pick(publicFirst)), ".", octet(), ".", octet(), ".", octet()});
    }
}

std::string hexGroup(Rng& rng)
{
    return cat({rng.string("123456789abcdef", 1), rng.string(hex, rng.between(0, 3))});
}

std::string ipv6(Rng& rng)
{
    static const std::vector<std::string> prefixes{"2a02", "2a01", "2600", "2607", "2003", "2804"};
    switch (rng.below(3)) {
    case 0: {
        std::string text = rng.pick(prefixes);
        for (int i = 0; i < 7; ++i) {
            text += ':';
            text += hexGroup(rng);
        }
        return text;
    }
    case 1: return cat({"fd", rng.string(hex, 2), ":", hexGroup(rng), ":", hexGroup(rng), "::", hexGroup(rng)});
    default: return cat({"fe80::", hexGroup(rng), ":", hexGroup(rng), ":", hexGroup(rng), ":", hexGroup(rng)});
    }
}

// Windows writes upper-case pairs joined by hyphens ("windows"); elsewhere colons are usual.
std::string macAddress(std::string_view form, Rng& rng)
{
    const bool hyphens = form == "windows" || rng.chance(25);
    std::string text;
    for (int i = 0; i < 6; ++i) {
        std::string pair = rng.string(hyphens ? "0123456789ABCDEF" : hex, 2);
        text += (i ? (hyphens ? "-" : ":") : "") + pair;
    }
    return text;
}

std::string email(Rng& rng)
{
    std::string local;
    const std::string given = FakeNames::first(rng);
    const std::string family = FakeNames::last(rng);
    switch (rng.below(3)) {
    case 0: local = given + "." + family; break;
    case 1: local = given.substr(0, 1) + family; break;
    default: local = given + "_" + family; break;
    }
    for (char& c : local) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return cat({local, "@", rng.pick(companies), ".", rng.pick(topLevel)});
}

// A file on a share, or the share itself ("share", as `net use` maps it).
std::string uncPath(std::string_view form, Rng& rng)
{
    static const std::vector<std::string> servers{"FS01", "NAS-02", "FILES-03", "SRV-BACKUP", "DC1"};
    static const std::vector<std::string> shares{"finance$", "hr", "projects", "scans", "home$"};
    static const std::vector<std::string> folders{"2024", "Q3", "payroll", "contracts", "exports"};
    static const std::vector<std::string> files{"report.xlsx", "salaries.csv", "scan-0042.pdf", "backup.zip"};
    if (form == "share") {
        return cat({"\\\\", rng.pick(servers), "\\", rng.pick(shares)});
    }
    return cat({"\\\\", rng.pick(servers), "\\", rng.pick(shares), "\\", rng.pick(folders), "\\", rng.pick(files)});
}

std::string uuid(Rng& rng)
{
    std::string text = cat({rng.string(hex, 8), "-", rng.string(hex, 4), "-4", rng.string(hex, 3), "-",
                            rng.string("89ab", 1), rng.string(hex, 3), "-", rng.string(hex, 12)});
    if (rng.chance(20)) {
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

int mod97(std::string_view numeric)
{
    int remainder = 0;
    for (const char c : numeric) {
        remainder = (remainder * 10 + (c - '0')) % 97;
    }
    return remainder;
}

std::string iban(Rng& rng)
{
    struct Format {
        std::string country;
        std::string letters; // leading letters of the account part (a bank code)
        int digits;
    };
    static const std::vector<Format> formats{{"DE", "", 18},     {"NL", "ABCD", 10}, {"ES", "", 20},
                                             {"GB", "ABCD", 14}, {"FR", "", 23},     {"AT", "", 16}};
    const Format& format = rng.pick(formats);
    std::string bban;
    for (std::size_t i = 0; i < format.letters.size(); ++i) {
        bban += rng.character("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    }
    bban += rng.string(digits, format.digits);
    std::string numeric;
    for (const char c : bban + format.country + "00") {
        numeric += (c >= 'A' && c <= 'Z') ? std::to_string(c - 'A' + 10) : std::string(1, c);
    }
    char check[4];
    std::snprintf(check, sizeof check, "%02d", 98 - mod97(numeric));
    return format.country + check + bban;
}

std::string luhnNumber(std::string prefix, int length, Rng& rng)
{
    std::string number = prefix + rng.string(digits, length - 1 - static_cast<int>(prefix.size()));
    int total = 0;
    for (int i = static_cast<int>(number.size()) - 1, position = 1; i >= 0; --i, ++position) {
        int digit = number[static_cast<std::size_t>(i)] - '0';
        if (position % 2 == 1) {
            digit = digit >= 5 ? digit * 2 - 9 : digit * 2;
        }
        total += digit;
    }
    return number + std::to_string((10 - total % 10) % 10);
}

std::string creditCard(Rng& rng)
{
    const bool amex = rng.chance(20);
    const std::string prefix =
        amex ? (rng.chance(50) ? "34" : "37")
             : (rng.chance(50) ? std::string("4") : std::string("5") + std::to_string(rng.between(1, 5)));
    const std::string digitsOnly = luhnNumber(prefix, amex ? 15 : 16, rng);
    const int style = static_cast<int>(rng.below(3));
    if (style == 2) {
        return digitsOnly;
    }
    const char separator = style == 0 ? ' ' : '-';
    const std::vector<int> groups = amex ? std::vector<int>{4, 6, 5} : std::vector<int>{4, 4, 4, 4};
    std::string text;
    std::size_t from = 0;
    for (const int size : groups) {
        if (from > 0) {
            text += separator;
        }
        text += digitsOnly.substr(from, static_cast<std::size_t>(size));
        from += static_cast<std::size_t>(size);
    }
    return text;
}

std::string phone(Rng& rng)
{
    switch (rng.below(4)) {
    case 0: return cat({"+1", std::to_string(rng.between(201, 989)), "55501", rng.string(digits, 2)});
    case 1: return "+447700900" + rng.string(digits, 3);
    case 2: return "+4915" + rng.string(digits, 9);
    default: return "+336" + rng.string(digits, 8);
    }
}

} // namespace

std::string ValueFactory::make(DetectionCategory category, std::string_view form, Rng& rng)
{
    using C = DetectionCategory;
    switch (category) {
    case C::privateKey: return privateKey(rng);
    case C::jwt: return jwt(rng);
    case C::awsAccessKey: return awsAccessKey(rng);
    case C::awsSecretKey: return rng.string(base64Std, 40);
    case C::githubToken: return githubToken(rng);
    case C::stripeKey: return stripeKey(rng);
    case C::apiKey: return apiKey(rng);
    case C::slackToken: return slackToken(rng);
    case C::googleAPIKey: return "AIza" + rng.string(base64url, 35);
    case C::authHeader: return authHeader(form, rng);
    case C::hashBlob: return hashBlob(form, rng);
    case C::windowsSID: return windowsSID(rng);
    case C::passwordInContext: return password(rng);
    case C::connectionString: return connectionString(rng);
    case C::ipv4: return ipv4(rng);
    case C::ipv6: return ipv6(rng);
    case C::macAddress: return macAddress(form, rng);
    case C::hostname: return hostName(rng);
    case C::email: return email(rng);
    case C::uncPath: return uncPath(form, rng);
    case C::sensitiveURLParam: return rng.string(alnum, rng.between(20, 32));
    case C::uuid: return uuid(rng);
    case C::iban: return iban(rng);
    case C::creditCard: return creditCard(rng);
    case C::phoneE164: return phone(rng);
    case C::macHomePath:
    case C::windowsProfilePath: return FakeNames::login(rng);
    }
    return {};
}

} // namespace tarnveil::leakbench
