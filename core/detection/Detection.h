#pragma once

#include <string>

#include "detection/DetectionCategory.h"
#include "detection/Severity.h"
#include "detection/TextRange.h"

namespace tarnveil {

/// One finding in one line of text. `range` is in UTF-8 byte offsets of the scanned line
/// (see TextRange) and `value` is a copy of exactly the bytes of the line within it.
struct Detection {
    std::string detectorID;
    DetectionCategory category;
    Severity severity;
    TextRange range;
    std::string value;

    friend bool operator==(const Detection&, const Detection&) = default;
};

} // namespace tarnveil
