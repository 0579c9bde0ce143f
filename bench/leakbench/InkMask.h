#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace tarnveil::leakbench {

/// The ink of one text item: the pixels of a bounding box that the item's glyphs change.
/// Stored as alternating run lengths over the box in row-major order, the first run counting
/// pixels without ink (it may be 0). A 40 x 20 box of text holds a few hundred runs, far less
/// than a list of its pixels.
struct InkMask {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<int> runs;

    /// The mask of a `width` x `height` box at (`x`, `y`) from one flag per pixel, row-major.
    static InkMask fromBits(int x, int y, int width, int height, const std::vector<bool>& bits)
    {
        InkMask mask{x, y, width, height, {}};
        bool inInk = false;
        int run = 0;
        for (const bool bit : bits) {
            if (bit != inInk) {
                mask.runs.push_back(run);
                run = 0;
                inInk = bit;
            }
            ++run;
        }
        mask.runs.push_back(run);
        return mask;
    }

    std::size_t pixelCount() const
    {
        std::size_t count = 0;
        for (std::size_t i = 1; i < runs.size(); i += 2) {
            count += static_cast<std::size_t>(runs[i]);
        }
        return count;
    }

    /// Calls `visit(px, py)` for every ink pixel, in image coordinates.
    template <typename Visit>
    void forEachPixel(Visit&& visit) const
    {
        if (width <= 0) {
            return;
        }
        long long position = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (i % 2 == 1) {
                for (long long p = position; p < position + runs[i]; ++p) {
                    visit(x + static_cast<int>(p % width), y + static_cast<int>(p / width));
                }
            }
            position += runs[i];
        }
    }

    nlohmann::json toJson() const { return {{"x", x}, {"y", y}, {"width", width}, {"height", height}, {"runs", runs}}; }

    /// The mask in `json`, or none with `error` set when a field is missing, a run is
    /// negative, or the runs do not add up to exactly the box's area.
    static std::optional<InkMask> fromJson(const nlohmann::json& json, std::string& error)
    {
        if (!json.is_object()) {
            error = "ink mask must be an object";
            return std::nullopt;
        }
        InkMask mask;
        try {
            mask.x = json.at("x").get<int>();
            mask.y = json.at("y").get<int>();
            mask.width = json.at("width").get<int>();
            mask.height = json.at("height").get<int>();
            mask.runs = json.at("runs").get<std::vector<int>>();
        } catch (const nlohmann::json::exception& exception) {
            error = std::string("ink mask: ") + exception.what();
            return std::nullopt;
        }
        if (mask.width < 0 || mask.height < 0) {
            error = "ink mask has a negative size";
            return std::nullopt;
        }
        long long total = 0;
        for (const int run : mask.runs) {
            if (run < 0) {
                error = "ink mask has a negative run";
                return std::nullopt;
            }
            total += run;
        }
        if (total != static_cast<long long>(mask.width) * mask.height) {
            error = "ink mask runs add up to " + std::to_string(total) + " pixels, not the box's " +
                    std::to_string(static_cast<long long>(mask.width) * mask.height);
            return std::nullopt;
        }
        return mask;
    }
};

} // namespace tarnveil::leakbench
