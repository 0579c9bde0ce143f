#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "InkMask.h"

namespace tarnveil::leakbench {

/// The ink of an item after its whole image is resized. A smooth resize mixes into every
/// target pixel the source pixels whose footprint overlaps it, so a target pixel is ink when
/// the footprint of any source ink pixel overlaps it: source pixel x spans [x, x + 1), which
/// lands on [x * tw / sw, (x + 1) * tw / sw) of the target (the same for rows). The mask can
/// only grow by the pixels that a smooth filter blends ink into, never lose one.
class InkScaler {
public:
    static InkMask scaled(const InkMask& mask, int sourceWidth, int sourceHeight, int targetWidth, int targetHeight)
    {
        if (mask.width <= 0 || mask.height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || targetWidth <= 0 ||
            targetHeight <= 0) {
            return {};
        }
        const Span columns = footprint(mask.x, mask.x + mask.width, sourceWidth, targetWidth);
        const Span rows = footprint(mask.y, mask.y + mask.height, sourceHeight, targetHeight);
        const int width = columns.end - columns.begin;
        const int height = rows.end - rows.begin;
        if (width <= 0 || height <= 0) {
            return {};
        }
        std::vector<bool> bits(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false);
        mask.forEachPixel([&](int px, int py) {
            const Span x = footprint(px, px + 1, sourceWidth, targetWidth);
            const Span y = footprint(py, py + 1, sourceHeight, targetHeight);
            for (int ty = y.begin; ty < y.end; ++ty) {
                for (int tx = x.begin; tx < x.end; ++tx) {
                    bits[static_cast<std::size_t>(ty - rows.begin) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(tx - columns.begin)] = true;
                }
            }
        });
        return InkMask::fromBits(columns.begin, rows.begin, width, height, bits);
    }

private:
    struct Span {
        int begin;
        int end; // exclusive
    };

    /// The target pixels that source pixels [from, to) overlap, inside [0, target).
    static Span footprint(int from, int to, int source, int target)
    {
        const auto scaledDown = [&](std::int64_t edge) { return edge * target / source; };
        const auto scaledUp = [&](std::int64_t edge) { return (edge * target + source - 1) / source; };
        const std::int64_t begin = scaledDown(std::clamp(from, 0, source));
        const std::int64_t end = scaledUp(std::clamp(to, 0, source));
        return {static_cast<int>(std::clamp<std::int64_t>(begin, 0, target)),
                static_cast<int>(std::clamp<std::int64_t>(end, 0, target))};
    }
};

} // namespace tarnveil::leakbench
