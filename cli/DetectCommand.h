#pragma once

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "detection/Allowlist.h"
#include "planning/Profile.h"

namespace tarnveil::cli {

/// `tarnveil-cli detect [--profile ID] [--detectors ID,ID,...] [--allow VALUE]... [--suppress-rfc1918] [FILE...]`
/// Scans text files (standard input for none or "-") line by line and prints one JSON object
/// per finding. Exit status: 0 nothing found, 1 findings, 2 usage or input error.
class DetectCommand {
public:
    struct Options {
        std::optional<Profile> profile; ///< a built-in profile: its detectors and allowlist
        std::optional<std::set<std::string>> enabledIds;
        std::set<std::string> allowValues;
        bool suppressRFC1918 = false;
        std::vector<std::string> files;
        unsigned workers = 0; ///< 0: one per core
    };

    /// Parses the arguments after "detect"; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const std::vector<std::string>& arguments, std::string& error);

    explicit DetectCommand(Options options);

    /// Runs the scan, writing findings to `out` and messages to `err`; returns the exit status.
    int run(std::FILE* in, std::FILE* out, std::FILE* err);

private:
    /// The allowlist and enabled set of the run: the profile's, unless the options say otherwise.
    Allowlist allowlist() const;
    std::optional<std::set<std::string>> enabledIds() const;

    Options options_;
};

} // namespace tarnveil::cli
