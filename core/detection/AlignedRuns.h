#pragma once

#include <cstddef>
#include <vector>

namespace tarnveil {

/// Finds columns of machine-like runs: in a table of keys or digests every row's value starts
/// at the same x, whatever the recogniser made of the header that names the column. Pure
/// geometry on pixel positions, so that it does not depend on how the lines were recognised.
class AlignedRuns {
public:
    /// One run: the line it stands in (its position in reading order), the left edge of the
    /// run and the line's vertical extent, in pixels.
    struct Candidate {
        std::size_t line = 0;
        double left = 0;
        double top = 0;
        double height = 0;
    };

    /// The positions in `candidates` of every run that belongs to a column: a chain of at
    /// least `minRows` runs on consecutive lines, each starting within `alignmentTolerance`
    /// line heights of the run above and at most `maxGapHeights` line heights below it.
    /// Candidates are taken in the given order; at most `maxCandidates` are looked at.
    static std::vector<std::size_t> inColumns(const std::vector<Candidate>& candidates);

    static constexpr std::size_t minRows = 3;
    static constexpr double alignmentTolerance = 1.0;
    static constexpr double maxGapHeights = 2.5;
    static constexpr std::size_t maxCandidates = 4096;
};

} // namespace tarnveil
