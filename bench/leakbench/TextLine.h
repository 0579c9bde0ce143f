#pragma once

#include <string>
#include <vector>

#include "Segment.h"
#include "detection/TextRange.h"

namespace tarnveil::leakbench {

/// One line of text in a scene, as its segments, and the band of image rows its glyphs can
/// reach.
struct TextLine {
    std::vector<Segment> segments;
    int bandTop = 0;
    int bandBottom = 0;

    /// The line as a reader (or a text recogniser) would put it: the segments in order, with
    /// one space before a segment that starts a table column. `ranges`, when given, receives
    /// the byte range of each segment.
    std::string text(std::vector<TextRange>* ranges = nullptr) const
    {
        std::string line;
        for (const auto& segment : segments) {
            if (segment.column >= 0 && !line.empty() && line.back() != ' ') {
                line += ' ';
            }
            if (ranges) {
                ranges->push_back({line.size(), line.size() + segment.text.size()});
            }
            line += segment.text;
        }
        return line;
    }
};

} // namespace tarnveil::leakbench
