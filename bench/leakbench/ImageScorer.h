#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "CoverageGrid.h"
#include "ImageScore.h"
#include "ImageTruth.h"
#include "PixelRect.h"
#include "ScanRegion.h"

namespace tarnveil::leakbench {

/// Compares a scan's regions with an image's ground truth. A value is redacted when at
/// least 99 % of its ink lies under the union of the non-protected regions; a decoy counts
/// as covered from half of its ink on; a region is a false positive when it touches no
/// pixel of any planted value's ink.
class ImageScorer {
public:
    static ImageScore score(const ImageTruth& truth, const std::vector<ScanRegion>& regions)
    {
        CoverageGrid grid(truth.width, truth.height);
        ImageScore score;
        for (const auto& region : regions) {
            if (region.isProtected) {
                continue;
            }
            const PixelRect rect = PixelRect::covering(region.x, region.y, region.width, region.height);
            grid.add(rect);
            ++score.regions;
            if (!touchesAnyValue(rect.clippedTo(truth.width, truth.height), truth.values)) {
                ++score.falsePositiveRegions;
            }
        }
        for (const auto& value : truth.values) {
            score.valueCoveredPixels.push_back(grid.coveredPixels(value.ink));
        }
        for (const auto& decoy : truth.decoys) {
            score.decoyCoveredPixels.push_back(grid.coveredPixels(decoy.ink));
        }
        return score;
    }

    /// At least 99 % of a non-empty ink covered (whole-number arithmetic, no rounding).
    static bool isRedacted(std::size_t coveredPixels, std::size_t inkPixels)
    {
        return inkPixels > 0 && coveredPixels * 100 >= inkPixels * 99;
    }

    /// At least half of a non-empty ink covered.
    static bool isDecoyCovered(std::size_t coveredPixels, std::size_t inkPixels)
    {
        return inkPixels > 0 && coveredPixels * 2 >= inkPixels;
    }

private:
    static bool touchesAnyValue(const PixelRect& rect, const std::vector<TruthItem>& values)
    {
        if (rect.empty()) {
            return false;
        }
        return std::any_of(values.begin(), values.end(), [&](const TruthItem& value) {
            const InkMask& ink = value.ink;
            const PixelRect box{ink.x, ink.y, ink.x + ink.width, ink.y + ink.height};
            if (box.right <= rect.left || rect.right <= box.left || box.bottom <= rect.top || rect.bottom <= box.top) {
                return false;
            }
            bool touches = false;
            ink.forEachPixel([&](int px, int py) { touches = touches || rect.contains(px, py); });
            return touches;
        });
    }
};

} // namespace tarnveil::leakbench
