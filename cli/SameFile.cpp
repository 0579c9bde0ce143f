#include "SameFile.h"

#include <sys/stat.h>

#include <system_error>

namespace tarnveil::cli {

bool sameFile(const std::filesystem::path& input, const std::filesystem::path& output)
{
    std::error_code error;
    const auto canonicalInput = std::filesystem::weakly_canonical(input, error);
    if (!error) {
        const auto canonicalOutput = std::filesystem::weakly_canonical(output, error);
        if (!error && canonicalInput == canonicalOutput) {
            return true;
        }
    }
    struct stat inputStat {};
    struct stat outputStat {};
    return ::stat(input.c_str(), &inputStat) == 0 && ::stat(output.c_str(), &outputStat) == 0 &&
           inputStat.st_dev == outputStat.st_dev && inputStat.st_ino == outputStat.st_ino;
}

} // namespace tarnveil::cli
