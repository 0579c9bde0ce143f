#include "ocr/engine/BandSplitter.h"

#include <algorithm>
#include <cmath>

namespace tarnveil::BandSplitter {

namespace {

/// A row counts as free of ink when every pixel is at least this light.
constexpr int inkThreshold = 224;
/// Bands are never lower than this, in pixels: several lines of text at least.
constexpr int minimumBandHeight = 160;

bool blankRow(const QImage& bitmap, int y)
{
    const uchar* row = bitmap.constScanLine(y);
    return std::all_of(row, row + bitmap.width(), [](uchar value) { return value >= inkThreshold; });
}

/// The blank row nearest to `ideal` within `reach` rows and inside (low, high); -1 if none.
int nearestBlankRow(const QImage& bitmap, int ideal, int reach, int low, int high)
{
    for (int offset = 0; offset <= reach; ++offset) {
        for (const int y : {ideal - offset, ideal + offset}) {
            if (y > low && y < high && blankRow(bitmap, y)) {
                return y;
            }
        }
    }
    return -1;
}

} // namespace

std::vector<Band> bands(const QImage& bitmap, double targetPixels)
{
    const int height = bitmap.height();
    const int width = std::max(1, bitmap.width());
    if (bitmap.format() != QImage::Format_Grayscale8 || !(targetPixels > 0)) {
        return {{0, height}};
    }
    const int wanted = int(std::clamp(std::round(double(width) * height / targetPixels), 1.0, 64.0));
    const int bandHeight = std::max(minimumBandHeight, height / wanted);
    std::vector<Band> result;
    int top = 0;
    while (height - top >= 2 * bandHeight) {
        const int cut = nearestBlankRow(bitmap, top + bandHeight, height, top + bandHeight / 2, height - bandHeight / 2);
        if (cut < 0) {
            break;
        }
        result.push_back({top, cut});
        top = cut;
    }
    result.push_back({top, height});
    return result;
}

} // namespace tarnveil::BandSplitter
