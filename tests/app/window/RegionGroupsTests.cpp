// Grouping and ordering of the region list, on plain region lists.

#include <gtest/gtest.h>

#include <vector>

#include "window/RegionGroups.h"

namespace tarnveil::test {
namespace {

struct Entry {
    std::optional<DetectionCategory> category;
    std::optional<Severity> severity;
};

struct GroupingCase {
    const char* name;
    std::vector<Entry> regions;
    /// Titles of the groups, in order, each with the list positions of its members.
    std::vector<std::pair<QString, std::vector<std::size_t>>> expected;
};

RedactionRegion regionOf(const Entry& entry)
{
    return RedactionRegion(RegionID::generate(), Rect{0, 0, 10, 10}, RedactionStyle::defaultStyle, std::nullopt,
                           entry.category, entry.severity, entry.category ? std::optional<std::string>("v") : std::nullopt);
}

const QString manual = QStringLiteral("Manual / chrome");

class RegionListGrouping : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(RegionListGrouping, GroupsByCategoryAndOrdersBySeverityThenTitle)
{
    const GroupingCase& testCase = GetParam();
    std::vector<RedactionRegion> regions;
    for (const Entry& entry : testCase.regions) {
        regions.push_back(regionOf(entry));
    }
    const std::vector<RegionGroup> groups = RegionGroups::make(regions, manual);

    ASSERT_EQ(groups.size(), testCase.expected.size());
    for (std::size_t index = 0; index < groups.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(groups[index].title, testCase.expected[index].first);
        EXPECT_EQ(groups[index].members, testCase.expected[index].second);
    }
}

constexpr auto secret = Severity::secret;
constexpr auto identifierLevel = Severity::identifier;
constexpr auto contextual = Severity::contextual;
constexpr std::optional<DetectionCategory> none = std::nullopt;
constexpr std::optional<Severity> noSeverity = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    RegionList, RegionListGrouping,
    ::testing::Values(
        GroupingCase{"SecretThenIdentifierThenManual",
                     {{DetectionCategory::email, identifierLevel},
                      {none, noSeverity},
                      {DetectionCategory::privateKey, secret},
                      {none, noSeverity}},
                     {{"Private key block", {2}}, {"Email address", {0}}, {manual, {1, 3}}}},
        GroupingCase{"EqualSeveritiesByTitle",
                     {{DetectionCategory::ipv4, identifierLevel}, {DetectionCategory::email, identifierLevel}},
                     {{"Email address", {1}}, {"IPv4 address", {0}}}},
        GroupingCase{"MembersKeepListOrder",
                     {{DetectionCategory::email, identifierLevel},
                      {DetectionCategory::jwt, secret},
                      {DetectionCategory::email, identifierLevel},
                      {DetectionCategory::email, identifierLevel}},
                     {{"JWT", {1}}, {"Email address", {0, 2, 3}}}},
        GroupingCase{"ManualCountsAsContextual",
                     {{none, noSeverity}, {DetectionCategory::macHomePath, contextual}, {DetectionCategory::uuid, identifierLevel}},
                     {{"UUID", {2}}, {manual, {0}}, {"macOS home path (username)", {1}}}},
        GroupingCase{"TopSeverityIsTheHighestMember",
                     {{DetectionCategory::hostname, contextual},
                      {DetectionCategory::apiKey, identifierLevel},
                      {DetectionCategory::hostname, secret}},
                     {{"Hostname / FQDN", {0, 2}}, {"API key", {1}}}},
        GroupingCase{"CategoryWithoutSeverityCountsAsContextual",
                     {{DetectionCategory::uuid, noSeverity}, {DetectionCategory::ipv6, contextual}},
                     {{"IPv6 address", {1}}, {"UUID", {0}}}},
        GroupingCase{"NoRegionsNoGroups", {}, {}}),
    [](const ::testing::TestParamInfo<GroupingCase>& info) { return std::string(info.param.name); });

TEST(RegionListGroupIdentity, IsTheCategoryIdentifierOrManual)
{
    const std::vector<RegionGroup> groups =
        RegionGroups::make({regionOf({DetectionCategory::awsAccessKey, secret}), regionOf({none, noSeverity})}, manual);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].identity(), QStringLiteral("awsAccessKey"));
    EXPECT_EQ(groups[0].topSeverity, Severity::secret);
    EXPECT_EQ(groups[1].identity(), QStringLiteral("manual"));
    EXPECT_EQ(groups[1].topSeverity, std::nullopt);
}

} // namespace
} // namespace tarnveil::test
