#pragma once

#include <string>

#include "DecoyKind.h"
#include "FontRole.h"
#include "detection/DetectionCategory.h"

namespace tarnveil::leakbench {

/// A planted value or a decoy of a scene. Its text is drawn by one segment, or, for a
/// private key block, by one segment on each of its lines.
struct SceneItem {
    bool isValue = true;
    DetectionCategory category = DetectionCategory::privateKey;
    DecoyKind decoy = DecoyKind::prose;
    std::string text;
    FontRole font = FontRole::mono;

    /// The category identifier of a value, the kind identifier of a decoy.
    std::string kindName() const { return std::string(isValue ? identifier(category) : identifier(decoy)); }
};

} // namespace tarnveil::leakbench
