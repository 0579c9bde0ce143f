#include "detection/DetectionCategory.h"

namespace tarnveil {

namespace {

struct CategoryInfo {
    std::string_view identifier;
    std::string_view displayName;
    std::string_view labelPrefix;
};

constexpr std::array<CategoryInfo, detectionCategoryCount> categoryTable{{
    {"privateKey", "Private key block", "KEY"},
    {"jwt", "JWT", "JWT"},
    {"awsAccessKey", "AWS access key", "AWSKEY"},
    {"awsSecretKey", "AWS secret key", "AWSSECRET"},
    {"githubToken", "GitHub token", "GHTOKEN"},
    {"stripeKey", "Stripe key", "STRIPE"},
    {"apiKey", "API key", "APIKEY"},
    {"slackToken", "Slack token", "SLACK"},
    {"googleAPIKey", "Google API key", "GKEY"},
    {"authHeader", "Auth header", "AUTH"},
    {"hashBlob", "Hash / NTLM", "HASH"},
    {"windowsSID", "Windows SID", "SID"},
    {"passwordInContext", "Password", "PW"},
    {"connectionString", "Connection string", "CONN"},
    {"ipv4", "IPv4 address", "IP"},
    {"ipv6", "IPv6 address", "IP6"},
    {"macAddress", "MAC address", "MAC"},
    {"hostname", "Hostname / FQDN", "HOST"},
    {"email", "Email address", "EMAIL"},
    {"uncPath", "UNC path", "UNC"},
    {"sensitiveURLParam", "Sensitive URL parameter", "PARAM"},
    {"uuid", "UUID", "UUID"},
    {"iban", "IBAN", "IBAN"},
    {"creditCard", "Credit card", "CARD"},
    {"phoneE164", "Phone number", "PHONE"},
    {"macHomePath", "macOS home path (username)", "USER"},
    {"windowsProfilePath", "Windows profile path (username)", "USER"},
}};

const CategoryInfo& info(DetectionCategory category)
{
    return categoryTable[static_cast<std::size_t>(category)];
}

} // namespace

const std::array<DetectionCategory, detectionCategoryCount>& allDetectionCategories()
{
    static const auto all = [] {
        std::array<DetectionCategory, detectionCategoryCount> members{};
        for (std::size_t i = 0; i < detectionCategoryCount; ++i) {
            members[i] = static_cast<DetectionCategory>(i);
        }
        return members;
    }();
    return all;
}

std::string_view identifier(DetectionCategory category) { return info(category).identifier; }

std::optional<DetectionCategory> detectionCategoryFromIdentifier(std::string_view text)
{
    for (std::size_t i = 0; i < detectionCategoryCount; ++i) {
        if (categoryTable[i].identifier == text) {
            return static_cast<DetectionCategory>(i);
        }
    }
    return std::nullopt;
}

std::string_view displayName(DetectionCategory category) { return info(category).displayName; }

std::string_view labelPrefix(DetectionCategory category) { return info(category).labelPrefix; }

} // namespace tarnveil
