#include "ReportWriter.h"

#include <cstdio>

namespace tarnveil::leakbench {

namespace {

using nlohmann::json;

std::string percent(double rate)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%", rate * 100);
    return text;
}

std::string fraction(const Tally& tally)
{
    return std::to_string(tally.hits) + " / " + std::to_string(tally.total) + " (" + percent(tally.rate()) + ")";
}

/// A table cell: pipes escaped, line breaks shown as " / ", long texts shortened.
std::string cell(std::string text, std::size_t maxLength = 90)
{
    std::string escaped;
    for (const char c : text) {
        escaped += c == '|' ? std::string("\\|") : c == '\n' ? std::string(" / ") : std::string(1, c);
    }
    if (escaped.size() > maxLength) {
        escaped = escaped.substr(0, maxLength - 3) + "...";
    }
    return escaped.empty() ? std::string("-") : "`" + escaped + "`";
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += (text.empty() ? "" : "<br>") + cell(line);
    }
    return text.empty() ? std::string("(no line)") : text;
}

void appendGroupTable(std::string& out, const std::string& dimension, const std::map<std::string, Tally>& groups,
                      const std::string& hitName)
{
    out += "| " + dimension + " | count | " + hitName + " | rate |\n|---|---:|---:|---:|\n";
    for (const auto& [name, tally] : groups) {
        out += "| " + name + " | " + std::to_string(tally.total) + " | " + std::to_string(tally.hits) + " | " +
               percent(tally.rate()) + " |\n";
    }
    out += "\n";
}

void appendItems(std::string& out, const std::vector<ItemRecord>& items, bool withLines)
{
    out += withLines
               ? "| image | category | value | font | covered | recognised lines nearby |\n|---|---|---|---|---:|---|\n"
               : "| image | kind | text | font | covered |\n|---|---|---|---|---:|\n";
    for (const auto& item : items) {
        out += "| " + item.image + " | " + item.kind + " | " + cell(item.text) + " | " + item.font + " " +
               std::to_string(item.fontSize) + "px x" + std::to_string(item.scale) + " | " + percent(item.coverage) +
               (withLines ? " | " + joinedLines(item.nearestLines) : std::string()) + " |\n";
    }
    out += "\n";
}

json tallyJson(const Tally& tally)
{
    return {{"total", tally.total}, {"hits", tally.hits}, {"rate", tally.rate()}};
}

json groupsJson(const std::map<std::string, Tally>& groups)
{
    json result = json::object();
    for (const auto& [name, tally] : groups) {
        result[name] = tallyJson(tally);
    }
    return result;
}

json itemsJson(const std::vector<ItemRecord>& items)
{
    json result = json::array();
    for (const auto& item : items) {
        result.push_back({{"image", item.image},
                          {"kind", item.kind},
                          {"text", item.text},
                          {"font", item.font},
                          {"fontSize", item.fontSize},
                          {"scale", item.scale},
                          {"coverage", item.coverage},
                          {"nearestLines", item.nearestLines}});
    }
    return result;
}

} // namespace

std::string ReportWriter::markdown(const Scoreboard& board, const std::string& profile, const CorpusOrigin& origin)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f s", board.meanScanSeconds());
    std::string out = "# Leak benchmark\n\n";
    out += "`tarnveil-cli scan --profile " + profile + "` over " + std::to_string(board.images()) + " images (" +
           std::to_string(board.failedScans()) +
           " scans failed). A planted value is redacted when at least 99 % of "
           "its ink lies under the union of the regions; a decoy counts as covered from 50 %; a false-positive "
           "region touches no planted value's ink.\n\n";
    if (origin.seed) {
        out += "Corpus seed " + std::to_string(*origin.seed) + ", " + std::to_string(origin.perScene) +
               " images per scene; `LEAKBENCH_SEED=" + std::to_string(*origin.seed) +
               " LEAKBENCH_PER_SCENE=" + std::to_string(origin.perScene) +
               " bash bench/leakbench/run.sh` draws the same corpus again.\n\n";
    }
    out += "| measure | result |\n|---|---|\n";
    out += "| recall: planted values redacted | " + fraction(board.values()) + " |\n";
    out += "| decoys covered | " + fraction(board.decoys()) + " |\n";
    out += "| false-positive regions | " + fraction(board.regions()) + " |\n";
    out += "| mean scan time per image | " + std::string(seconds) + " |\n\n";
    for (const auto& breakdown : board.breakdowns()) {
        out += "## Recall by " + breakdown.dimension + "\n\n";
        appendGroupTable(out, breakdown.dimension, breakdown.groups, "redacted");
    }
    out += "## Decoys covered by kind\n\n";
    appendGroupTable(out, "kind", board.decoysByKind(), "covered");
    out += "## Leaked values (" + std::to_string(board.leaks().size()) + ")\n\n";
    appendItems(out, board.leaks(), true);
    out += "## Covered decoys (" + std::to_string(board.coveredDecoys().size()) + ")\n\n";
    appendItems(out, board.coveredDecoys(), false);
    return out;
}

json ReportWriter::summary(const Scoreboard& board, const std::string& profile, const CorpusOrigin& origin)
{
    json breakdowns = json::object();
    for (const auto& breakdown : board.breakdowns()) {
        breakdowns[breakdown.dimension] = groupsJson(breakdown.groups);
    }
    return {{"profile", profile},
            {"seed", origin.seed ? json(*origin.seed) : json(nullptr)},
            {"perScene", origin.seed ? json(origin.perScene) : json(nullptr)},
            {"images", board.images()},
            {"failedScans", board.failedScans()},
            {"meanScanSeconds", board.meanScanSeconds()},
            {"values", tallyJson(board.values())},
            {"decoysCovered", tallyJson(board.decoys())},
            {"falsePositiveRegions", tallyJson(board.regions())},
            {"recallBy", breakdowns},
            {"decoysCoveredByKind", groupsJson(board.decoysByKind())},
            {"leaks", itemsJson(board.leaks())},
            {"coveredDecoys", itemsJson(board.coveredDecoys())}};
}

} // namespace tarnveil::leakbench
