#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "InkMask.h"
#include "PixelRect.h"

namespace tarnveil::leakbench {

/// The union of redaction rectangles over one image, one flag per pixel.
class CoverageGrid {
public:
    CoverageGrid(int width, int height)
        : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
          covered_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0)
    {
    }

    /// Covers the pixels of `rect` that lie inside the image.
    void add(const PixelRect& rect)
    {
        const PixelRect inside = rect.clippedTo(width_, height_);
        for (int py = inside.top; py < inside.bottom; ++py) {
            for (int px = inside.left; px < inside.right; ++px) {
                covered_[index(px, py)] = 1;
            }
        }
    }

    bool covers(int px, int py) const
    {
        return px >= 0 && py >= 0 && px < width_ && py < height_ && covered_[index(px, py)] != 0;
    }

    /// How many of the mask's pixels are covered.
    std::size_t coveredPixels(const InkMask& mask) const
    {
        std::size_t count = 0;
        mask.forEachPixel([&](int px, int py) { count += covers(px, py) ? 1 : 0; });
        return count;
    }

private:
    std::size_t index(int px, int py) const
    {
        return static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(px);
    }

    int width_;
    int height_;
    std::vector<std::uint8_t> covered_;
};

} // namespace tarnveil::leakbench
