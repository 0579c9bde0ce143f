#pragma once

#include <string>

namespace tarnveil::leakbench {

/// One recognised line of a scan's output, with its pixel box when the output gives one.
struct ScanLine {
    std::string text;
    bool hasBox = false;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

} // namespace tarnveil::leakbench
