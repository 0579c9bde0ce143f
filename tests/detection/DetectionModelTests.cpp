#include <gtest/gtest.h>

#include <string>
#include <unordered_set>

#include "detection/ContextualDetectors.h"
#include "detection/Detection.h"
#include "detection/DetectionCategory.h"
#include "detection/DetectorRegistry.h"
#include "detection/RegexDetector.h"
#include "detection/Severity.h"

using namespace tarnveil;

namespace {

struct CategoryRow {
    DetectionCategory category;
    const char* identifier;
    const char* displayName;
    const char* labelPrefix;
};

// The categories in declaration order, with the names users see and the pseudonym prefixes.
// Identifiers are stored in profiles, vocabulary snapshots and mapping files, so none may drift.
const CategoryRow categoryRows[] = {
    {DetectionCategory::privateKey, "privateKey", "Private key block", "KEY"},
    {DetectionCategory::jwt, "jwt", "JWT", "JWT"},
    {DetectionCategory::awsAccessKey, "awsAccessKey", "AWS access key", "AWSKEY"},
    {DetectionCategory::awsSecretKey, "awsSecretKey", "AWS secret key", "AWSSECRET"},
    {DetectionCategory::githubToken, "githubToken", "GitHub token", "GHTOKEN"},
    {DetectionCategory::stripeKey, "stripeKey", "Stripe key", "STRIPE"},
    {DetectionCategory::apiKey, "apiKey", "API key", "APIKEY"},
    {DetectionCategory::slackToken, "slackToken", "Slack token", "SLACK"},
    {DetectionCategory::googleAPIKey, "googleAPIKey", "Google API key", "GKEY"},
    {DetectionCategory::authHeader, "authHeader", "Auth header", "AUTH"},
    {DetectionCategory::hashBlob, "hashBlob", "Hash / NTLM", "HASH"},
    {DetectionCategory::windowsSID, "windowsSID", "Windows SID", "SID"},
    {DetectionCategory::passwordInContext, "passwordInContext", "Password", "PW"},
    {DetectionCategory::connectionString, "connectionString", "Connection string", "CONN"},
    {DetectionCategory::ipv4, "ipv4", "IPv4 address", "IP"},
    {DetectionCategory::ipv6, "ipv6", "IPv6 address", "IP6"},
    {DetectionCategory::macAddress, "macAddress", "MAC address", "MAC"},
    {DetectionCategory::hostname, "hostname", "Hostname / FQDN", "HOST"},
    {DetectionCategory::email, "email", "Email address", "EMAIL"},
    {DetectionCategory::uncPath, "uncPath", "UNC path", "UNC"},
    {DetectionCategory::sensitiveURLParam, "sensitiveURLParam", "Sensitive URL parameter", "PARAM"},
    {DetectionCategory::uuid, "uuid", "UUID", "UUID"},
    {DetectionCategory::iban, "iban", "IBAN", "IBAN"},
    {DetectionCategory::creditCard, "creditCard", "Credit card", "CARD"},
    {DetectionCategory::phoneE164, "phoneE164", "Phone number", "PHONE"},
    {DetectionCategory::macHomePath, "macHomePath", "macOS home path (username)", "USER"},
    {DetectionCategory::windowsProfilePath, "windowsProfilePath", "Windows profile path (username)", "USER"},
};

} // namespace

TEST(DetectionCategory, AllMembersInDeclarationOrderWithTheirNames)
{
    const auto& all = allDetectionCategories();
    ASSERT_EQ(all.size(), 27u);
    ASSERT_EQ(std::size(categoryRows), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto& row = categoryRows[i];
        SCOPED_TRACE(row.identifier);
        EXPECT_EQ(all[i], row.category);
        EXPECT_EQ(static_cast<std::size_t>(row.category), i);
        EXPECT_EQ(identifier(row.category), row.identifier);
        EXPECT_EQ(displayName(row.category), row.displayName);
        EXPECT_EQ(labelPrefix(row.category), row.labelPrefix);
        EXPECT_EQ(detectionCategoryFromIdentifier(row.identifier), row.category);
    }
}

TEST(DetectionCategory, BothHomePathCategoriesShareTheUserPrefixAndIPv6HasItsOwn)
{
    EXPECT_EQ(labelPrefix(DetectionCategory::macHomePath), "USER");
    EXPECT_EQ(labelPrefix(DetectionCategory::windowsProfilePath), "USER");
    EXPECT_EQ(labelPrefix(DetectionCategory::ipv4), "IP");
    EXPECT_EQ(labelPrefix(DetectionCategory::ipv6), "IP6");
}

