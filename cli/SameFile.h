#pragma once

#include <filesystem>

namespace tarnveil::cli {

/// True when `output` names the same file as `input`: the same canonical path (symbolic links
/// and "..", also for an output that does not exist yet), or the same inode (a hard link).
bool sameFile(const std::filesystem::path& input, const std::filesystem::path& output);

} // namespace tarnveil::cli
