#pragma once

#include <string>
#include <vector>

#include "ScanLine.h"
#include "TruthItem.h"

namespace tarnveil::leakbench {

/// The recognised lines closest to a planted value, to show what the text recogniser made of
/// the text around a leak.
class NearestLines {
public:
    /// Up to `count` line texts, blank lines left out: by the distance between the line's box and the value's ink
    /// when the lines have boxes, otherwise by the longest run of characters a line shares
    /// with the value's own line.
    static std::vector<std::string> find(const TruthItem& value, const std::vector<ScanLine>& lines, std::size_t count);
};

} // namespace tarnveil::leakbench
