#include "detection/IdentityDetectors.h"

#include "detection/DetectionValidators.h"

namespace tarnveil::IdentityDetectors {

namespace {

using Rule = RegexDetector::Rule;
constexpr auto caseInsensitive = RegexOptions::caseInsensitive;
constexpr auto noOptions = RegexOptions::none;

std::shared_ptr<const RegexDetector> identity(DetectionCategory category, std::vector<Rule> rules)
{
    return std::make_shared<const RegexDetector>(std::string(identifier(category)), category, Severity::identifier,
                                                 std::move(rules));
}

} // namespace

const std::shared_ptr<const RegexDetector>& email()
{
    static const auto detector = identity(DetectionCategory::email, {
        Rule(R"re((?<![\w.+-])[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,}(?![\w.-]))re").requiring({"@"}),
    });
    return detector;
}

// Any version, either letter case.
const std::shared_ptr<const RegexDetector>& uuid()
{
    static const auto detector = identity(DetectionCategory::uuid, {
        Rule(R"re((?<![\w-])[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}(?![\w-]))re").requiring({"-"}).requiringRun("0123456789abcdefABCDEF-", 36),
    });
    return detector;
}

// The value of a sensitive query parameter, up to "&", "#", a quote or white space.
const std::shared_ptr<const RegexDetector>& sensitiveURLParam()
{
    static const auto detector = identity(DetectionCategory::sensitiveURLParam, {
        Rule(R"re([?&](?:token|api_key|apikey|key|session|sid|auth|password|secret)=([^&\s#"']+))re", caseInsensitive,
             1).requiring({"="}),
    });
    return detector;
}

// Written without spaces only.
const std::shared_ptr<const RegexDetector>& iban()
{
    static const auto detector = identity(DetectionCategory::iban, {
        Rule(R"re((?<![A-Za-z0-9])[A-Z]{2}\d{2}[A-Z0-9]{11,30}(?![A-Za-z0-9]))re", noOptions, 0,
             DetectionValidators::isValidIBAN).requiringRun("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 15, true),
    });
    return detector;
}

// 13 to 19 digits, each but the last optionally followed by one space or hyphen.
const std::shared_ptr<const RegexDetector>& creditCard()
{
    static const auto detector = identity(DetectionCategory::creditCard, {
        Rule(R"re((?<![\d.])(?:\d[ -]?){12,18}\d(?![\d]))re", noOptions, 0, DetectionValidators::isValidCreditCard).requiringRun("0123456789 -", 13, true),
    });
    return detector;
}

// "+" and 7 to 15 digits without separators.
const std::shared_ptr<const RegexDetector>& phoneE164()
{
    static const auto detector = identity(DetectionCategory::phoneE164, {
        Rule(R"re((?<![\w+])\+\d{7,15}(?![\d]))re").requiring({"+"}).requiringRun("0123456789", 7, true),
    });
    return detector;
}

std::vector<std::shared_ptr<const Detector>> all()
{
    return {email(), uuid(), sensitiveURLParam(), iban(), creditCard(), phoneE164()};
}

} // namespace tarnveil::IdentityDetectors
