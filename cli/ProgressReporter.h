#pragma once

#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>

namespace tarnveil::cli {

/// One-line messages on standard error from several threads at once: errors and warnings
/// always, progress ("[2/5] shot.png: recognising text") only when standard error is a
/// terminal, so scripts and logs see nothing but what matters.
class ProgressReporter {
public:
    ProgressReporter(std::FILE* err, std::size_t total);

    void step(std::size_t index, const std::string& name, const std::string& what);
    void message(const std::string& text);

private:
    std::FILE* err_;
    std::size_t total_;
    bool terminal_;
    std::mutex mutex_;
};

} // namespace tarnveil::cli
