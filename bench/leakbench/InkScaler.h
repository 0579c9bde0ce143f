#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "InkMask.h"

namespace tarnveil::leakbench {

/// The ink of an item after its whole image is resized. A smooth resize mixes into every
/// target pixel the source pixels whose footprint overlaps it, so a target pixel is ink when
/// the footprint of any source ink pixel overlaps it: source pixel x spans [x, x + 1), which
/// lands on [x * tw / sw, (x + 1) * tw / sw) of the target (the same for rows). Qt's smooth
/// scaling steps through the source in 16.16 fixed point, which lets a pixel's weight reach a
/// few hundredths of a pixel past that edge, so every footprint is taken an eighth of a source
/// pixel wider on each side (an axis that keeps its size keeps its pixels). The mask can grow by the pixels a smooth filter blends ink into,
/// but never lose one.
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

    /// The target pixels that source pixels [from, to), widened by an eighth of a pixel on
    /// each side, overlap, inside [0, target). Edges are counted in eighths of a source pixel.
    static Span footprint(int from, int to, int source, int target)
    {
        if (source == target) {
            return {std::clamp(from, 0, target), std::clamp(to, 0, target)}; // not resampled at all
        }
        const std::int64_t eighths = 8 * static_cast<std::int64_t>(source);
        const auto floorDiv = [](std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
        const std::int64_t begin = floorDiv((8 * static_cast<std::int64_t>(from) - 1) * target, eighths);
        const std::int64_t end = -floorDiv(-(8 * static_cast<std::int64_t>(to) + 1) * target, eighths);
        return {static_cast<int>(std::clamp<std::int64_t>(begin, 0, target)),
                static_cast<int>(std::clamp<std::int64_t>(end, 0, target))};
    }
};

} // namespace tarnveil::leakbench
