#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <functional>

#include <QGuiApplication>

#include "BurnCommand.h"
#include "DetectCommand.h"
#include "PlanCommand.h"
#include "RedactCommand.h"
#include "ScanCommand.h"
#include "Version.h"
#include "ocr/engine/OpenMPThreadLimit.h"

namespace {

constexpr const char* usage =
    "usage: tarnveil-cli detect [--profile ID] [--detectors ID,ID,...] [--allow VALUE]... [--suppress-rfc1918] [FILE...]\n"
    "       tarnveil-cli plan OCR.json [--profile ID] [--allow VALUE]...\n"
    "       tarnveil-cli scan IMAGE [--profile ID] [--allow VALUE]... [--save-ocr OCR.json]\n"
    "       tarnveil-cli redact IMAGE... [-o OUT.png | --out-dir DIR] [--profile ID] [--allow VALUE]... [--mapping MAP.csv]\n"
    "       tarnveil-cli burn IMAGE --regions REGIONS.json -o OUT [--format png|jpeg] [--quality 0..1]\n"
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

/// Runs `command` inside a GUI application that never shows anything: images are read through
/// Qt's plugins and labels need fonts. It runs on the offscreen platform, so it works without
/// a display. Qt sees only the program name and cannot take any of our arguments for its own.
int withGuiApplication(const char* program, const std::function<int()>& command)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's own diagnostics (a missing runtime folder, font fallbacks) are not ours to print:
    // errors reach the user as one line from the command.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    return command();
}

int burn(const char* program, const std::vector<std::string>& arguments)
{
    std::string error;
    auto options = tarnveil::cli::BurnCommand::parse(arguments, error);
    if (!options) {
        return usageError(error);
    }
    return withGuiApplication(program, [&] { return tarnveil::cli::BurnCommand(std::move(*options)).run(stderr); });
}

int scan(const char* program, const std::vector<std::string>& arguments)
{
    std::string error;
    auto options = tarnveil::cli::ScanCommand::parse(arguments, error);
    if (!options) {
        return usageError(error);
    }
    return withGuiApplication(program,
                              [&] { return tarnveil::cli::ScanCommand(std::move(*options)).run(stdout, stderr); });
}

int redact(const char* program, const std::vector<std::string>& arguments)
{
    std::string error;
    auto options = tarnveil::cli::RedactCommand::parse(arguments, error);
    if (!options) {
        return usageError(error);
    }
    return withGuiApplication(program, [&] { return tarnveil::cli::RedactCommand(std::move(*options)).run(stderr); });
}

} // namespace

int main(int argc, char** argv)
{
    tarnveil::OpenMPThreadLimit::restartWithSingleThreadIfUnset(argv);
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
    if (command == "scan") {
        return scan(argv[0], arguments);
    }
    if (command == "redact") {
        return redact(argv[0], arguments);
    }
    if (command == "burn") {
        return burn(argv[0], arguments);
    }
    return usageError("unknown command '" + command + "' (try 'tarnveil-cli --help')");
}
