#pragma once

#include <cstdint>
#include <string>

namespace tarnveil::testing {

/// A PNG whose header claims `width` × `height` pixels and holds no pixel data: what a
/// decompression bomb looks like to a reader before it decodes.
inline std::string pngHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    const auto crc = [](const std::string& bytes) {
        std::uint32_t c = 0xffffffffu;
        for (const unsigned char byte : bytes) {
            c ^= byte;
            for (int k = 0; k < 8; ++k) {
                c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
            }
        }
        return c ^ 0xffffffffu;
    };
    const auto be32 = [](std::uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    const auto chunk = [&](const std::string& type, const std::string& data) {
        return be32(std::uint32_t(data.size())) + type + data + be32(crc(type + data));
    };
    const std::string header = be32(width) + be32(height) + std::string{8, 2, 0, 0, 0};
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) +
           chunk("IEND", "");
}

} // namespace tarnveil::testing
