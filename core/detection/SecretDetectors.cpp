#include "detection/SecretDetectors.h"

namespace tarnveil::SecretDetectors {

namespace {

using Rule = RegexDetector::Rule;
constexpr auto caseInsensitive = RegexOptions::caseInsensitive;
constexpr auto noOptions = RegexOptions::none;

// Character sets of the pre-filters: a rule only runs on lines holding a long enough run.
constexpr std::string_view hexDigits = "0123456789abcdefABCDEF";
constexpr std::string_view keyCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/+";

std::shared_ptr<const RegexDetector> secret(DetectionCategory category, std::vector<Rule> rules)
{
    return std::make_shared<const RegexDetector>(std::string(identifier(category)), category, Severity::secret,
                                                 std::move(rules));
}

} // namespace

// The opening marker line of a PEM private key; the rest of the block is found across lines.
const std::shared_ptr<const RegexDetector>& privateKey()
{
    static const auto detector = secret(DetectionCategory::privateKey, {
        Rule(R"re(-----BEGIN (?:[A-Z0-9]+ )*PRIVATE KEY-----)re").requiring({"-----BEGIN "}),
    });
    return detector;
}

// Three base64url segments, the first starting with the encoded "{" of a JSON header.
const std::shared_ptr<const RegexDetector>& jwt()
{
    static const auto detector = secret(DetectionCategory::jwt, {
        Rule(R"re((?<![A-Za-z0-9_-])eyJ[A-Za-z0-9_-]{10,}\.[A-Za-z0-9_-]{10,}\.[A-Za-z0-9_-]{10,}(?![A-Za-z0-9_-]))re").requiring({"eyJ"}),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& awsAccessKey()
{
    static const auto detector = secret(DetectionCategory::awsAccessKey, {
        Rule(R"re((?<!\w)(?:AKIA|ASIA|AGPA|AIDA|AROA|ANPA|ANVA)[0-9A-Z]{16}(?!\w))re").requiring({"AKIA", "ASIA", "AGPA", "AIDA", "AROA", "ANPA", "ANVA"}),
    });
    return detector;
}

// The 40-character key after a key name, an optional quote and ":" or "=".
const std::shared_ptr<const RegexDetector>& awsSecretKey()
{
    static const auto detector = secret(DetectionCategory::awsSecretKey, {
        Rule(R"re((?:aws_secret_access_key|aws[_-]?secret|secret[_-]?access[_-]?key|secret)["']?\s*[:=]\s*["']?([A-Za-z0-9/+]{40})(?![A-Za-z0-9/+=]))re",
             caseInsensitive, 1).requiring({"secret"}).requiringRun(keyCharacters, 40),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& githubToken()
{
    static const auto detector = secret(DetectionCategory::githubToken, {
        Rule(R"re((?<![A-Za-z0-9_])(?:gh[pousr]_[A-Za-z0-9]{36}|github_pat_[A-Za-z0-9_]{60,})(?![A-Za-z0-9]))re").requiring({"gh", "github_pat_"}),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& stripeKey()
{
    static const auto detector = secret(DetectionCategory::stripeKey, {
        Rule(R"re((?<![A-Za-z0-9_])(?:sk|rk|pk)_(?:live|test)_[A-Za-z0-9]{20,}(?![A-Za-z0-9]))re").requiring({"_live_", "_test_"}),
    });
    return detector;
}

// Keys beginning "sk-", optionally followed by "ant-".
const std::shared_ptr<const RegexDetector>& apiKey()
{
    static const auto detector = secret(DetectionCategory::apiKey, {
        Rule(R"re((?<![A-Za-z0-9_-])sk-(?:ant-)?[A-Za-z0-9_-]{20,}(?![A-Za-z0-9_-]))re").requiring({"sk-"}),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& slackToken()
{
    static const auto detector = secret(DetectionCategory::slackToken, {
        Rule(R"re((?<![A-Za-z0-9-])xox[baprs]-[A-Za-z0-9-]{10,}(?![A-Za-z0-9-]))re").requiring({"xox"}),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& googleAPIKey()
{
    static const auto detector = secret(DetectionCategory::googleAPIKey, {
        Rule(R"re((?<![A-Za-z0-9_-])AIza[0-9A-Za-z_-]{35}(?![0-9A-Za-z_-]))re").requiring({"AIza"}),
    });
    return detector;
}

// The credential after "Bearer" or "Basic" (case-sensitive), at least 16 characters.
const std::shared_ptr<const RegexDetector>& authHeader()
{
    static const auto detector = secret(DetectionCategory::authHeader, {
        Rule(R"re((?<![A-Za-z])(?:Bearer|Basic)\s+([A-Za-z0-9+/=._-]{16,})(?![A-Za-z0-9+/=._-]))re", noOptions, 1).requiring({"Bearer", "Basic"}),
    });
    return detector;
}

// An account dump line, a pair of 32-hex runs, a lone 32- or 64-hex run, or 40 hex digits
// after a hash keyword. Runs inside a dump line are absorbed by the whole line.
const std::shared_ptr<const RegexDetector>& hashBlob()
{
    static const auto detector = secret(DetectionCategory::hashBlob, {
        Rule(R"re((?<![\w])[A-Za-z0-9._$\\-]+:\d+:[0-9a-fA-F]{32}:[0-9a-fA-F]{32}:::)re").requiring({":::"}).requiringRun(hexDigits, 32),
        Rule(R"re((?<![0-9a-fA-F])[0-9a-fA-F]{32}:[0-9a-fA-F]{32}(?![0-9a-fA-F]))re").requiring({":"}).requiringRun(hexDigits, 32),
        Rule(R"re((?<![0-9a-fA-F])(?:[0-9a-fA-F]{32}|[0-9a-fA-F]{64})(?![0-9a-fA-F]))re").requiringRun(hexDigits, 32),
        Rule(R"re((?:ntlm|nthash|nt hash|hash)["']?\s*[:=]?\s*([0-9a-fA-F]{40})(?![0-9a-fA-F]))re", caseInsensitive, 1).requiring({"ntlm", "hash"}).requiringRun(hexDigits, 40),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& windowsSID()
{
    static const auto detector = secret(DetectionCategory::windowsSID, {
        Rule(R"re((?<![\w-])S-1-5-21-\d+-\d+-\d+-\d+(?![\w-]))re").requiring({"S-1-5-21-"}),
    });
    return detector;
}

// The value after "password" or "pass" and ":" or "=", or after a command-line "-p".
const std::shared_ptr<const RegexDetector>& passwordInContext()
{
    static const auto detector = secret(DetectionCategory::passwordInContext, {
        Rule(R"re((?<![A-Za-z])password\s*[:=]\s*(\S+))re", caseInsensitive, 1).requiring({"password"}),
        Rule(R"re((?<![A-Za-z])pass\s*[:=]\s*(\S+))re", caseInsensitive, 1).requiring({"pass"}),
        Rule(R"re((?<![A-Za-z0-9])-p\s*(\S+))re", noOptions, 1).requiring({"-p"}),
    });
    return detector;
}

// A database or broker URL with user, password and host, up to the next white space.
const std::shared_ptr<const RegexDetector>& connectionString()
{
    static const auto detector = secret(DetectionCategory::connectionString, {
        Rule(R"re((?:mongodb|postgres(?:ql)?|mysql|redis|amqp)://[^\s:@/]*:[^\s@/]+@[^\s]+)re", caseInsensitive).requiring({"://"}),
    });
    return detector;
}

std::vector<std::shared_ptr<const Detector>> all()
{
    return {privateKey(),  jwt(),        awsAccessKey(), awsSecretKey(),      githubToken(),
            stripeKey(),   apiKey(),     slackToken(),   googleAPIKey(),      authHeader(),
            hashBlob(),    windowsSID(), passwordInContext(), connectionString()};
}

} // namespace tarnveil::SecretDetectors
