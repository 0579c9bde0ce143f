#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "detection/Result.h"
#include "ocr/OCRResult.h"

namespace tarnveil::OCRResultJson {

/// The OCR result file: the image size and every recognised line with its confidence, pass,
/// normalised box and, optionally, its symbols (byte spans of the line with their normalised
/// boxes). A line with symbols gets a SymbolBoxesText handle; a line without has none, and
/// its detections are redacted with the whole line's box. Pixel boxes are derived from the
/// normalised boxes and the image size.
///
/// {"imageSize": {"width": 1280, "height": 720},
///  "observations": [{"string": "token=abc", "confidence": 0.93, "source": "native",
///                    "normalizedBoundingBox": {"x": 0.1, "y": 0.8, "width": 0.3, "height": 0.02},
///                    "symbols": [{"start": 0, "end": 1, "box": {"x": 0.1, ...}}, ...]}]}

/// Limits on what a file may hold; anything beyond is rejected as malformed.
inline constexpr std::size_t maxFileBytes = std::size_t{32} << 20;
inline constexpr std::size_t maxObservations = 20'000;
inline constexpr std::size_t maxLineBytes = 16 * 1024;
inline constexpr std::size_t maxTotalTextBytes = std::size_t{2} << 20;
inline constexpr double maxImageSide = 1'000'000;
inline constexpr double maxCoordinate = 1'000'000;

/// The result held in `json`, or a one-line message naming the first problem found.
Result<OCRResult, std::string> decode(std::string_view json);

/// The result held in the file at `from`, or a one-line message.
Result<OCRResult, std::string> read(const std::filesystem::path& from);

/// The file form of `result`. Symbols are written for lines whose handle is a SymbolBoxesText.
/// Fails on a non-finite number or a text that is not valid UTF-8.
Result<std::string, std::string> encode(const OCRResult& result);

} // namespace tarnveil::OCRResultJson
