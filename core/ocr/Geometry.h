#pragma once

#include <optional>
#include <vector>

#include "ocr/Rect.h"
#include "ocr/Size.h"

namespace tarnveil::Geometry {

/// A normalised rectangle (bottom-left origin, fractions) in pixels of an image of the given
/// size (top-left origin). No rounding.
Rect pixelRect(const Rect& fromNormalized, const Size& imageSize);

/// A pixel rectangle as fractions of the image (bottom-left origin); the zero rectangle when
/// the image has no area.
Rect normalizedRect(const Rect& fromPixel, const Size& imageSize);

/// The smallest whole-pixel rectangle that contains `rect`.
Rect outwardRounded(const Rect& rect);

/// `rect` grown by `by` on all four sides, then rounded outward (also when `by` is 0).
Rect padded(const Rect& rect, double by);

/// `rect` mirrored top to bottom inside an image of the given height.
Rect flippedVertically(const Rect& rect, double inImageHeight);

/// The common area of two rectangles, or none when they are apart. Rectangles that only
/// share an edge meet in a rectangle of zero width or height.
std::optional<Rect> intersection(const Rect& a, const Rect& b);

/// The smallest rectangle that contains both.
Rect unionOf(const Rect& a, const Rect& b);

/// Intersection area over union area, 0 to 1; 0 when the rectangles do not overlap in area.
double iou(const Rect& a, const Rect& b);

/// The same ratio taken on the x axis only.
double horizontalIoU(const Rect& a, const Rect& b);

/// True when the vertical overlap of the two boxes is at least `minOverlapRatio` of the
/// shorter one's height; false for a box without height.
bool sameBaseline(const Rect& a, const Rect& b, double minOverlapRatio);

/// The boxes with every pair that meets, or sits on one line at most `gap` apart, united,
/// repeatedly until no such pair is left. Survivors keep the position of their earliest member.
std::vector<Rect> merged(std::vector<Rect> rects, double gap);

} // namespace tarnveil::Geometry
