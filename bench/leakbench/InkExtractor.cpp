#include "InkExtractor.h"

#include <algorithm>
#include <vector>

namespace tarnveil::leakbench {

namespace {

struct Box {
    int left, top, right, bottom; // inclusive left/top, exclusive right/bottom
    bool empty() const { return right <= left; }
};

bool differs(const QImage& with, const QImage& without, int x, int y)
{
    const auto* a = reinterpret_cast<const QRgb*>(with.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(without.constScanLine(y));
    return (a[x] & 0xffffff) != (b[x] & 0xffffff);
}

Box differingBox(const QImage& with, const QImage& without, int top)
{
    Box box{with.width(), top + with.height(), 0, 0};
    for (int y = 0; y < without.height(); ++y) {
        for (int x = 0; x < without.width(); ++x) {
            if (differs(with, without, x, y)) {
                box = {std::min(box.left, x), std::min(box.top, top + y), std::max(box.right, x + 1),
                       std::max(box.bottom, top + y + 1)};
            }
        }
    }
    return box;
}

} // namespace

InkMask InkExtractor::difference(const QImage& with, const QImage& without, int top)
{
    const Box box = differingBox(with, without, top);
    if (box.empty()) {
        return {};
    }
    std::vector<bool> bits;
    bits.reserve(static_cast<std::size_t>(box.right - box.left) * static_cast<std::size_t>(box.bottom - box.top));
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            bits.push_back(differs(with, without, x, y - top));
        }
    }
    return InkMask::fromBits(box.left, box.top, box.right - box.left, box.bottom - box.top, bits);
}

} // namespace tarnveil::leakbench
