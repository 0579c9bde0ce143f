#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include <QByteArray>

#include "detection/Result.h"

/// Images through pipes: "-" names standard input as an image and standard output as the
/// redacted PNG.
namespace tarnveil::cli::StandardStreams {

inline constexpr const char* dash = "-";
/// The most standard input may hold: more than any screenshot, and a bound on what a pipe can
/// make this process keep in memory.
inline constexpr std::size_t maximumInputBytes = std::size_t(256) * 1024 * 1024;

/// True when `name` stands for a standard stream.
inline bool isDash(const std::string& name)
{
    return name == dash;
}

/// Everything on `input` (standard input by default), or why not.
Result<QByteArray, std::string> readAll(std::FILE* input = stdin);

/// Writes `bytes` to `output` (standard output by default) and flushes it; why not on failure.
Result<void, std::string> writeAll(const QByteArray& bytes, std::FILE* output = stdout);

} // namespace tarnveil::cli::StandardStreams
