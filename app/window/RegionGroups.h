#pragma once

#include <vector>

#include <QString>

#include "planning/RedactionRegion.h"
#include "window/RegionGroup.h"

namespace tarnveil::RegionGroups {

/// The sections of the region list: one group per category (the regions without a category
/// form one more, titled `manualTitle`), each keeping the order of the list; groups ordered
/// by their highest severity, most severe first (a group without any severity counts as
/// contextual), and by title among equals. Titles are the categories' display names.
std::vector<RegionGroup> make(const std::vector<RedactionRegion>& regions, const QString& manualTitle);

} // namespace tarnveil::RegionGroups
