#pragma once

#include <set>
#include <vector>

#include "planning/RedactionRegion.h"
#include "planning/RegionID.h"

namespace tarnveil {

/// Carries the user's review of one image across rescans: merges each new plan with the
/// editor's current regions so that hand-drawn regions, edits and deletions survive, and a
/// detection found again keeps the id it had. Deletions are inferred: an id handed out by the
/// last merge that is missing from the editor's list was deleted by the user.
struct ReviewDecisions {
    /// Every region a scan of this image planned, under the id it has in the editor, in its
    /// latest planned form. Only grows.
    std::vector<RedactionRegion> originals;
    /// The ids of the originals the latest merge matched or added.
    std::set<RegionID> active;
    /// Detected regions the user removed; found again, they stay removed.
    std::set<RegionID> dismissed;

    /// The editor's new region list: the current regions no scan made (in their order), then
    /// per planned region the region the user edited, or the planned one under the id of the
    /// original it matches (same category, value and rectangle), or the planned one as a new
    /// detection; then edited regions whose detection this plan no longer holds.
    ///
    /// Every id in the result is distinct: an original lends its id to one planned region per
    /// merge, so a second identical planned region matches the next identical original, or is
    /// a new detection; a planned region whose own id is already taken gets a fresh one.
    std::vector<RedactionRegion> merge(std::vector<RedactionRegion> planned,
                                       const std::vector<RedactionRegion>& current);
};

} // namespace tarnveil
