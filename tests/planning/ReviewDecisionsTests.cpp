#include <gtest/gtest.h>

#include <random>
#include <set>

#include "planning/ReviewDecisions.h"

using namespace tarnveil;

namespace {

/// What the planner found, without an id: each scan plans it afresh under a new id.
struct Finding {
    DetectionCategory category;
    std::string value;
    Rect rect;
    RedactionStyle style = RedactionStyle::labeled(FillColor::black);
};

RedactionRegion planned(const Finding& finding)
{
    return RedactionRegion(RegionID::generate(), finding.rect, finding.style, "[X-1]", finding.category,
                           Severity::identifier, finding.value);
}

std::vector<RedactionRegion> plan(const std::vector<Finding>& findings)
{
    std::vector<RedactionRegion> regions;
    for (const auto& finding : findings) {
        regions.push_back(planned(finding));
    }
    return regions;
}

RedactionRegion drawn(Rect rect) { return RedactionRegion(RegionID::generate(), rect, RedactionStyle::defaultStyle); }

std::vector<RegionID> idsOf(const std::vector<RedactionRegion>& regions)
{
    std::vector<RegionID> ids;
    for (const auto& region : regions) {
        ids.push_back(region.id);
    }
    return ids;
}

bool idsAreUnique(const std::vector<RedactionRegion>& regions)
{
    const auto ids = idsOf(regions);
    return std::set<RegionID>(ids.begin(), ids.end()).size() == ids.size();
}

std::vector<RedactionRegion> without(std::vector<RedactionRegion> regions, const RegionID& id)
{
    std::erase_if(regions, [&](const RedactionRegion& region) { return region.id == id; });
    return regions;
}

const Finding email{DetectionCategory::email, "a@b.io", Rect{10, 10, 50, 12}};
const Finding address{DetectionCategory::ipv4, "10.1.2.3", Rect{10, 40, 60, 12}};
const Finding host{DetectionCategory::hostname, "db.corp", Rect{10, 70, 40, 12}};

} // namespace

TEST(ReviewDecisions, FirstScanPutsDrawnRegionsFirst)
{
    ReviewDecisions decisions;
    const auto manual = drawn(Rect{0, 0, 5, 5});
    const auto planRegions = plan({email, address});
    const auto result = decisions.merge(planRegions, {manual});
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0], manual);
    EXPECT_EQ(result[1], planRegions[0]);
    EXPECT_EQ(result[2], planRegions[1]);
    EXPECT_EQ(decisions.originals, planRegions);
    EXPECT_EQ(decisions.active, (std::set<RegionID>{planRegions[0].id, planRegions[1].id}));
    EXPECT_TRUE(decisions.dismissed.empty());
}

TEST(ReviewDecisions, RescanKeepsIdsAndRestylesUntouchedRegions)
{
    ReviewDecisions decisions;
    const auto first = decisions.merge(plan({email, address}), {});
    EXPECT_EQ(decisions.merge(plan({email, address}), first), first);

    // The user moves one region, then a profile change restyles the plan.
    auto edited = first;
    edited[0].rect.x += 100;
    Finding solidEmail = email;
    Finding solidAddress = address;
    solidEmail.style = solidAddress.style = RedactionStyle::solid(FillColor::grey);
    const auto restyled = decisions.merge(plan({solidEmail, solidAddress}), edited);
    ASSERT_EQ(restyled.size(), 2u);
    EXPECT_EQ(restyled[0], edited[0]); // as the user left it, same id
    EXPECT_EQ(restyled[1].id, first[1].id);
    EXPECT_EQ(restyled[1].style, RedactionStyle::solid(FillColor::grey));
    EXPECT_EQ(decisions.originals[0].rect, email.rect); // the unmoved form
    EXPECT_EQ(decisions.originals[1].style, RedactionStyle::solid(FillColor::grey));
}

TEST(ReviewDecisions, DeletionsStickUntilUndone)
{
    ReviewDecisions decisions;
    const auto first = decisions.merge(plan({email, address}), {});
    const auto afterDelete = without(first, first[0].id);

    const auto rescanned = decisions.merge(plan({email, address}), afterDelete);
    EXPECT_EQ(rescanned, afterDelete);
    EXPECT_TRUE(decisions.dismissed.contains(first[0].id));
    EXPECT_EQ(decisions.merge(plan({email, address}), rescanned), afterDelete);

    // Undo brings the region back into the editor: it is no longer dismissed.
    auto undone = rescanned;
    undone.insert(undone.begin(), first[0]);
    const auto afterUndo = decisions.merge(plan({email, address}), undone);
    EXPECT_EQ(afterUndo, first);
    EXPECT_TRUE(decisions.dismissed.empty());
}

