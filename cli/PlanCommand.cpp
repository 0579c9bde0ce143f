#include "PlanCommand.h"

#include <nlohmann/json.hpp>

#include "CommandLine.h"
#include "ocr/OCRResultJson.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil::cli {

std::optional<PlanCommand::Options> PlanCommand::parse(const std::vector<std::string>& arguments, std::string& error)
{
    Options options;
    CommandLine line(arguments);
    while (auto option = line.next({"--profile", "--allow"}, {}, error)) {
        if (options.scan.take(*option, error); !error.empty()) {
            return std::nullopt;
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    if (line.operands().size() != 1) {
        error = line.operands().empty() ? "plan needs an OCR file" : "plan takes one OCR file";
        return std::nullopt;
    }
    options.ocrFile = line.operands().front();
    return options;
}

PlanCommand::PlanCommand(Options options) : options_(std::move(options)) {}

int PlanCommand::run(std::FILE* out, std::FILE* err)
{
    const auto ocr = OCRResultJson::read(options_.ocrFile);
    if (!ocr.ok()) {
        std::fprintf(err, "tarnveil-cli: %s\n", ocr.error().c_str());
        return 2;
    }
    SessionVocabulary vocabulary;
    const auto json = options_.scan.describe(options_.scan.plan(*ocr, vocabulary));
    const auto text = json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fflush(out) == 0 ? 0 : 2;
}

} // namespace tarnveil::cli
