#pragma once

#include <string>
#include <vector>

#include "TruthItem.h"

namespace tarnveil::leakbench {

/// Everything known about one corpus image: how it was drawn, and the exact ink of every
/// value a scan must cover and of every decoy that must stay visible.
struct ImageTruth {
    std::string image;
    int width = 0;
    int height = 0;
    std::string scene;
    std::string variant;
    std::string theme;
    int scale = 1;
    std::string monoFont;
    std::string uiFont;
    int fontSize = 0;
    /// How the text was rasterised and what happened to the image afterwards: Rendering and
    /// Degradation identifiers.
    std::string rendering = "grey-default";
    std::string degradation = "none";
    std::vector<TruthItem> values;
    std::vector<TruthItem> decoys;
};

} // namespace tarnveil::leakbench