TEST(ReviewDecisions, DetectionsNoLongerFoundLeaveUnlessEdited)
{
    ReviewDecisions decisions;
    const auto manual = drawn(Rect{0, 0, 5, 5});
    auto current = decisions.merge(plan({email, address, host}), {manual});
    current[2].isProtected = true; // the user protected the address region

    // Both values were allowlisted: the unedited region goes, the protected one stays.
    const auto result = decisions.merge(plan({host}), current);
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0], manual);
    EXPECT_EQ(result[1], current[3]);
    EXPECT_EQ(result[2], current[2]);

    // An empty plan keeps the drawn and the edited regions only.
    EXPECT_EQ(decisions.merge({}, result), (std::vector<RedactionRegion>{manual, current[2]}));
}

TEST(ReviewDecisions, AMovedDetectionIsANewOne)
{
    ReviewDecisions decisions;
    const auto first = decisions.merge(plan({email}), {});
    Finding shifted = email;
    shifted.rect.width += 0.5;
    const auto planRegions = plan({shifted});
    const auto result = decisions.merge(planRegions, first);
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0], planRegions[0]);
    EXPECT_NE(result[0].id, first[0].id);
    EXPECT_EQ(decisions.originals.size(), 2u);
}

TEST(ReviewDecisions, IdenticalPlannedRegionsGetDistinctStableIds)
{
    ReviewDecisions decisions;
    const auto first = decisions.merge(plan({email, email, address}), {});
    ASSERT_EQ(first.size(), 3u);
    EXPECT_TRUE(idsAreUnique(first));

    // Rescans match each twin to its own original: same ids, no growth.
    const auto second = decisions.merge(plan({email, email, address}), first);
    EXPECT_EQ(second, first);
    EXPECT_EQ(decisions.originals.size(), 3u);

    // Deleting one twin deletes that one only.
    const auto afterDelete = without(first, first[1].id);
    const auto third = decisions.merge(plan({email, email, address}), afterDelete);
    EXPECT_EQ(third, afterDelete);
}

TEST(ReviewDecisions, AnEditedRegionIsNeverRepeatedForItsTwin)
{
    ReviewDecisions decisions;
    const auto first = decisions.merge(plan({email}), {});
    auto edited = first;
    edited[0].style = RedactionStyle::blur();
    // The next scan finds the value twice at the same place.
    const auto result = decisions.merge(plan({email, email}), edited);
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(result[0], edited[0]);
    EXPECT_NE(result[1].id, edited[0].id);
    EXPECT_EQ(result[1].style, email.style);
}

TEST(ReviewDecisions, APlannedIdAlreadyInUseIsReplaced)
{
    ReviewDecisions decisions;
    const auto manual = drawn(Rect{0, 0, 5, 5});
    auto planRegions = plan({email, address});
    planRegions[0].id = manual.id;
    planRegions[1].id = manual.id;
    const auto result = decisions.merge(planRegions, {manual});
    ASSERT_EQ(result.size(), 3u);
    EXPECT_TRUE(idsAreUnique(result));
    EXPECT_EQ(result[0], manual);
}

TEST(ReviewDecisions, IdsStayUniqueThroughRandomReviews)
{
    std::mt19937 random(7);
    const std::vector<Finding> findings{email, address, host};
    ReviewDecisions decisions;
    std::vector<RedactionRegion> current;
    for (int scan = 0; scan < 200; ++scan) {
        std::vector<Finding> found;
        for (int i = 0; i < 5; ++i) {
            if (random() % 2) {
                found.push_back(findings[random() % findings.size()]);
            }
        }
        current = decisions.merge(plan(found), current);
        ASSERT_TRUE(idsAreUnique(current)) << "scan " << scan;
        // The user edits, deletes or draws now and then.
        if (!current.empty() && random() % 3 == 0) {
            current.erase(current.begin() + static_cast<long>(random() % current.size()));
        }
        if (!current.empty() && random() % 3 == 0) {
            current[random() % current.size()].isProtected = true;
        }
        if (random() % 5 == 0) {
            current.push_back(drawn(Rect{0, 0, 5, 5}));
        }
    }
    std::set<RegionID> originalIDs;
    for (const auto& original : decisions.originals) {
        EXPECT_TRUE(originalIDs.insert(original.id).second);
    }
}
