#include "ScanRunner.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace tarnveil::leakbench {

namespace {

/// This process's environment with OMP_THREAD_LIMIT set to 1.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        if (!std::string_view(*entry).starts_with("OMP_THREAD_LIMIT=")) {
            variables.emplace_back(*entry);
        }
    }
    variables.emplace_back("OMP_THREAD_LIMIT=1");
    return variables;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (auto& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

std::string describeStatus(int status)
{
    if (WIFEXITED(status)) {
        return "exit status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return "killed by signal " + std::to_string(WTERMSIG(status));
    }
    return "ended abnormally";
}

} // namespace

ScanRunner::ScanRunner(std::filesystem::path cli, std::string profile)
    : cli_(std::move(cli)), profile_(std::move(profile))
{
}

ScanRunner::Run ScanRunner::run(const std::filesystem::path& image, const std::filesystem::path& outputFile,
                                const std::filesystem::path& errorFile) const
{
    std::vector<std::string> arguments{cli_.string(), "scan", image.string(), "--profile", profile_};
    std::vector<std::string> environment = childEnvironment();
    auto argv = pointers(arguments);
    auto envp = pointers(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.outcome = "cannot start " + cli_.string() + ": " + std::strerror(spawned);
        return run;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Like `detect`, a scan may end with status 1 to say it found something.
    run.succeeded = WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 1);
    run.outcome = describeStatus(status);
    return run;
}

} // namespace tarnveil::leakbench
