#include "window/RegionGroups.h"

#include <algorithm>

namespace tarnveil::RegionGroups {

namespace {

int rank(const RegionGroup& group)
{
    return static_cast<int>(group.topSeverity.value_or(Severity::contextual));
}

QString titleOf(std::optional<DetectionCategory> category, const QString& manualTitle)
{
    if (!category) {
        return manualTitle;
    }
    const std::string_view name = displayName(*category);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

std::vector<RegionGroup> make(const std::vector<RedactionRegion>& regions, const QString& manualTitle)
{
    std::vector<RegionGroup> groups;
    for (std::size_t position = 0; position < regions.size(); ++position) {
        const RedactionRegion& region = regions[position];
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const RegionGroup& candidate) { return candidate.category == region.category; });
        if (group == groups.end()) {
            groups.push_back(RegionGroup{region.category, titleOf(region.category, manualTitle), {}, std::nullopt});
            group = std::prev(groups.end());
        }
        group->members.push_back(position);
        if (region.severity && (!group->topSeverity || *region.severity > *group->topSeverity)) {
            group->topSeverity = region.severity;
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [](const RegionGroup& a, const RegionGroup& b) {
        if (rank(a) != rank(b)) {
            return rank(a) > rank(b);
        }
        return a.title < b.title;
    });
    return groups;
}

} // namespace tarnveil::RegionGroups
