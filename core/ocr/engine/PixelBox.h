#pragma once

#include <algorithm>

namespace tarnveil {

/// A rectangle of whole pixels: left and top inclusive, right and bottom exclusive.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }

    /// The smallest box holding both (an empty box adds nothing).
    PixelBox united(const PixelBox& other) const
    {
        if (empty()) {
            return other;
        }
        if (other.empty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }

    bool contains(const PixelBox& other) const
    {
        return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
    }

    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

} // namespace tarnveil
