#pragma once

namespace tarnveil {

/// The options a detection pattern is compiled with.
enum class RegexOptions {
    none,
    caseInsensitive,
};

} // namespace tarnveil
