#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "ImageTruth.h"

namespace tarnveil::leakbench {

/// The ground-truth file written beside every corpus image (IMAGE.truth.json):
///
/// {"image": "07-terminal-dark-s2-hack-14.png", "width": 2880, "height": 1650,
///  "scene": "terminal", "variant": "", "theme": "dark", "scale": 2,
///  "monoFont": "Hack", "uiFont": "Open Sans", "fontSize": 14,
///  "rendering": "subpixel-rgb", "degradation": "scaled-75",
///  "values": [{"id": "v0", "kind": "ipv4", "text": "10.4.7.19", "line": "...",
///              "font": "Hack", "fontSize": 14,
///              "ink": {"x": 301, "y": 88, "width": 120, "height": 19, "runs": [3, 2, ...]}}],
///  "decoys": [... the same fields, "kind" naming the decoy kind ...]}
///
/// "fontSize" is the size before scaling; "ink" is an InkMask, in the pixels of the image the
/// scan reads (after a resize, when "degradation" is "scaled-75"). "image" names a .png, or the
/// .jpg of a recompressed image.
class TruthJson {
public:
    static nlohmann::json encode(const ImageTruth& truth);
    /// The truth in `json`, or none with `error` naming the first defect.
    static std::optional<ImageTruth> decode(const nlohmann::json& json, std::string& error);
    static std::optional<ImageTruth> read(const std::filesystem::path& path, std::string& error);
    /// Throws std::runtime_error when the file cannot be written.
    static void write(const std::filesystem::path& path, const ImageTruth& truth);
};

} // namespace tarnveil::leakbench
