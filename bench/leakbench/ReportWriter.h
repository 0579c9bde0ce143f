#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "CorpusOrigin.h"
#include "Scoreboard.h"

namespace tarnveil::leakbench {

/// The benchmark's results as a Markdown report (tables of recall by group, decoys, false
/// positives, scan time, and the list of leaked values) and as a JSON summary with the same
/// numbers for scripts.
class ReportWriter {
public:
    static std::string markdown(const Scoreboard& board, const std::string& profile, const CorpusOrigin& origin = {});
    static nlohmann::json summary(const Scoreboard& board, const std::string& profile, const CorpusOrigin& origin = {});
};

} // namespace tarnveil::leakbench
