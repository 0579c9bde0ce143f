#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "render/Exporter.h"

namespace tarnveil::cli {

/// `tarnveil-cli burn IMAGE --regions REGIONS.json -o OUT [--format png|jpeg] [--quality Q]`
/// Burns the regions of a region list (the object `plan` prints) into IMAGE and writes the
/// result to OUT atomically. The quality is the JPEG quality from 0 to 1 (clamped; 0.9 when
/// not given; PNG ignores it). Refuses to write over IMAGE itself, however OUT names it (a
/// symbolic link, "..", a hard link). Exit status: 0, or 2 for a usage or input error, in
/// which case nothing is written. Needs a QGuiApplication (for the label font) while it runs.
class BurnCommand {
public:
    struct Options {
        std::string imageFile;
        std::string regionsFile;
        std::string outputFile;
        Exporter::Format format = Exporter::Format::png();
    };

    /// Parses the arguments after "burn"; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const std::vector<std::string>& arguments, std::string& error);

    explicit BurnCommand(Options options);

    int run(std::FILE* err);

private:
    Options options_;
};

} // namespace tarnveil::cli
