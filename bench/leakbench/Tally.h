#pragma once

#include <cstddef>

namespace tarnveil::leakbench {

/// How many of a group of values (or decoys, or regions) met a condition.
struct Tally {
    std::size_t total = 0;
    std::size_t hits = 0;

    void add(bool hit)
    {
        ++total;
        hits += hit ? 1 : 0;
    }

    /// hits / total, or 0 for an empty group.
    double rate() const { return total == 0 ? 0.0 : static_cast<double>(hits) / static_cast<double>(total); }
};

} // namespace tarnveil::leakbench