TEST(DetectionCategory, ParsingIsExactAndCaseSensitive)
{
    EXPECT_EQ(detectionCategoryFromIdentifier("privateKey"), DetectionCategory::privateKey);
    for (const char* text : {"PrivateKey", "private_key", "privatekey", "privateKey ", " privateKey", "JWT",
                             "Private key block", "IPv4", "ipv", "", "secret"}) {
        EXPECT_EQ(detectionCategoryFromIdentifier(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(DetectionCategory, HashingDistinguishesEveryMember)
{
    std::unordered_set<DetectionCategory> categories(allDetectionCategories().begin(), allDetectionCategories().end());
    EXPECT_EQ(categories.size(), 27u);
    EXPECT_EQ(std::hash<DetectionCategory>{}(DetectionCategory::email), std::hash<std::string_view>{}("email"));
}

TEST(Severity, MembersInOrderWithNamesAndExactParsing)
{
    const auto& all = allSeverities();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], Severity::contextual);
    EXPECT_EQ(all[1], Severity::identifier);
    EXPECT_EQ(all[2], Severity::secret);

    EXPECT_EQ(identifier(Severity::contextual), "contextual");
    EXPECT_EQ(identifier(Severity::identifier), "identifier");
    EXPECT_EQ(identifier(Severity::secret), "secret");
    EXPECT_EQ(displayName(Severity::contextual), "Contextual");
    EXPECT_EQ(displayName(Severity::identifier), "Identifier");
    EXPECT_EQ(displayName(Severity::secret), "Secret");

    for (const auto severity : all) {
        EXPECT_EQ(severityFromIdentifier(identifier(severity)), severity);
    }
    for (const char* text : {"Secret", "SECRET", "secret ", "", "Identifier", "context"}) {
        EXPECT_EQ(severityFromIdentifier(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(Severity, OrderedFromContextualToSecret)
{
    EXPECT_LT(Severity::contextual, Severity::identifier);
    EXPECT_LT(Severity::identifier, Severity::secret);
    EXPECT_LT(Severity::contextual, Severity::secret);
    EXPECT_GT(Severity::secret, Severity::identifier);
    EXPECT_GE(Severity::identifier, Severity::identifier);
    EXPECT_LE(Severity::identifier, Severity::identifier);
    EXPECT_FALSE(Severity::secret < Severity::secret);
}

TEST(Detection, EqualOnlyWhenAllFiveFieldsAreEqual)
{
    const Detection base{"ipv4", DetectionCategory::ipv4, Severity::identifier, TextRange{5, 16}, "10.20.30.40"};
    EXPECT_EQ(base, base);

    auto otherID = base;
    otherID.detectorID = "ipv4b";
    auto otherCategory = base;
    otherCategory.category = DetectionCategory::ipv6;
    auto otherSeverity = base;
    otherSeverity.severity = Severity::secret;
    auto otherStart = base;
    otherStart.range.start = 4;
    auto otherEnd = base;
    otherEnd.range.end = 17;
    auto otherValue = base;
    otherValue.value = "10.20.30.41";
    for (const auto& changed : {otherID, otherCategory, otherSeverity, otherStart, otherEnd, otherValue}) {
        EXPECT_NE(changed, base);
    }
}

TEST(Detection, TwoScansOfOneLineGiveEqualDetections)
{
    const auto registry = DetectorRegistry::makeDefault();
    const std::string line = "host 10.20.30.40 mail ops@corp.io";
    const auto first = registry->detect(line);
    const auto second = registry->detect(std::string(line)); // a different buffer holding the same text
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, second);
}

TEST(Detector, EnabledByDefaultUnlessContextual)
{
    const RegexDetector contextual("c", DetectionCategory::macHomePath, Severity::contextual, "x");
    const RegexDetector identifierLevel("i", DetectionCategory::ipv4, Severity::identifier, "x");
    const RegexDetector secret("s", DetectionCategory::jwt, Severity::secret, "x");
    EXPECT_FALSE(contextual.isEnabledByDefault());
    EXPECT_TRUE(identifierLevel.isEnabledByDefault());
    EXPECT_TRUE(secret.isEnabledByDefault());

    // In the built-in catalogue exactly the two home-path detectors are off by default.
    const auto registry = DetectorRegistry::makeDefault();
    std::vector<std::string> off;
    for (const auto& detector : registry->detectors()) {
        if (!detector->isEnabledByDefault()) {
            off.push_back(detector->id());
        }
    }
    EXPECT_EQ(off, (std::vector<std::string>{"macHomePath", "windowsProfilePath"}));
}
