#pragma once

#include <string>
#include <vector>

#include "ImageRecipe.h"

namespace tarnveil::leakbench {

/// Which images the corpus holds. The full cross product of scenes, themes, scales, fonts
/// and sizes would take hours to scan, so each scene gets `imagesPerScene` images whose
/// theme, scale, fonts, size and width are stepped with different periods: with 8 per scene
/// every scene is drawn in both themes at both scales, and every font and size appears in
/// several scenes.
class CorpusPlan {
public:
    static const std::vector<std::string>& monoFamilies();
    static const std::vector<std::string>& uiFamilies();
    static constexpr int minFontSize = 11;
    static constexpr int maxFontSize = 16;

    /// Images in an order that covers every scene early, so a shortened run stays varied.
    static std::vector<ImageRecipe> make(int imagesPerScene);

    /// A file name stem such as "07-terminal-dark-s2-hack-14".
    static std::string stem(const ImageRecipe& recipe);
};

} // namespace tarnveil::leakbench
