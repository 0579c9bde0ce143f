#include "ocr/engine/OpenMPThreadLimit.h"

#include <cstdlib>

#include <unistd.h>

namespace tarnveil::OpenMPThreadLimit {

void restartWithSingleThreadIfUnset(char** argv)
{
    if (std::getenv("OMP_THREAD_LIMIT") != nullptr) {
        return;
    }
    ::setenv("OMP_THREAD_LIMIT", "1", 1);
    ::execv("/proc/self/exe", argv);
}

} // namespace tarnveil::OpenMPThreadLimit
