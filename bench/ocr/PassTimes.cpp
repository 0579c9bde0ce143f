// Times the parts of one scan on an image: the native pass, the enlargement and the enlarged
// pass, each alone on one thread, then the whole service (both passes at once).
//   ocr_pass_times IMAGE [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include <QGuiApplication>

#include "ocr/engine/OCRService.h"
#include "ocr/engine/TesseractPass.h"
#include "render/ImageDecoder.h"

namespace {

double bestSeconds(int runs, const std::function<std::size_t()>& work, std::size_t& lines)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        lines = work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
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
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const auto image = tarnveil::ImageDecoder::read(argv[1]);
    if (!image) {
        std::fprintf(stderr, "%s\n", image.error().c_str());
        return 2;
    }
    using tarnveil::OCRObservation;
    const tarnveil::Size size{double(image->width()), double(image->height())};
    std::size_t lines = 0;
    // The first pass also starts the engine; it is not counted.
    (void)tarnveil::TesseractPass::run(*image, size, OCRObservation::Source::native);
    const double native = bestSeconds(runs, [&] {
        return tarnveil::TesseractPass::run(*image, size, OCRObservation::Source::native)->size();
    }, lines);
    std::printf("native pass      %7.3f s  %zu lines\n", native, lines);
    QImage big;
    const double enlarge = bestSeconds(runs, [&] {
        big = tarnveil::OCRService::upscaled(*image, 2.0);
        return std::size_t(0);
    }, lines);
    std::printf("enlarge x2       %7.3f s\n", enlarge);
    const double enlarged = bestSeconds(runs, [&] {
        return tarnveil::TesseractPass::run(big, size, OCRObservation::Source::upscaled)->size();
    }, lines);
    std::printf("enlarged pass    %7.3f s  %zu lines\n", enlarged, lines);
    const double service = bestSeconds(runs, [&] {
        return tarnveil::OCRService().recognizeText(*image)->observations.size();
    }, lines);
    std::printf("whole service    %7.3f s  %zu lines\n", service, lines);
    return 0;
}
