#include "CorpusGenerator.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include <QImage>

#include "CorpusPlan.h"
#include "FontSet.h"
#include "InkExtractor.h"
#include "InkScaler.h"
#include "Rng.h"
#include "SceneBuilder.h"
#include "SceneCatalogue.h"
#include "SceneRenderer.h"
#include "Theme.h"
#include "TruthJson.h"

namespace tarnveil::leakbench {

namespace {

struct Rows {
    int top;
    int bottom;
};

/// The rows of every line that draws `item`, with half a font size to spare on each side.
Rows itemRows(const Scene& scene, int item, int fontPixelSize)
{
    Rows rows{scene.height, 0};
    for (const auto& line : scene.lines) {
        for (const auto& segment : line.segments) {
            if (segment.item == item) {
                rows = {std::min(rows.top, line.bandTop), std::max(rows.bottom, line.bandBottom)};
            }
        }
    }
    return {std::max(0, rows.top - fontPixelSize / 2), std::min(scene.height, rows.bottom + fontPixelSize / 2)};
}

/// The text of the first line that draws `item`.
std::string firstLineOf(const Scene& scene, int item)
{
    for (const auto& line : scene.lines) {
        for (const auto& segment : line.segments) {
            if (segment.item == item) {
                return line.text();
            }
        }
    }
    return {};
}

/// Every item's ink inside the image and not empty; the first item that is not, or none.
std::optional<std::string> inkOutsideImage(const ImageTruth& truth)
{
    for (const auto* list : {&truth.values, &truth.decoys}) {
        for (const auto& item : *list) {
            const InkMask& ink = item.ink;
            if (ink.pixelCount() == 0 || ink.x < 0 || ink.y < 0 || ink.x + ink.width > truth.width ||
                ink.y + ink.height > truth.height) {
                return item.kind + " '" + item.text + "'";
            }
        }
    }
    return std::nullopt;
}

} // namespace

CorpusGenerator::CorpusGenerator(std::filesystem::path directory, std::uint64_t seed)
    : directory_(std::move(directory)), seed_(seed)
{
}

ImageTruth CorpusGenerator::generate(const ImageRecipe& recipe) const
{
    const std::string stem = CorpusPlan::stem(recipe);
    try {
        return draw(recipe, stem);
    } catch (const std::exception& error) {
        throw std::runtime_error(stem + ": " + error.what());
    }
}

ImageTruth CorpusGenerator::draw(const ImageRecipe& recipe, const std::string& stem) const
{
    const int pixelSize = recipe.fontSize * recipe.scale;
    const FontSet fonts(recipe.monoFamily, recipe.uiFamily, pixelSize, recipe.rendering);
    const Theme theme = Theme::named(recipe.theme);
    Rng rng(seed_ * 1000003u + static_cast<std::uint64_t>(recipe.index));
    SceneBuilder builder(fonts, recipe.scale, check_, rng);
    const Scene scene =
        builder.build(SceneCatalogue::describe(recipe.scene, recipe.variant), recipe.targetWidth, maxWidth);
    if (const auto problem = check_.sceneProblem(scene)) {
        throw std::runtime_error("ground truth does not match detection: " + *problem);
    }

    const SceneRenderer renderer(fonts, theme, recipe.rendering);
    const QImage image = renderer.render(scene);
    if (InkExtractor::difference(image, renderer.renderRows(scene, 0, scene.height, -1), 0).pixelCount() != 0) {
        throw std::runtime_error("drawing the same scene twice gives different pixels");
    }

    ImageTruth truth;
    truth.image = stem + ".png";
    truth.width = image.width();
    truth.height = image.height();
    truth.scene = std::string(identifier(recipe.scene));
    truth.variant = SceneCatalogue::variantName(recipe.scene, recipe.variant);
    truth.theme = theme.name();
    truth.scale = recipe.scale;
    truth.monoFont = recipe.monoFamily;
    truth.uiFont = recipe.uiFamily;
    truth.fontSize = recipe.fontSize;
    truth.rendering = std::string(identifier(recipe.rendering));
    truth.degradation = std::string(identifier(recipe.degradation));
    for (std::size_t i = 0; i < scene.items.size(); ++i) {
        TruthItem item = measureItem(scene, static_cast<int>(i), renderer, pixelSize);
        item.font = fonts.family(scene.items[i].font);
        item.fontSize = recipe.fontSize;
        auto& list = scene.items[i].isValue ? truth.values : truth.decoys;
        char id[32];
        std::snprintf(id, sizeof id, "%c%zu", scene.items[i].isValue ? 'v' : 'd', list.size());
        item.id = id;
        list.push_back(std::move(item));
    }

    const QImage degraded = degrade(image, recipe.degradation, truth);
    if (const auto item = inkOutsideImage(truth)) {
        throw std::runtime_error("the ink of " + *item + " lies outside the image");
    }
    // A recompressed image is handed to the scan as the JPEG file itself.
    const bool jpeg = recipe.degradation == Degradation::jpeg75;
    truth.image = stem + (jpeg ? ".jpg" : ".png");
    if (!degraded.save(QString::fromStdString((directory_ / truth.image).string()), jpeg ? "JPEG" : "PNG",
                       jpeg ? jpegQuality : -1)) {
        throw std::runtime_error("cannot write " + truth.image);
    }
    TruthJson::write(directory_ / (stem + ".truth.json"), truth);
    return truth;
}

QImage CorpusGenerator::degrade(const QImage& image, Degradation degradation, ImageTruth& truth)
{
    if (degradation != Degradation::scaled75) {
        return image;
    }
    const int width = (image.width() * 3 + 2) / 4;
    const int height = (image.height() * 3 + 2) / 4;
    QImage scaled = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    for (auto* list : {&truth.values, &truth.decoys}) {
        for (auto& item : *list) {
            item.ink = InkScaler::scaled(item.ink, image.width(), image.height(), width, height);
        }
    }
    truth.width = width;
    truth.height = height;
    return scaled;
}

TruthItem CorpusGenerator::measureItem(const Scene& scene, int item, const SceneRenderer& renderer,
                                       int fontPixelSize)
{
    const SceneItem& source = scene.items[static_cast<std::size_t>(item)];
    const Rows rows = itemRows(scene, item, fontPixelSize);
    TruthItem truth;
    truth.kind = source.kindName();
    truth.text = source.text;
    truth.line = firstLineOf(scene, item);
    // Both renderings cover the same rows: a shape cut by the rows' edges (an avatar beside the
    // item's line) is drawn the same in both and never counts as the item's ink.
    truth.ink = InkExtractor::difference(renderer.renderRows(scene, rows.top, rows.bottom, -1),
                                         renderer.renderRows(scene, rows.top, rows.bottom, item), rows.top);
    if (truth.ink.pixelCount() == 0) {
        throw std::runtime_error(truth.kind + " '" + truth.text + "' draws no pixels");
    }
    return truth;
}

} // namespace tarnveil::leakbench
