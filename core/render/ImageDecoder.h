#pragma once

#include <filesystem>
#include <string>

#include <QByteArray>
#include <QImage>

#include "detection/Result.h"

namespace tarnveil::ImageDecoder {

/// The most memory, in megabytes, that decoding one image may allocate. Files that claim a
/// larger image (a decompression bomb, or simply a huge image) are refused before their pixels
/// are decoded. 512 MB holds an 8-bit RGBA image of about 11 500 × 11 500 pixels.
inline constexpr int allocationLimitMegabytes = 512;

/// The first image (the first frame of an animation) of the file at `path`, turned upright as
/// its orientation tag says and converted to sRGB when the file names another colour space, or
/// a one-line message saying why it cannot be read.
Result<QImage, std::string> read(const std::filesystem::path& path);

/// The same for an image held in memory (read from a pipe, for example); `name` stands for it
/// in the message.
Result<QImage, std::string> fromBytes(const QByteArray& bytes, const std::string& name);

} // namespace tarnveil::ImageDecoder
