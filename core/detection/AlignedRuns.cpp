#include "detection/AlignedRuns.h"

#include <algorithm>
#include <cmath>

namespace tarnveil {

namespace {

bool continues(const AlignedRuns::Candidate& above, const AlignedRuns::Candidate& below)
{
    const double height = std::max({above.height, below.height, 1.0});
    const double gap = below.top - (above.top + above.height);
    return below.line == above.line + 1 && gap <= AlignedRuns::maxGapHeights * height &&
           std::abs(below.left - above.left) <= AlignedRuns::alignmentTolerance * height;
}

} // namespace

std::vector<std::size_t> AlignedRuns::inColumns(const std::vector<Candidate>& candidates)
{
    const std::size_t count = std::min(candidates.size(), maxCandidates);
    // chainLength[i]: the longest chain of aligned runs ending in candidate i; previous[i]
    // the candidate above it in that chain.
    std::vector<std::size_t> chainLength(count, 1);
    std::vector<std::size_t> previous(count, count);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i; j-- > 0;) {
            if (candidates[j].line + 1 < candidates[i].line) {
                break; // candidates come in reading order: nothing further up continues
            }
            if (continues(candidates[j], candidates[i]) && chainLength[j] + 1 > chainLength[i]) {
                chainLength[i] = chainLength[j] + 1;
                previous[i] = j;
            }
        }
    }
    std::vector<bool> chosen(count, false);
    for (std::size_t i = count; i-- > 0;) {
        if (chainLength[i] < minRows || chosen[i]) {
            continue;
        }
        for (std::size_t k = i; k < count; k = previous[k]) {
            chosen[k] = true;
        }
    }
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < count; ++i) {
        if (chosen[i]) {
            positions.push_back(i);
        }
    }
    return positions;
}

} // namespace tarnveil
