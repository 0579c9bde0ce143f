#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "detection/Result.h"

namespace tarnveil::AtomicFile {

/// Replaces the file at `path` with `bytes` so that readers see either the old file or the
/// whole new one: the bytes go to a temporary file in the same folder, created with the
/// permissions `permissions` (owner read and write only by default), are flushed to disk,
/// and the temporary file then takes `path`'s name. The temporary file has no name until it is
/// complete (where the file system allows it), so a process killed at any moment leaves no
/// partial file. On failure the temporary file is removed, `path` is untouched, and the
/// message names the step and the system's reason.
Result<void, std::string> write(const std::filesystem::path& path, std::string_view bytes,
                                std::filesystem::perms permissions = std::filesystem::perms::owner_read |
                                                                     std::filesystem::perms::owner_write);

} // namespace tarnveil::AtomicFile
