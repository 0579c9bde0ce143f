#pragma once

#include <cstddef>
#include <vector>

namespace tarnveil::leakbench {

/// How one scan did on one image: the covered ink pixels of every planted value and decoy
/// (in the order of the image's truth), and which regions touched no planted value.
struct ImageScore {
    std::vector<std::size_t> valueCoveredPixels;
    std::vector<std::size_t> decoyCoveredPixels;
    std::size_t regions = 0;
    std::size_t falsePositiveRegions = 0;
};

} // namespace tarnveil::leakbench
