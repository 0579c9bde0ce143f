#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarnveil {

/// The identity of a redaction region: a random 128-bit UUID (version 4).
class RegionID {
public:
    /// The nil UUID (all zero bits); never produced by `generate`.
    constexpr RegionID() = default;
    constexpr explicit RegionID(const std::array<std::uint8_t, 16>& bytes) : bytes_(bytes) {}

    /// A new random version-4 UUID from the operating system's random source.
    static RegionID generate();

    /// The identifier written as lowercase 8-4-4-4-12 hexadecimal text, or none for any other text.
    /// Upper-case digits are accepted.
    static std::optional<RegionID> fromString(std::string_view text);

    /// "xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx" in lower case.
    std::string toString() const;

    const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }

    friend constexpr auto operator<=>(const RegionID&, const RegionID&) = default;

private:
    std::array<std::uint8_t, 16> bytes_{};
};

} // namespace tarnveil

template <>
struct std::hash<tarnveil::RegionID> {
    std::size_t operator()(const tarnveil::RegionID& id) const noexcept
    {
        // The bits are random already; fold them.
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            high = (high << 8) | id.bytes()[i];
            low = (low << 8) | id.bytes()[i + 8];
        }
        return static_cast<std::size_t>(high ^ (low * 0x9E3779B97F4A7C15ULL));
    }
};
