#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ScanOptions.h"

namespace tarnveil::cli {

/// `tarnveil-cli plan OCR.json [--profile ID] [--allow VALUE]...`
/// Plans the redaction regions of a recognised image (an OCR result in JSON) with a fresh
/// session vocabulary and prints them as one JSON object. Exit status: 0, or 2 for a usage
/// or input error.
class PlanCommand {
public:
    struct Options {
        std::string ocrFile;
        ScanOptions scan;
    };

    /// Parses the arguments after "plan"; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const std::vector<std::string>& arguments, std::string& error);

    explicit PlanCommand(Options options);

    int run(std::FILE* out, std::FILE* err);

private:
    Options options_;
};

} // namespace tarnveil::cli
