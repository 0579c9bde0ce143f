#pragma once

#include <string>
#include <vector>

namespace tarnveil::leakbench {

/// One planted value that leaked, or one decoy that was covered: where, what, how much of it
/// lay under the regions, and what the text recogniser read near it.
struct ItemRecord {
    std::string image;
    std::string kind;
    std::string text;
    std::string font;
    int fontSize = 0;
    int scale = 1;
    double coverage = 0;
    std::vector<std::string> nearestLines;
};

} // namespace tarnveil::leakbench
