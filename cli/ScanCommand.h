#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ScanOptions.h"
#include "ocr/OCRResult.h"

namespace tarnveil::cli {

/// `tarnveil-cli scan IMAGE [--profile ID] [--allow VALUE]... [--save-ocr OCR.json]`
/// Recognises the text of IMAGE, plans its regions with a fresh session vocabulary and prints
/// one JSON object: the region list of `plan`, the image (path, width, height) and the
/// recognised lines in reading order. `--save-ocr` also writes the recognition result (owner
/// readable only: it holds the image's text) in the form `plan` reads. Exit status: 0, or 2
/// for a usage or input error.
class ScanCommand {
public:
    struct Options {
        std::string imageFile;
        ScanOptions scan;
        std::string ocrFile;
    };

    /// Parses the arguments after "scan"; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const std::vector<std::string>& arguments, std::string& error);

    explicit ScanCommand(Options options);

    int run(std::FILE* out, std::FILE* err);

    /// The recognised lines as the command prints them: text, confidence, pixel box, pass.
    static nlohmann::ordered_json describeLines(const OCRResult& ocr);

private:
    Options options_;
};

} // namespace tarnveil::cli
