#pragma once

#include <string>
#include <vector>

#include "ImageRecipe.h"

namespace tarnveil::leakbench {

/// Which images the corpus holds. The full cross product of scenes, themes, scales, fonts,
/// sizes, renderings and degradations would take days to scan, so each scene gets
/// `imagesPerScene` images whose properties are stepped with different periods (theme 2,
/// scale 4, sizes 6, rendering 3, degradation 5): with 10 per scene every scene is drawn in
/// both themes at both scales, at 11 px on a scale-1 image, with both renderings, recompressed
/// and resized, and every font and size appears in several scenes.
class CorpusPlan {
public:
    static const std::vector<std::string>& monoFamilies();
    static const std::vector<std::string>& uiFamilies();
    static constexpr int minFontSize = 11;
    static constexpr int maxFontSize = 16;
    static constexpr int defaultImagesPerScene = 10;

    /// Images in an order that covers every scene early, so a shortened run stays varied.
    static std::vector<ImageRecipe> make(int imagesPerScene);

    /// A file name stem such as "007-terminal-dark-s2-hack-14" (with "-subpx" for sub-pixel
    /// rendering and "-jpeg75" or "-scaled75" for a degraded image).
    static std::string stem(const ImageRecipe& recipe);

private:
    static ImageRecipe recipe(int k, std::size_t sceneIndex);
};

} // namespace tarnveil::leakbench
