#pragma once

#include <vector>

#include "Decoration.h"
#include "SceneItem.h"
#include "TextLine.h"

namespace tarnveil::leakbench {

/// A laid-out screenshot, in image pixels: chrome shapes, then text lines, over the theme's
/// background. Lines come in reading order within each panel: title and bars first, then
/// the sidebar, then the body.
struct Scene {
    int width = 0;
    int height = 0;
    std::vector<Decoration> decorations;
    std::vector<TextLine> lines;
    std::vector<SceneItem> items;
};

} // namespace tarnveil::leakbench
