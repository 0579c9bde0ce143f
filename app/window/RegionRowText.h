#pragma once

#include <QString>

#include "planning/RedactionRegion.h"

/// The texts of a region's row in the region list.
namespace tarnveil::RegionRowText {

/// The region's label, else its category's display name, else "Manual".
QString title(const RedactionRegion& region);

/// The value on one line (line breaks become spaces), shortened around its middle when very
/// long so that eliding it stays cheap; empty without a value.
QString valueLine(const RedactionRegion& region);

/// "Protected, will not be redacted", "Secret", "Identifier" or "Contextual", a comma and a
/// space, and the category's display name ("Manual" without a category).
QString accessibleText(const RedactionRegion& region);

/// The display name of a category.
QString categoryName(DetectionCategory category);

} // namespace tarnveil::RegionRowText
