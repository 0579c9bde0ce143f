#include "CorpusPlan.h"

#include <cctype>
#include <cstdio>

#include "SceneCatalogue.h"

namespace tarnveil::leakbench {

namespace {

constexpr int fontSizeCount = CorpusPlan::maxFontSize - CorpusPlan::minFontSize + 1;
// Physical widths at scale 1 and at scale 2; content that needs more gets more.
const std::vector<int> widthsAtScale1{1280, 1440, 1600, 1920};
const std::vector<int> widthsAtScale2{1920, 2240, 2560, 2880};

std::string slug(const std::string& family)
{
    std::string text;
    for (const char c : family) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

std::size_t wrap(int value, std::size_t count)
{
    return static_cast<std::size_t>(value) % count;
}

} // namespace

const std::vector<std::string>& CorpusPlan::monoFamilies()
{
    static const std::vector<std::string> families{"DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "Hack"};
    return families;
}

const std::vector<std::string>& CorpusPlan::uiFamilies()
{
    static const std::vector<std::string> families{"DejaVu Sans", "Liberation Sans", "Open Sans"};
    return families;
}

std::vector<ImageRecipe> CorpusPlan::make(int imagesPerScene)
{
    std::vector<ImageRecipe> recipes;
    for (int k = 0; k < imagesPerScene; ++k) {
        for (std::size_t s = 0; s < allSceneKinds.size(); ++s) {
            const int sceneIndex = static_cast<int>(s);
            ImageRecipe recipe;
            recipe.index = static_cast<int>(recipes.size());
            recipe.scene = allSceneKinds[s];
            recipe.variant = k % SceneCatalogue::variantCount(recipe.scene);
            recipe.dark = k % 2 == 1;
            recipe.scale = (k / 2) % 2 == 0 ? 1 : 2;
            recipe.monoFamily = monoFamilies()[wrap(k + sceneIndex, monoFamilies().size())];
            recipe.uiFamily = uiFamilies()[wrap(k + 2 * sceneIndex, uiFamilies().size())];
            // Stepping sizes against the fonts (k - s against k + s) pairs each font with many sizes.
            recipe.fontSize = minFontSize + (k + 5 * sceneIndex) % fontSizeCount;
            const auto& widths = recipe.scale == 1 ? widthsAtScale1 : widthsAtScale2;
            recipe.targetWidth = widths[wrap(k / 4 + sceneIndex, widths.size())];
            recipes.push_back(recipe);
        }
    }
    return recipes;
}

std::string CorpusPlan::stem(const ImageRecipe& recipe)
{
    char index[8];
    std::snprintf(index, sizeof index, "%02d", recipe.index);
    std::string name = std::string(index) + "-" + std::string(identifier(recipe.scene));
    const std::string variant = SceneCatalogue::variantName(recipe.scene, recipe.variant);
    if (!variant.empty()) {
        name += "-" + variant;
    }
    const bool monoBody = recipe.scene == SceneKind::terminal || recipe.scene == SceneKind::editor ||
                          recipe.scene == SceneKind::logViewer || recipe.scene == SceneKind::windowsPaths;
    return name + (recipe.dark ? "-dark" : "-light") + "-s" + std::to_string(recipe.scale) + "-" +
           slug(monoBody ? recipe.monoFamily : recipe.uiFamily) + "-" + std::to_string(recipe.fontSize);
}

} // namespace tarnveil::leakbench
