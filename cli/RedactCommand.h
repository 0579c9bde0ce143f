#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ScanOptions.h"

namespace tarnveil::cli {

/// `tarnveil-cli redact IMAGE... [-o OUT.png | --out-dir DIR] [--profile ID] [--allow VALUE]...
/// [--mapping MAP.csv]`, where IMAGE "-" (alone) reads standard input and OUT "-" writes the
/// PNG to standard output, for pipes.
/// Runs the whole pipeline on every image (recognise, plan with one session vocabulary shared
/// by all images of the run, burn, PNG) and writes each result atomically: to OUT (one image
/// only), to DIR/NAME-redacted.png (DIR is created when missing), or beside the input as
/// NAME-redacted.png. Images are
/// processed in parallel; labels are given in the order of the images, so a run always labels
/// the same values the same way. No output may name an input or another output: that is
/// refused before any work. `--mapping` writes the vocabulary as CSV, owner readable only.
/// On a terminal, standard error shows each image's progress. An image that fails gets its
/// one-line error and the others still complete. Exit status: 0, or 2 when any image failed or
/// on a usage error.
class RedactCommand {
public:
    struct Options {
        std::vector<std::string> imageFiles;
        std::string outputFile;
        std::string outputDirectory;
        ScanOptions scan;
        std::string mappingFile;
    };

    /// Parses the arguments after "redact"; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const std::vector<std::string>& arguments, std::string& error);

    /// Where the redacted copy of `imageFile` goes under `options`.
    static std::filesystem::path outputFor(const Options& options, const std::string& imageFile);

    explicit RedactCommand(Options options);

    int run(std::FILE* err);

private:
    Options options_;
};

} // namespace tarnveil::cli
