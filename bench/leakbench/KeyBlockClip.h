#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ClipSide.h"

namespace tarnveil::leakbench {

/// The rows of a private key block that a window shows when the block runs past one of its
/// edges. Only whole rows are cut, as a terminal or editor scrolls them.
class KeyBlockClip {
public:
    /// `rows` (the opening marker, the body, the closing marker) without the `hidden` rows at
    /// `side`: the marker there and `hidden - 1` body rows next to it. The marker at the other
    /// end and at least one body row always stay, so what is left is still a block that
    /// detection can follow from its visible marker; a block without a body row is not cut.
    static std::vector<std::string> visibleRows(const std::vector<std::string>& rows, ClipSide side, int hidden)
    {
        if (side == ClipSide::none || rows.size() < 3 || hidden <= 0) {
            return rows;
        }
        const auto cut = static_cast<std::ptrdiff_t>(std::min<std::size_t>(static_cast<std::size_t>(hidden), rows.size() - 2));
        return side == ClipSide::top ? std::vector<std::string>(rows.begin() + cut, rows.end())
                                     : std::vector<std::string>(rows.begin(), rows.end() - cut);
    }

    /// The rows joined by line feeds: the text of a key block as its truth records it.
    static std::string joined(const std::vector<std::string>& rows)
    {
        std::string text;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            text += (i == 0 ? "" : "\n") + rows[i];
        }
        return text;
    }
};

} // namespace tarnveil::leakbench
