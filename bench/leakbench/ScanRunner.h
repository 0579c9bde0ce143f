#pragma once

#include <filesystem>
#include <string>

namespace tarnveil::leakbench {

/// Runs `CLI scan IMAGE --profile PROFILE` as a child process with OMP_THREAD_LIMIT=1 (the
/// text recogniser is several times slower with more OpenMP threads on a small machine),
/// its standard output and error going to two files, and measures its wall time.
class ScanRunner {
public:
    struct Run {
        /// The process started and exited with status 0 or 1.
        bool succeeded = false;
        /// The exit status, or a description of how the process failed.
        std::string outcome;
        double seconds = 0;
    };

    ScanRunner(std::filesystem::path cli, std::string profile);

    Run run(const std::filesystem::path& image, const std::filesystem::path& outputFile,
            const std::filesystem::path& errorFile) const;

private:
    std::filesystem::path cli_;
    std::string profile_;
};

} // namespace tarnveil::leakbench
