#pragma once

#include <string>

namespace tarnveil::leakbench {

/// One region of a scan's output, in image pixels.
struct ScanRegion {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::string category;
    /// A protected region keeps its pixels visible: it redacts nothing.
    bool isProtected = false;
};

} // namespace tarnveil::leakbench
