#include "RedactCommand.h"

#include <algorithm>
#include <thread>

#include "CommandLine.h"
#include "RedactRun.h"
#include "SameFile.h"
#include "StandardStreams.h"
#include "planning/AtomicFile.h"

namespace tarnveil::cli {

namespace {

/// The first output that would replace an input, another output or the mapping file, as a
/// one-line message; empty when every file the run writes is distinct from the others.
std::string collision(const std::vector<std::string>& inputs, const std::vector<std::filesystem::path>& outputs,
                      const std::string& mappingFile)
{
    std::vector<std::filesystem::path> written = outputs;
    if (!mappingFile.empty()) {
        written.emplace_back(mappingFile);
    }
    for (const auto& output : written) {
        for (const auto& input : inputs) {
            if (StandardStreams::isDash(input) || StandardStreams::isDash(output.string())) {
                continue;
            }
            if (sameFile(input, output)) {
                return "refusing to write " + output.string() + " over the input image " + input;
            }
        }
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        for (std::size_t j = i + 1; j < written.size(); ++j) {
            if (StandardStreams::isDash(written[i].string()) && StandardStreams::isDash(written[j].string())) {
                return "two results would be written to standard output";
            }
            if (sameFile(written[i], written[j])) {
                return "two results would be written to " + written[j].string();
            }
        }
    }
    return {};
}

/// True when `folder` is a folder, creating it (and its parents, with the usual permissions
/// under the umask) when it does not exist yet; otherwise says why on `err`.
bool readyFolder(const std::string& folder, std::FILE* err)
{
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (std::filesystem::is_directory(status)) {
        return true;
    }
    if (std::filesystem::exists(status)) {
        std::fprintf(err, "tarnveil-cli: %s: not a folder\n", folder.c_str());
        return false;
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(err, "tarnveil-cli: cannot create the folder %s: %s\n", folder.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

} // namespace

std::optional<RedactCommand::Options> RedactCommand::parse(const std::vector<std::string>& arguments,
                                                           std::string& error)
{
    Options options;
    CommandLine line(arguments);
    while (auto option = line.next({"--profile", "--allow", "-o", "--output", "--out-dir", "--mapping"}, {}, error)) {
        const bool planning = options.scan.take(*option, error);
        if (!planning && option->name == "--out-dir") {
            options.outputDirectory = option->value;
        } else if (!planning && option->name == "--mapping") {
            options.mappingFile = option->value;
        } else if (!planning) {
            options.outputFile = option->value;
        }
        if (!error.empty()) {
            return std::nullopt;
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    options.imageFiles = line.operands();
    if (options.imageFiles.empty()) {
        error = "redact needs at least one image file";
    } else if (!options.outputFile.empty() && !options.outputDirectory.empty()) {
        error = "-o and --out-dir cannot be used together";
    } else if (!options.outputFile.empty() && options.imageFiles.size() > 1) {
        error = "-o takes one image only; use --out-dir for several";
    } else if (options.imageFiles.size() > 1 && std::ranges::any_of(options.imageFiles, StandardStreams::isDash)) {
        error = "- (standard input) must be the only image";
    } else if (StandardStreams::isDash(options.imageFiles.front()) && options.outputFile.empty()) {
        error = "an image from standard input needs -o FILE, or -o - for standard output";
    }
    return error.empty() ? std::optional(std::move(options)) : std::nullopt;
}

std::filesystem::path RedactCommand::outputFor(const Options& options, const std::string& imageFile)
{
    if (!options.outputFile.empty()) {
        return options.outputFile;
    }
    const std::filesystem::path input(imageFile);
    const std::string name = input.stem().string() + "-redacted.png";
    if (!options.outputDirectory.empty()) {
        return std::filesystem::path(options.outputDirectory) / name;
    }
    return input.parent_path() / name;
}

RedactCommand::RedactCommand(Options options) : options_(std::move(options)) {}

int RedactCommand::run(std::FILE* err)
{
    std::vector<std::filesystem::path> outputs;
    for (const auto& image : options_.imageFiles) {
        outputs.push_back(outputFor(options_, image));
    }
    if (const auto problem = collision(options_.imageFiles, outputs, options_.mappingFile); !problem.empty()) {
        std::fprintf(err, "tarnveil-cli: %s\n", problem.c_str());
        return 2;
    }
    if (!options_.outputDirectory.empty() && !readyFolder(options_.outputDirectory, err)) {
        return 2;
    }
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    RedactRun run(options_.scan, options_.imageFiles, outputs, err);
    bool succeeded = run.process(std::min(cores, options_.imageFiles.size()));
    if (!options_.mappingFile.empty()) {
        const auto written = AtomicFile::write(options_.mappingFile, run.vocabulary().exportCSV());
        if (!written) {
            run.reporter().message(written.error());
            succeeded = false;
        }
    }
    return succeeded ? 0 : 2;
}

} // namespace tarnveil::cli
