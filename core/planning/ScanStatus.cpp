#include "planning/ScanStatus.h"

#include <algorithm>

namespace tarnveil::ScanStatus {

std::string afterScan(const std::vector<RedactionRegion>& regions, std::string_view profileName)
{
    std::string status;
    if (regions.empty()) {
        status = "No detections — review manually before exporting";
    } else if (regions.size() == 1) {
        status = "1 detection · " + std::string(profileName);
    } else {
        status = std::to_string(regions.size()) + " detections · " + std::string(profileName);
    }
    const bool coversKey = std::any_of(regions.begin(), regions.end(), [](const RedactionRegion& region) {
        return region.category == DetectionCategory::privateKey;
    });
    if (coversKey) {
        status += privateKeySuffix;
    }
    return status;
}

} // namespace tarnveil::ScanStatus
