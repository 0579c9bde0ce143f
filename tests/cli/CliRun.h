#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tarnveil::testing {

/// The outcome of one run of tarnveil-cli.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

/// Runs tarnveil-cli with `arguments`, feeding `input` on standard input.
inline CliRun runCli(const std::vector<std::string>& arguments, const std::string& input = {})
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tarnveil-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(std::rand()));
    std::filesystem::create_directories(dir);
    writeFile(dir / "in", input);
    std::string command = shellQuote(TARNVEIL_CLI_PATH);
    for (const auto& argument : arguments) {
        command += " " + shellQuote(argument);
    }
    command += " <" + shellQuote((dir / "in").string()) + " >" + shellQuote((dir / "out").string()) + " 2>" +
               shellQuote((dir / "err").string());
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(dir / "out");
    run.err = readFile(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

} // namespace tarnveil::testing
