#include "DetectCommand.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
#include <thread>

#include "CommandLine.h"
#include "FindingWriter.h"
#include "LineReader.h"
#include "ProfileChoice.h"
#include "detection/DetectorRegistry.h"

namespace tarnveil::cli {

namespace {

// Lines are scanned in batches on worker threads and written in input order.
constexpr std::size_t batchBytes = 1 << 20;
constexpr std::size_t batchLines = 4096;

struct Batch {
    std::string file;
    std::vector<LineReader::Piece> pieces;
};

struct BatchResult {
    std::string output;
    std::size_t findings = 0;
};

BatchResult scan(const DetectorRegistry& registry, const std::optional<std::set<std::string>>& enabledIds,
                 const Batch& batch)
{
    BatchResult result;
    for (const auto& piece : batch.pieces) {
        for (const auto& detection : registry.detect(piece.text, enabledIds)) {
            FindingWriter::append(result.output, batch.file, piece.lineNumber, detection, piece.offset);
            ++result.findings;
        }
    }
    return result;
}

std::set<std::string> splitIds(const std::string& list)
{
    std::set<std::string> ids;
    std::size_t from = 0;
    while (from <= list.size()) {
        const auto comma = list.find(',', from);
        auto id = list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        // "ipv4, email" means the same as "ipv4,email".
        id.erase(0, id.find_first_not_of(" \t"));
        id.erase(id.find_last_not_of(" \t") + 1);
        if (!id.empty()) {
            ids.insert(id);
        }
        if (comma == std::string::npos) {
            break;
        }
        from = comma + 1;
    }
    return ids;
}

} // namespace

std::optional<DetectCommand::Options> DetectCommand::parse(const std::vector<std::string>& arguments,
                                                           std::string& error)
{
    Options options;
    CommandLine line(arguments);
    while (auto option = line.next({"--detectors", "--allow", "--profile"}, {"--suppress-rfc1918"}, error)) {
        if (option->name == "--profile") {
            options.profile = ProfileChoice::find(option->value, error);
            if (!options.profile) {
                return std::nullopt;
            }
        } else if (option->name == "--detectors") {
            auto ids = splitIds(option->value);
            if (options.enabledIds) {
                ids.insert(options.enabledIds->begin(), options.enabledIds->end());
            }
            options.enabledIds = std::move(ids);
        } else if (option->name == "--allow") {
            options.allowValues.insert(option->value);
        } else {
            options.suppressRFC1918 = true;
        }
    }
    if (!error.empty()) {
        return std::nullopt;
    }
    options.files = line.operands();
    return options;
}

DetectCommand::DetectCommand(Options options) : options_(std::move(options)) {}

Allowlist DetectCommand::allowlist() const
{
    if (!options_.profile) {
        return Allowlist(options_.allowValues, options_.suppressRFC1918);
    }
    const auto fromProfile = options_.profile->allowlist(options_.allowValues);
    return Allowlist(fromProfile.userValues(), fromProfile.suppressRFC1918() || options_.suppressRFC1918);
}

std::optional<std::set<std::string>> DetectCommand::enabledIds() const
{
    if (options_.enabledIds || !options_.profile) {
        return options_.enabledIds;
    }
    return options_.profile->enabledDetectorIDs;
}

int DetectCommand::run(std::FILE* in, std::FILE* out, std::FILE* err)
{
    const auto registry = DetectorRegistry::makeDefault(allowlist());
    const auto enabledIds = this->enabledIds();
    if (options_.enabledIds) {
        for (const auto& id : *options_.enabledIds) {
            if (!registry->detector(id)) {
                std::fprintf(err, "tarnveil-cli: warning: unknown detector '%s' ignored\n", id.c_str());
            }
        }
    }
    const unsigned workers = options_.workers ? options_.workers : std::max(1u, std::thread::hardware_concurrency());

    std::deque<std::future<BatchResult>> inFlight;
    std::size_t findings = 0;
    auto writeOldest = [&] {
        const BatchResult result = inFlight.front().get();
        inFlight.pop_front();
        std::fwrite(result.output.data(), 1, result.output.size(), out);
        findings += result.findings;
    };
    auto submit = [&](Batch batch) {
        if (batch.pieces.empty()) {
            return;
        }
        if (inFlight.size() >= 2 * workers) {
            writeOldest();
        }
        auto shared = std::make_shared<Batch>(std::move(batch));
        inFlight.push_back(std::async(std::launch::async, [&registry, &enabledIds, shared] {
            return scan(*registry, enabledIds, *shared);
        }));
    };

    bool inputError = false;
    const std::vector<std::string> files = options_.files.empty() ? std::vector<std::string>{"-"} : options_.files;
    for (const auto& file : files) {
        std::FILE* stream = file == "-" ? in : std::fopen(file.c_str(), "rb");
        if (!stream) {
            std::fprintf(err, "tarnveil-cli: cannot read '%s': %s\n", file.c_str(), std::strerror(errno));
            inputError = true;
            continue;
        }
        LineReader reader(stream);
        Batch batch{file, {}};
        std::size_t bytes = 0;
        LineReader::Piece piece;
        while (reader.next(piece)) {
            if (piece.continued && piece.offset == 0) {
                std::fprintf(err,
                             "tarnveil-cli: warning: %s:%zu is longer than %zu bytes and is scanned in pieces\n",
                             file.c_str(), piece.lineNumber, LineReader::defaultMaxPiece);
            }
            bytes += piece.text.size();
            batch.pieces.push_back(std::move(piece));
            piece = {};
            if (bytes >= batchBytes || batch.pieces.size() >= batchLines) {
                submit(std::move(batch));
                batch = Batch{file, {}};
                bytes = 0;
            }
        }
        submit(std::move(batch));
        if (reader.failed()) {
            std::fprintf(err, "tarnveil-cli: cannot read '%s': %s\n", file.c_str(), std::strerror(errno));
            inputError = true;
        }
        if (stream != in) {
            std::fclose(stream);
        }
    }
    while (!inFlight.empty()) {
        writeOldest();
    }
    std::fflush(out);
    if (inputError) {
        return 2;
    }
    return findings > 0 ? 1 : 0;
}

} // namespace tarnveil::cli
