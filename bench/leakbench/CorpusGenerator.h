#pragma once

#include <cstdint>
#include <filesystem>

#include "DetectionSelfCheck.h"
#include "ImageRecipe.h"
#include "ImageTruth.h"
#include "Scene.h"

class QImage;

namespace tarnveil::leakbench {

class SceneRenderer;

/// Draws corpus images and their ground truth: builds the scene of an image recipe, checks it
/// against the real detectors, renders IMAGE.png and measures the ink of every planted value
/// and decoy by drawing its rows again without it, then writes IMAGE.truth.json. Needs a
/// QGuiApplication. Every failure is a std::runtime_error naming the image.
class CorpusGenerator {
public:
    /// The widest image drawn.
    static constexpr int maxWidth = 2880;
    /// The quality of recompressed images, as chat services and capture tools store them.
    static constexpr int jpegQuality = 75;

    CorpusGenerator(std::filesystem::path directory, std::uint64_t seed);

    ImageTruth generate(const ImageRecipe& recipe) const;

private:
    ImageTruth draw(const ImageRecipe& recipe, const std::string& stem) const;
    /// The image as the scan gets it: resized when `degradation` says so, with every ink
    /// mask of `truth` and its size resized alike. Recompression happens when it is written.
    static QImage degrade(const QImage& image, Degradation degradation, ImageTruth& truth);
    static TruthItem measureItem(const Scene& scene, int item, const SceneRenderer& renderer,
                                 int fontPixelSize);

    std::filesystem::path directory_;
    std::uint64_t seed_;
    DetectionSelfCheck check_;
};

} // namespace tarnveil::leakbench
