#pragma once

#include <map>
#include <string>
#include <vector>

#include "ImageScore.h"
#include "ImageTruth.h"
#include "ItemRecord.h"
#include "ScanLine.h"
#include "Tally.h"

namespace tarnveil::leakbench {

/// The scores of a whole corpus: recall overall and broken down by category, scene, scene
/// variant, theme, scale, font, font size, rendering and degradation; decoys covered by kind; false-positive regions; scan times;
/// and a record of every leaked value and covered decoy.
class Scoreboard {
public:
    /// One way of grouping the planted values, with the recall of each group.
    struct Breakdown {
        std::string dimension;
        std::map<std::string, Tally> groups;
    };

    /// Adds one image. A failed scan redacts nothing: all of its values leak.
    void addImage(const ImageTruth& truth, const ImageScore& score, const std::vector<ScanLine>& lines, double seconds,
                  bool scanFailed);

    std::size_t images() const { return images_; }
    std::size_t failedScans() const { return failedScans_; }
    double meanScanSeconds() const { return images_ == 0 ? 0 : scanSeconds_ / static_cast<double>(images_); }
    const Tally& values() const { return values_; }
    const Tally& decoys() const { return decoys_; }
    /// Regions (total) and false-positive regions (hits).
    const Tally& regions() const { return regions_; }
    const std::vector<Breakdown>& breakdowns() const { return breakdowns_; }
    const std::map<std::string, Tally>& decoysByKind() const { return decoysByKind_; }
    const std::vector<ItemRecord>& leaks() const { return leaks_; }
    const std::vector<ItemRecord>& coveredDecoys() const { return coveredDecoys_; }

private:
    void addValue(const ImageTruth& truth, const TruthItem& value, std::size_t coveredPixels,
                  const std::vector<ScanLine>& lines);

    std::size_t images_ = 0;
    std::size_t failedScans_ = 0;
    double scanSeconds_ = 0;
    Tally values_;
    Tally decoys_;
    Tally regions_;
    std::vector<Breakdown> breakdowns_{{"category", {}}, {"scene", {}},     {"variant", {}},   {"theme", {}},
                                       {"scale", {}},    {"font", {}},      {"font size", {}}, {"rendering", {}},
                                       {"degradation", {}}};
    std::map<std::string, Tally> decoysByKind_;
    std::vector<ItemRecord> leaks_;
    std::vector<ItemRecord> coveredDecoys_;
};

} // namespace tarnveil::leakbench
