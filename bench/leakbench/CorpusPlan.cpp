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

/// The variant of the k-th image of a scene. Stepping by k alone would tie a two- or
/// four-variant scene's variants to one theme each (the theme alternates with k); k + k / 2
/// pairs each variant with both themes and both scales.
int variantOf(SceneKind scene, int k)
{
    const int count = SceneCatalogue::variantCount(scene);
    return count == 3 ? k % 3 : (k + k / 2) % count;
}

std::string themeOf(SceneKind scene, bool dark)
{
    switch (scene) {
    case SceneKind::powershell: return dark ? "console-black" : "powershell-blue";
    case SceneKind::cmd: return "console-black";
    default: return dark ? "dark" : "light";
    }
}

/// Windows consoles are mostly captured with sub-pixel smoothing on: two images in three
/// there, one in three elsewhere.
Rendering renderingOf(SceneKind scene, int step)
{
    const bool windowsConsole =
        scene == SceneKind::windowsPaths || scene == SceneKind::powershell || scene == SceneKind::cmd;
    const bool subpixel = windowsConsole ? step % 3 != 0 : step % 3 == 1;
    return subpixel ? Rendering::subpixelRgb : Rendering::greyHinted;
}

Degradation degradationOf(int step)
{
    switch (step % 5) {
    case 0: return Degradation::jpeg75;
    case 1: return Degradation::scaled75;
    default: return Degradation::none;
    }
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

ImageRecipe CorpusPlan::recipe(int k, std::size_t sceneIndex)
{
    const int s = static_cast<int>(sceneIndex);
    ImageRecipe recipe;
    recipe.scene = allSceneKinds[sceneIndex];
    recipe.variant = variantOf(recipe.scene, k);
    recipe.theme = themeOf(recipe.scene, k % 2 == 1);
    recipe.monoFamily = monoFamilies()[wrap(k + s, monoFamilies().size())];
    recipe.uiFamily = uiFamilies()[wrap(k + 2 * s, uiFamilies().size())];
    // Stepping sizes against the fonts (k + 5 s against k + s) pairs each font with many sizes.
    recipe.fontSize = minFontSize + (k + 5 * s) % fontSizeCount;
    // The smallest size is drawn at scale 1, so every scene shows 11-pixel text once in six.
    recipe.scale = (k / 2) % 2 == 0 || recipe.fontSize == minFontSize ? 1 : 2;
    const auto& widths = recipe.scale == 1 ? widthsAtScale1 : widthsAtScale2;
    recipe.targetWidth = widths[wrap(k / 4 + s, widths.size())];
    recipe.rendering = renderingOf(recipe.scene, k + s);
    recipe.degradation = degradationOf(k + 2 * s);
    return recipe;
}

std::vector<ImageRecipe> CorpusPlan::make(int imagesPerScene)
{
    std::vector<ImageRecipe> recipes;
    for (int k = 0; k < imagesPerScene; ++k) {
        for (std::size_t s = 0; s < allSceneKinds.size(); ++s) {
            ImageRecipe next = recipe(k, s);
            next.index = static_cast<int>(recipes.size());
            recipes.push_back(next);
        }
    }
    return recipes;
}

std::string CorpusPlan::stem(const ImageRecipe& recipe)
{
    char index[8];
    std::snprintf(index, sizeof index, "%03d", recipe.index);
    std::string name = std::string(index) + "-" + std::string(identifier(recipe.scene));
    const std::string variant = SceneCatalogue::variantName(recipe.scene, recipe.variant);
    if (!variant.empty()) {
        name += "-" + variant;
    }
    name += "-" + recipe.theme + "-s" + std::to_string(recipe.scale) + "-" +
            slug(hasMonospaceBody(recipe.scene) ? recipe.monoFamily : recipe.uiFamily) + "-" +
            std::to_string(recipe.fontSize);
    if (recipe.rendering == Rendering::subpixelRgb) {
        name += "-subpx";
    }
    switch (recipe.degradation) {
    case Degradation::jpeg75: return name + "-jpeg75";
    case Degradation::scaled75: return name + "-scaled75";
    case Degradation::none: return name;
    }
    return name;
}

} // namespace tarnveil::leakbench
