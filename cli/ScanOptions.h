#pragma once

#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "CommandLine.h"
#include "ocr/OCRResult.h"
#include "planning/Profile.h"
#include "planning/RedactionRegion.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil::cli {

/// The planning options shared by the image commands: `--profile ID` and `--allow VALUE`.
struct ScanOptions {
    Profile profile = Profile::pentestReport();
    std::set<std::string> allowValues;

    /// Takes `option` when it is one of the two; false otherwise. Sets `error` for an unknown
    /// profile.
    bool take(const CommandLine::Option& option, std::string& error);

    /// The regions planned for `ocr` with the profile and the allowed values, labelled from
    /// `vocabulary`, with the editor's margin around every value.
    std::vector<RedactionRegion> plan(const OCRResult& ocr, SessionVocabulary& vocabulary) const;

    /// The region list as `plan` prints it: profile, regions and the scan's status line.
    nlohmann::ordered_json describe(const std::vector<RedactionRegion>& regions) const;
};

} // namespace tarnveil::cli
