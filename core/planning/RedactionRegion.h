#pragma once

#include <optional>
#include <string>

#include "detection/DetectionCategory.h"
#include "detection/Severity.h"
#include "ocr/Rect.h"
#include "planning/RedactionStyle.h"
#include "planning/RegionID.h"

namespace tarnveil {

/// One rectangle of the image to destroy on export, how to destroy it, and, when a detector
/// produced it, what it hides. Regions drawn by hand carry no label, category, severity or
/// value. A protected region is never burnt; it shields its area from every other region.
struct RedactionRegion {
    RedactionRegion(RegionID id, Rect rect, RedactionStyle style, std::optional<std::string> label = std::nullopt,
                    std::optional<DetectionCategory> category = std::nullopt,
                    std::optional<Severity> severity = std::nullopt, std::optional<std::string> value = std::nullopt,
                    bool isProtected = false)
        : id(id),
          rect(rect),
          style(style),
          label(std::move(label)),
          category(category),
          severity(severity),
          value(std::move(value)),
          isProtected(isProtected)
    {
    }

    RegionID id;
    Rect rect; ///< pixel space, top-left origin; may carry fractions
    RedactionStyle style;
    std::optional<std::string> label; ///< pseudonym from the session vocabulary
    std::optional<DetectionCategory> category;
    std::optional<Severity> severity;
    std::optional<std::string> value; ///< the hidden text itself
    bool isProtected = false;

    /// Equal when all eight fields are equal.
    friend bool operator==(const RedactionRegion&, const RedactionRegion&) = default;
};

} // namespace tarnveil
