#include "planning/RegionID.h"

#include <sys/random.h>

#include <cerrno>
#include <random>

namespace tarnveil {

namespace {

constexpr std::string_view hexDigits = "0123456789abcdef";
/// Whether the text form has a hyphen after the byte at `index` (8-4-4-4-12 digits).
constexpr bool hyphenAfter(std::size_t index) { return index == 3 || index == 5 || index == 7 || index == 9; }

/// Fills `bytes` from the kernel's random source, or from std::random_device where the
/// call is unavailable.
void fillRandom(std::array<std::uint8_t, 16>& bytes)
{
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
        if (got > 0) {
            filled += static_cast<std::size_t>(got);
        } else if (got < 0 && errno != EINTR) {
            break;
        }
    }
    if (filled == bytes.size()) {
        return;
    }
    std::random_device device;
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(device());
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

RegionID RegionID::generate()
{
    std::array<std::uint8_t, 16> bytes{};
    fillRandom(bytes);
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    return RegionID(bytes);
}

std::optional<RegionID> RegionID::fromString(std::string_view text)
{
    if (text.size() != 36) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 16> bytes{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = hexValue(text[at]);
        const int low = hexValue(text[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
        at += 2;
        if (hyphenAfter(i)) {
            if (text[at] != '-') {
                return std::nullopt;
            }
            ++at;
        }
    }
    return RegionID(bytes);
}

std::string RegionID::toString() const
{
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        text += hexDigits[bytes_[i] >> 4];
        text += hexDigits[bytes_[i] & 0x0F];
        if (hyphenAfter(i)) {
            text += '-';
        }
    }
    return text;
}

} // namespace tarnveil
