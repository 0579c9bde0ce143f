// Draws the leak-benchmark corpus: screenshot-like PNG images with planted sensitive values
// and decoys, each with a .truth.json file holding the exact ink of every one of them.
//   leakbench_generate OUT_DIR [--per-scene N] [--seed N]
// Also writes OUT_DIR/leakbench-corpus.json with the seed and the images per scene, so a
// report can say how to draw the same corpus again.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include <QGuiApplication>

#include "CorpusGenerator.h"
#include "CorpusPlan.h"
#include "detection/DetectionCategory.h"

namespace {

using namespace tarnveil;
using namespace tarnveil::leakbench;

// Fewer planted values of a category than this make its recall too coarse to compare.
constexpr int wantedPerCategory = 10;
// A bound on the work one invocation may be asked for (a thousand images per scene).
constexpr std::uint64_t maxPerScene = 1000;

struct Options {
    std::filesystem::path directory;
    int perScene = CorpusPlan::defaultImagesPerScene;
    std::uint64_t seed = 20240312;
};

/// A whole decimal number, nothing before or after it.
bool number(std::string_view text, std::uint64_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--per-scene" || argument == "--seed") && i + 1 < argc) {
            std::uint64_t value = 0;
            if (!number(argv[++i], value)) {
                return false;
            }
            if (argument == "--per-scene") {
                if (value == 0 || value > maxPerScene) {
                    return false;
                }
                options.perScene = static_cast<int>(value);
            } else {
                options.seed = value;
            }
        } else if (options.directory.empty() && !argument.starts_with("--")) {
            options.directory = argument;
        } else {
            return false;
        }
    }
    return !options.directory.empty() && options.perScene > 0;
}

void writeManifest(const Options& options, std::size_t images)
{
    const auto path = options.directory / "leakbench-corpus.json";
    std::ofstream out(path);
    out << nlohmann::json{{"seed", options.seed}, {"perScene", options.perScene}, {"images", images}}.dump(2) << '\n';
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

/// Prints the number of planted values per category; false when one has none at all.
bool reportCounts(const std::map<std::string, int>& counts, std::size_t decoys)
{
    int total = 0;
    bool complete = true;
    std::printf("planted values per category:\n");
    for (const auto category : allDetectionCategories()) {
        const auto found = counts.find(std::string(identifier(category)));
        const int count = found == counts.end() ? 0 : found->second;
        total += count;
        std::printf("  %-20s %4d%s\n", std::string(identifier(category)).c_str(), count,
                    count == 0                  ? "  (none: the corpus cannot measure it)"
                    : count < wantedPerCategory ? "  (few)"
                                                : "");
        complete = complete && count > 0;
    }
    std::printf("  %-20s %4d\n  %-20s %4zu\n", "all values", total, "decoys", decoys);
    return complete;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: leakbench_generate OUT_DIR [--per-scene N (1 to %llu)] [--seed N]\n",
                     static_cast<unsigned long long>(maxPerScene));
        return 2;
    }
    // Fonts need a GUI application; it never shows a window.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    try {
        std::filesystem::create_directories(options.directory);
        const CorpusGenerator generator(options.directory, options.seed);
        std::map<std::string, int> counts;
        std::size_t decoys = 0;
        const auto recipes = CorpusPlan::make(options.perScene);
        std::printf("seed %llu, %d images per scene, %zu images\n", static_cast<unsigned long long>(options.seed),
                    options.perScene, recipes.size());
        for (const auto& recipe : recipes) {
            const auto truth = generator.generate(recipe);
            for (const auto& value : truth.values) {
                ++counts[value.kind];
            }
            decoys += truth.decoys.size();
            std::printf("%-64s %4d x %4d  %3zu values  %3zu decoys\n", truth.image.c_str(), truth.width, truth.height,
                        truth.values.size(), truth.decoys.size());
            std::fflush(stdout);
        }
        writeManifest(options, recipes.size());
        if (!reportCounts(counts, decoys)) {
            std::fprintf(stderr, "leakbench_generate: error: some categories have no planted value\n");
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "leakbench_generate: error: %s\n", error.what());
        return 1;
    }
    return 0;
}
