#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

#include <nlohmann/json.hpp>

namespace tarnveil::leakbench {

/// How a corpus was drawn, from the leakbench-corpus.json the generator writes beside the
/// images: the seed and the images per scene, which draw the same corpus again.
struct CorpusOrigin {
    std::optional<std::uint64_t> seed;
    int perScene = 0;

    static constexpr const char* fileName = "leakbench-corpus.json";

    /// The origin recorded in `directory`, or an empty one when the file is missing or does
    /// not say (a corpus drawn before the file existed).
    static CorpusOrigin read(const std::filesystem::path& directory)
    {
        std::ifstream in(directory / fileName);
        const nlohmann::json document = in ? nlohmann::json::parse(in, nullptr, false) : nlohmann::json();
        CorpusOrigin origin;
        if (document.is_object() && document.contains("seed") && document.at("seed").is_number_unsigned() &&
            document.contains("perScene") && document.at("perScene").is_number_integer()) {
            origin.seed = document.at("seed").get<std::uint64_t>();
            origin.perScene = document.at("perScene").get<int>();
        }
        return origin;
    }
};

} // namespace tarnveil::leakbench
