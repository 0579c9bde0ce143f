#include "ProgressReporter.h"

#include <unistd.h>

namespace tarnveil::cli {

ProgressReporter::ProgressReporter(std::FILE* err, std::size_t total)
    : err_(err), total_(total), terminal_(::isatty(::fileno(err)) == 1)
{
}

void ProgressReporter::step(std::size_t index, const std::string& name, const std::string& what)
{
    if (!terminal_) {
        return;
    }
    std::lock_guard lock(mutex_);
    std::fprintf(err_, "[%zu/%zu] %s: %s\n", index + 1, total_, name.c_str(), what.c_str());
    std::fflush(err_);
}

void ProgressReporter::message(const std::string& text)
{
    std::lock_guard lock(mutex_);
    std::fprintf(err_, "tarnveil-cli: %s\n", text.c_str());
    std::fflush(err_);
}

} // namespace tarnveil::cli
