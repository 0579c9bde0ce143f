// Where one scan of an image spends its time: each stage of the recognition pass (preparation,
// line segmentation, first reading, second look at machine-made words, assembly) and the
// planning that follows, as the median of several runs and as shares of the whole.
//   ocr_pass_times IMAGE [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QGuiApplication>

#include "detection/DetectorRegistry.h"
#include "ocr/engine/OCRService.h"
#include "ocr/engine/TesseractPass.h"
#include "planning/RedactionPlanner.h"
#include "render/ImageDecoder.h"

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ocr_pass_times IMAGE [RUNS]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    const auto image = tarnveil::ImageDecoder::read(argv[1]);
    if (!image) {
        std::fprintf(stderr, "%s\n", image.error().c_str());
        return 2;
    }
    using tarnveil::OCRObservation;
    const tarnveil::Size size{double(image->width()), double(image->height())};
    const auto profile = tarnveil::Profile::publicBlog();
    const auto registry = tarnveil::DetectorRegistry::makeDefault(profile.allowlist({}));
    const tarnveil::RedactionPlanner planner(registry, 3);
    // The first pass also starts the engines; it is not counted.
    (void)tarnveil::TesseractPass::run(*image, size, OCRObservation::Source::native);
    std::vector<double> preparation, segmentation, first, second, assembly, planning;
    std::size_t lines = 0, regions = 0;
    for (int i = 0; i < runs; ++i) {
        tarnveil::PassTimings timings;
        auto result = tarnveil::TesseractPass::run(*image, size, OCRObservation::Source::native, timings);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", result.error().c_str());
            return 2;
        }
        const tarnveil::OCRResult ocr{std::move(result).value(), size};
        tarnveil::SessionVocabulary vocabulary;
        const auto start = std::chrono::steady_clock::now();
        regions = planner.plan(ocr, profile, vocabulary).size();
        planning.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        lines = ocr.observations.size();
        preparation.push_back(timings.preparation);
        segmentation.push_back(timings.segmentation);
        first.push_back(timings.firstReading);
        second.push_back(timings.secondLook);
        assembly.push_back(timings.assembly);
    }
    const double stages[] = {median(preparation), median(segmentation), median(first), median(second),
                             median(assembly), median(planning)};
    const char* names[] = {"preparation", "segmentation", "first reading", "second look", "assembly", "planning"};
    double total = 0;
    for (const double ms : stages) {
        total += ms;
    }
    std::printf("%s: %zu lines, %zu regions, median of %d runs\n", argv[1], lines, regions, runs);
    for (std::size_t i = 0; i < std::size(stages); ++i) {
        std::printf("  %-14s %8.1f ms %5.1f %%\n", names[i], stages[i], 100 * stages[i] / total);
    }
    std::printf("  %-14s %8.1f ms\n", "total", total);
    return 0;
}
