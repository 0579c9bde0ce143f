#pragma once

#include <string>

#include "Degradation.h"
#include "Rendering.h"
#include "SceneKind.h"

namespace tarnveil::leakbench {

/// How one corpus image is drawn.
struct ImageRecipe {
    int index = 0;
    SceneKind scene = SceneKind::terminal;
    int variant = 0;
    /// A Theme name: "light", "dark", or a console's own colours.
    std::string theme = "light";
    /// 1, or 2 for a high-density screenshot: every length and font size doubled.
    int scale = 1;
    std::string monoFamily;
    std::string uiFamily;
    /// Font pixel size before scaling.
    int fontSize = 13;
    /// The width the image is drawn at, unless its content needs more.
    int targetWidth = 1280;
    Rendering rendering = Rendering::greyHinted;
    Degradation degradation = Degradation::none;
};

} // namespace tarnveil::leakbench
