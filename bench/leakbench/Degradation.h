#pragma once

#include <string_view>

namespace tarnveil::leakbench {

/// What happened to a screenshot after it was taken: nothing, a lossy recompression (chat
/// services and some capture tools store JPEG), or a resize to 75 % (a high-density capture
/// shrunk to fit a page).
enum class Degradation {
    none,
    jpeg75,
    scaled75,
};

inline std::string_view identifier(Degradation degradation)
{
    switch (degradation) {
    case Degradation::none: return "none";
    case Degradation::jpeg75: return "jpeg-75";
    case Degradation::scaled75: return "scaled-75";
    }
    return "unknown";
}

} // namespace tarnveil::leakbench
