// Burning and encoding a large screenshot: the cost of export on the interface thread.
//
//   BM_Burn            5120 x 2880, 100 solid, 20 labelled, 10 blur and 10 pixelate regions
//   BM_BurnNothing     the same image without regions (the opaque copies every burn makes)
//   BM_EncodePng/L     the burnt image as PNG at zlib level L (bytes reported as a counter)
//   BM_BlurRegion/S    one S x S blur region on the large image
//   BM_BlurSmallImage/S  the same region on an image just large enough to hold it
//
// The blur rows show that a region's cost follows its own area, not the image's.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

#include <QGuiApplication>

#include "render/Exporter.h"
#include "render/RedactionEngine.h"

#include "SyntheticScreenshot.h"

namespace {

using namespace tarnveil;

constexpr int width = 5120;
constexpr int height = 2880;

QImage screenshot(int w = width, int h = height) { return SyntheticScreenshot::make(w, h); }

const QImage& bigScreenshot()
{
    static const QImage image = screenshot();
    return image;
}

std::vector<RedactionRegion> typicalRegions()
{
    std::mt19937 random(7);
    const auto box = [&](double w, double h) {
        return Rect{double(random() % int(width - w)), double(random() % int(height - h)), w, h};
    };
    std::vector<RedactionRegion> regions;
    for (int i = 0; i < 100; ++i) {
        regions.emplace_back(RegionID::generate(), box(180 + random() % 300, 36), RedactionStyle::solid(FillColor::black));
    }
    for (int i = 0; i < 20; ++i) {
        regions.emplace_back(RegionID::generate(), box(240 + random() % 200, 36), RedactionStyle::labeled(FillColor::black),
                             "[EMAIL-" + std::to_string(i + 1) + "]");
    }
    for (int i = 0; i < 10; ++i) {
        regions.emplace_back(RegionID::generate(), box(400, 80), RedactionStyle::blur());
    }
    for (int i = 0; i < 10; ++i) {
        regions.emplace_back(RegionID::generate(), box(400, 80), RedactionStyle::pixelate());
    }
    return regions;
}

void BM_Burn(benchmark::State& state)
{
    const QImage& source = bigScreenshot();
    const auto regions = typicalRegions();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RedactionEngine().burn(source, regions));
    }
}
BENCHMARK(BM_Burn)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_BurnNothing(benchmark::State& state)
{
    const QImage& source = bigScreenshot();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RedactionEngine().burn(source, {}));
    }
}
BENCHMARK(BM_BurnNothing)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_EncodePng(benchmark::State& state)
{
    static const QImage burnt = *RedactionEngine().burn(bigScreenshot(), typicalRegions());
    const int level = int(state.range(0));
    qsizetype size = 0;
    for (auto _ : state) {
        const auto bytes = Exporter::encodePng(burnt, level);
        size = bytes->size();
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_EncodePng)->DenseRange(1, 9)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_EncodeJpeg(benchmark::State& state)
{
    static const QImage burnt = *RedactionEngine().burn(bigScreenshot(), typicalRegions());
    qsizetype size = 0;
    for (auto _ : state) {
        size = Exporter::encode(burnt, Exporter::Format::jpeg(0.9))->size();
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_EncodeJpeg)->Unit(benchmark::kMillisecond)->MinTime(2);

void blurRegion(benchmark::State& state, const QImage& source)
{
    const double side = double(state.range(0));
    const std::vector regions{RedactionRegion(RegionID::generate(), Rect{0, 0, side, side}, RedactionStyle::blur())};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RedactionEngine().burn(source, regions));
    }
    state.counters["pixels"] = side * side;
}

void BM_BlurRegion(benchmark::State& state)
{
    blurRegion(state, bigScreenshot());
}
BENCHMARK(BM_BlurRegion)->RangeMultiplier(2)->Range(100, 1600)->Unit(benchmark::kMillisecond)->MinTime(1);

void BM_BlurSmallImage(benchmark::State& state)
{
    const int side = int(state.range(0));
    const QImage source = bigScreenshot().copy(0, 0, side, side);
    blurRegion(state, source);
}
BENCHMARK(BM_BlurSmallImage)->RangeMultiplier(2)->Range(100, 1600)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char** argv)
{
    // Labels need fonts, and fonts a GUI application; no display is needed.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
