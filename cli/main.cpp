#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "DetectCommand.h"
#include "PlanCommand.h"
#include "Version.h"

namespace {

constexpr const char* usage =
    "usage: tarnveil-cli detect [--profile ID] [--detectors ID,ID,...] [--allow VALUE]... [--suppress-rfc1918] [FILE...]\n"
    "       tarnveil-cli plan OCR.json [--profile ID] [--allow VALUE]...\n"
    "profiles: pentest-report, client-demo, public-blog\n";

int usageError(const std::string& message)
{
    std::fprintf(stderr, "tarnveil-cli: %s\n", message.c_str());
    return 2;
}

int detect(const std::vector<std::string>& arguments)
{
    std::string error;
    auto options = tarnveil::cli::DetectCommand::parse(arguments, error);
    if (!options) {
        return usageError(error);
    }
    return tarnveil::cli::DetectCommand(std::move(*options)).run(stdin, stdout, stderr);
}

int plan(const std::vector<std::string>& arguments)
{
    std::string error;
    auto options = tarnveil::cli::PlanCommand::parse(arguments, error);
    if (!options) {
        return usageError(error);
    }
    return tarnveil::cli::PlanCommand(std::move(*options)).run(stdout, stderr);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    const std::string command = arguments.front();
    arguments.erase(arguments.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(usage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("tarnveil-cli %s\n", tarnveil::version);
        return 0;
    }
    if (command == "detect") {
        return detect(arguments);
    }
    if (command == "plan") {
        return plan(arguments);
    }
    return usageError("unknown command '" + command + "' (try 'tarnveil-cli --help')");
}
