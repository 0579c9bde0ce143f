#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tarnveil::leakbench {

/// A reproducible source of random choices. std::mt19937's output is fixed by the standard,
/// and the reductions below are our own, so a seed gives the same corpus with every
/// standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}

    /// A number in [0, count); count must be positive.
    std::uint32_t below(std::uint32_t count) { return engine_() % count; }
    /// A number in [low, high].
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1))); }
    bool chance(int percent) { return static_cast<int>(below(100)) < percent; }

    char character(std::string_view alphabet) { return alphabet[below(static_cast<std::uint32_t>(alphabet.size()))]; }
    std::string string(std::string_view alphabet, int length)
    {
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += character(alphabet);
        }
        return text;
    }

    template <typename T>
    const T& pick(const std::vector<T>& choices)
    {
        return choices[below(static_cast<std::uint32_t>(choices.size()))];
    }

private:
    std::mt19937 engine_;
};

} // namespace tarnveil::leakbench
