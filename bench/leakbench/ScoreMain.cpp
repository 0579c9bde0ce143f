// Scores `tarnveil-cli scan` against the leak-benchmark corpus: runs the scan over every
// image (or reads scan outputs saved earlier), compares the regions with the ground truth and
// writes leakbench-report.md (also printed) and leakbench-summary.json.
//   leakbench_score CORPUS_DIR (--cli TARNVEIL_CLI | --scans DIR) [--profile ID] [--out DIR]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "CorpusOrigin.h"
#include "ImageScorer.h"
#include "ReportWriter.h"
#include "ScanOutput.h"
#include "ScanRunner.h"
#include "Scoreboard.h"
#include "TruthJson.h"

namespace {

namespace fs = std::filesystem;
using namespace tarnveil::leakbench;

constexpr std::string_view truthSuffix = ".truth.json";

struct Options {
    fs::path corpus;
    fs::path cli;
    fs::path scans;
    fs::path out;
    std::string profile = "public-blog";
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool valued =
            argument == "--cli" || argument == "--scans" || argument == "--profile" || argument == "--out";
        if (valued && i + 1 < argc) {
            const std::string value = argv[++i];
            if (argument == "--cli") {
                options.cli = value;
            } else if (argument == "--scans") {
                options.scans = value;
            } else if (argument == "--profile") {
                options.profile = value;
            } else {
                options.out = value;
            }
        } else if (options.corpus.empty() && !argument.starts_with("--")) {
            options.corpus = argument;
        } else {
            return false;
        }
    }
    if (options.out.empty()) {
        options.out = options.corpus;
    }
    if (options.scans.empty() && !options.cli.empty()) {
        options.scans = options.out / "scans";
    }
    return !options.corpus.empty() && !options.scans.empty();
}

std::vector<fs::path> truthFiles(const fs::path& corpus)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().filename().string().ends_with(truthSuffix)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string stemOf(const fs::path& truthFile)
{
    const std::string name = truthFile.filename().string();
    return name.substr(0, name.size() - truthSuffix.size());
}

std::optional<std::string> readFile(const fs::path& path)
{
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// The scan output of one image, or none with `problem` set.
std::optional<ScanOutput> scanOutput(const fs::path& file, const ImageTruth& truth, std::string& problem)
{
    const auto text = readFile(file);
    if (!text) {
        problem = "no scan output at " + file.string();
        return std::nullopt;
    }
    return ScanOutput::decode(*text, truth.width, truth.height, problem);
}

void scoreImage(const Options& options, const fs::path& truthFile, Scoreboard& board, std::size_t index,
                std::size_t count)
{
    std::string problem;
    const auto truth = TruthJson::read(truthFile, problem);
    if (!truth) {
        throw std::runtime_error(problem);
    }
    const std::string stem = stemOf(truthFile);
    const fs::path scanFile = options.scans / (stem + ".scan.json");
    double seconds = 0;
    if (!options.cli.empty()) {
        const auto run = ScanRunner(options.cli, options.profile)
                             .run(options.corpus / truth->image, scanFile, options.scans / (stem + ".scan.err"));
        seconds = run.seconds;
        if (!run.succeeded) {
            problem = "scan failed (" + run.outcome + ", see " + stem + ".scan.err)";
        }
    }
    std::optional<ScanOutput> output;
    if (problem.empty()) {
        output = scanOutput(scanFile, *truth, problem);
    }
    const ImageScore score = output ? ImageScorer::score(*truth, output->regions) : ImageScore{};
    board.addImage(*truth, score, output ? output->lines : std::vector<ScanLine>{}, seconds, !output);

    std::size_t redacted = 0;
    for (std::size_t i = 0; output && i < truth->values.size(); ++i) {
        redacted += ImageScorer::isRedacted(score.valueCoveredPixels[i], truth->values[i].ink.pixelCount()) ? 1 : 0;
    }
    std::fprintf(stderr, "[%3zu/%zu] %-72s %6.2f s  %zu/%zu redacted  %zu regions (%zu false positives)%s%s\n",
                 index + 1, count, truth->image.c_str(), seconds, redacted, truth->values.size(), score.regions,
                 score.falsePositiveRegions, problem.empty() ? "" : "  ", problem.c_str());
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: leakbench_score CORPUS_DIR (--cli TARNVEIL_CLI | --scans DIR) [--profile ID] "
                             "[--out DIR]\n");
        return 2;
    }
    try {
        fs::create_directories(options.out);
        fs::create_directories(options.scans);
        const auto files = truthFiles(options.corpus);
        if (files.empty()) {
            throw std::runtime_error("no *.truth.json files in " + options.corpus.string());
        }
        Scoreboard board;
        for (std::size_t i = 0; i < files.size(); ++i) {
            scoreImage(options, files[i], board, i, files.size());
        }
        const CorpusOrigin origin = CorpusOrigin::read(options.corpus);
        const std::string report = ReportWriter::markdown(board, options.profile, origin);
        writeFile(options.out / "leakbench-report.md", report);
        writeFile(options.out / "leakbench-summary.json",
                  ReportWriter::summary(board, options.profile, origin).dump(2) + "\n");
        std::fputs(report.c_str(), stdout);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "leakbench_score: error: %s\n", error.what());
        return 2;
    }
    return 0;
}
