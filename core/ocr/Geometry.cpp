#include "ocr/Geometry.h"

#include <algorithm>
#include <cmath>

namespace tarnveil::Geometry {

namespace {

// The system always asks for half of the shorter height when it groups boxes into lines.
constexpr double lineOverlapRatio = 0.5;

/// Horizontal distance between two boxes: positive when apart, negative when they overlap.
double horizontalGap(const Rect& a, const Rect& b)
{
    if (a.maxX() <= b.minX()) {
        return b.minX() - a.maxX();
    }
    if (b.maxX() <= a.minX()) {
        return a.minX() - b.maxX();
    }
    return std::max(a.minX(), b.minX()) - std::min(a.maxX(), b.maxX());
}

bool qualifiesForMerge(const Rect& a, const Rect& b, double gap)
{
    if (intersection(a, b)) {
        return true;
    }
    return sameBaseline(a, b, lineOverlapRatio) && horizontalGap(a, b) <= gap;
}

} // namespace

Rect pixelRect(const Rect& fromNormalized, const Size& imageSize)
{
    const Rect& r = fromNormalized;
    const double w = imageSize.width;
    const double h = imageSize.height;
    return Rect{w * r.minX(), h * (1 - r.maxY()), w * r.standardWidth(), h * r.standardHeight()};
}

Rect normalizedRect(const Rect& fromPixel, const Size& imageSize)
{
    const double w = imageSize.width;
    const double h = imageSize.height;
    if (!(w > 0) || !(h > 0)) {
        return Rect{};
    }
    const Rect& r = fromPixel;
    return Rect{r.minX() / w, 1 - r.maxY() / h, r.standardWidth() / w, r.standardHeight() / h};
}

Rect outwardRounded(const Rect& rect)
{
    const double minX = std::floor(rect.minX());
    const double minY = std::floor(rect.minY());
    return Rect{minX, minY, std::ceil(rect.maxX()) - minX, std::ceil(rect.maxY()) - minY};
}

Rect padded(const Rect& rect, double by)
{
    const Rect r = rect.standardized();
    return outwardRounded(Rect{r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by});
}

Rect flippedVertically(const Rect& rect, double inImageHeight)
{
    return Rect{rect.minX(), inImageHeight - rect.maxY(), rect.standardWidth(), rect.standardHeight()};
}

std::optional<Rect> intersection(const Rect& a, const Rect& b)
{
    const double minX = std::max(a.minX(), b.minX());
    const double maxX = std::min(a.maxX(), b.maxX());
    const double minY = std::max(a.minY(), b.minY());
    const double maxY = std::min(a.maxY(), b.maxY());
    if (!(minX <= maxX) || !(minY <= maxY)) {
        return std::nullopt;
    }
    return Rect{minX, minY, maxX - minX, maxY - minY};
}

Rect unionOf(const Rect& a, const Rect& b)
{
    const double minX = std::min(a.minX(), b.minX());
    const double minY = std::min(a.minY(), b.minY());
    return Rect{minX, minY, std::max(a.maxX(), b.maxX()) - minX, std::max(a.maxY(), b.maxY()) - minY};
}

double iou(const Rect& a, const Rect& b)
{
    const auto common = intersection(a, b);
    if (!common || common->width <= 0 || common->height <= 0) {
        return 0;
    }
    const double inter = common->width * common->height;
    const double unionArea =
        a.standardWidth() * a.standardHeight() + b.standardWidth() * b.standardHeight() - inter;
    return unionArea > 0 ? inter / unionArea : 0;
}

double horizontalIoU(const Rect& a, const Rect& b)
{
    const double overlap = std::min(a.maxX(), b.maxX()) - std::max(a.minX(), b.minX());
    if (!(overlap > 0)) {
        return 0;
    }
    const double unionWidth = a.standardWidth() + b.standardWidth() - overlap;
    return unionWidth > 0 ? overlap / unionWidth : 0;
}

bool sameBaseline(const Rect& a, const Rect& b, double minOverlapRatio)
{
    const double overlap = std::min(a.maxY(), b.maxY()) - std::max(a.minY(), b.minY());
    if (!(overlap > 0)) {
        return false;
    }
    const double shorter = std::min(a.standardHeight(), b.standardHeight());
    if (!(shorter > 0)) {
        return false;
    }
    return overlap / shorter >= minOverlapRatio;
}

std::vector<Rect> merged(std::vector<Rect> rects, double gap)
{
    bool unitedOne = true;
    while (unitedOne) {
        unitedOne = false;
        for (std::size_t i = 0; i < rects.size() && !unitedOne; ++i) {
            for (std::size_t j = i + 1; j < rects.size(); ++j) {
                if (qualifiesForMerge(rects[i], rects[j], gap)) {
                    rects[i] = unionOf(rects[i], rects[j]);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    unitedOne = true;
                    break;
                }
            }
        }
    }
    return rects;
}

} // namespace tarnveil::Geometry
