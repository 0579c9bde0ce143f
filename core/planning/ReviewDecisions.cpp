#include "planning/ReviewDecisions.h"

#include <algorithm>

namespace tarnveil {

namespace {

/// Same detection: equal category, equal value (exactly) and exactly equal rectangle.
bool sameDetection(const RedactionRegion& a, const RedactionRegion& b)
{
    return a.category == b.category && a.value == b.value && a.rect == b.rect;
}

/// The first region of `current` with the id, or null.
const RedactionRegion* findByID(const std::vector<RedactionRegion>& current, const RegionID& id)
{
    const auto found =
        std::find_if(current.begin(), current.end(), [&](const RedactionRegion& region) { return region.id == id; });
    return found == current.end() ? nullptr : &*found;
}

} // namespace

std::vector<RedactionRegion> ReviewDecisions::merge(std::vector<RedactionRegion> planned,
                                                    const std::vector<RedactionRegion>& current)
{
    // Regions back in the editor (for example by undo) are no longer dismissed.
    for (const auto& region : current) {
        dismissed.erase(region.id);
    }
    // Regions handed out last time and missing now were deleted by the user.
    for (const auto& id : active) {
        if (!findByID(current, id)) {
            dismissed.insert(id);
        }
    }

    std::set<RegionID> originalIDs;
    for (const auto& original : originals) {
        originalIDs.insert(original.id);
    }
    // Ids given out by this merge (to a matched or new detection), and every id in use, so
    // that a planned region can never take an id some other region has.
    std::set<RegionID> seen;
    std::set<RegionID> taken = originalIDs;
    std::set<RegionID> newActive;

    std::vector<RedactionRegion> result;
    for (const auto& region : current) {
        taken.insert(region.id);
        if (!originalIDs.contains(region.id)) {
            result.push_back(region);
        }
    }

    for (auto& p : planned) {
        // The first original of the same detection whose id this merge has not given out yet.
        const auto match = std::find_if(originals.begin(), originals.end(), [&](const RedactionRegion& original) {
            return !seen.contains(original.id) && sameDetection(original, p);
        });
        if (match != originals.end()) {
            const RegionID id = match->id;
            seen.insert(id);
            newActive.insert(id);
            if (dismissed.contains(id)) {
                continue;
            }
            p.id = id;
            const RedactionRegion* edited = findByID(current, id);
            if (edited && !(*edited == *match)) {
                result.push_back(*edited);
            } else {
                *match = p;
                result.push_back(p);
            }
            continue;
        }
        // A new detection.
        if (taken.contains(p.id)) {
            do {
                p.id = RegionID::generate();
            } while (taken.contains(p.id));
        }
        taken.insert(p.id);
        seen.insert(p.id);
        newActive.insert(p.id);
        originals.push_back(p);
        result.push_back(p);
    }

    // Older detections this plan did not produce: only the user's edited forms stay.
    for (const auto& original : originals) {
        if (seen.contains(original.id) || !originalIDs.contains(original.id)) {
            continue;
        }
        const RedactionRegion* edited = findByID(current, original.id);
        if (edited && !(*edited == original)) {
            result.push_back(*edited);
        }
    }

    active = std::move(newActive);
    return result;
}

} // namespace tarnveil
