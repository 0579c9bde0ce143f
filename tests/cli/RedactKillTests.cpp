// A redact killed with SIGKILL at any moment leaves only whole results and never touches an
// input: the run is killed at a spread of moments, from reading to writing.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <QImage>

#include "cli/CliRun.h"

extern char** environ;

using namespace tarnveil::testing;
namespace fs = std::filesystem;

namespace {

const fs::path sample = fs::path(TARNVEIL_SOURCE_DIR) / "samples" / "terminal.png";

/// Starts tarnveil-cli with `arguments`, its output streams discarded; the process id.
pid_t start(const std::vector<std::string>& arguments)
{
    std::vector<std::string> all{TARNVEIL_CLI_PATH};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

TEST(RedactKill, AKilledRunLeavesOnlyWholeResultsAndItsInputsAsTheyWere)
{
    const fs::path dir = fs::temp_directory_path() / ("tarnveil-kill-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::vector<std::string> arguments{"redact"};
    for (int i = 0; i < 3; ++i) {
        const fs::path input = dir / ("shot" + std::to_string(i) + ".png");
        fs::copy_file(sample, input, fs::copy_options::overwrite_existing);
        arguments.push_back(input.string());
    }
    arguments.insert(arguments.end(), {"--out-dir", (dir / "out").string()});
    const std::string original = readFile(sample);

    int whole = 0;
    for (const int milliseconds : {50, 250, 500, 800, 1100, 1500, 2000, 2600, 3300}) {
        fs::remove_all(dir / "out");
        const pid_t pid = start(arguments);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!fs::exists(dir / "out")) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(dir / "out")) {
            const std::string name = entry.path().filename().string();
            EXPECT_NE(name.front(), '.') << "a temporary file was left after " << milliseconds << " ms: " << name;
            const QImage result(QString::fromStdString(entry.path().string()));
            EXPECT_FALSE(result.isNull()) << name << " is not a whole PNG after " << milliseconds << " ms";
            whole += !result.isNull();
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(readFile(dir / ("shot" + std::to_string(i) + ".png")), original) << "input " << i;
    }
    RecordProperty("whole results seen", whole);
    fs::remove_all(dir);
}
