#pragma once

#include <array>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnveil::DetectionValidators {

/// A dotted quad: four pieces of one to three ASCII digits, each below 256.
bool isValidIPv4(std::string_view text);

/// The address as a number, first octet in the top byte, or none when not a valid IPv4 address.
std::optional<uint32_t> ipv4ToUInt32(std::string_view text);

/// True when `address` lies in the network `inCIDR`/`prefix`. Only the top `prefix` bits of
/// the network address count; a prefix outside 0...32 or an invalid address gives false.
bool ipv4(std::string_view address, std::string_view inCIDR, int prefix);

/// An IPv6 address: eight groups, or fewer around one "::" that stands for at least one
/// group; the last group may be an embedded IPv4 address (counted as two groups).
bool isValidIPv6(std::string_view text);

/// 13 to 19 digits (any other characters ignored) passing the Luhn check.
bool isValidCreditCard(std::string_view text);

/// An IBAN (spaces ignored, any letter case) passing the ISO 7064 mod-97 check.
bool isValidIBAN(std::string_view text);

/// False when the last dot-separated label is a known file extension (any letter case).
bool isHostName(std::string_view text);

/// The macOS home folder that belongs to no person.
inline constexpr std::string_view sharedMacHome = "Shared";

/// The Windows profile folders that belong to no person.
inline constexpr std::array<std::string_view, 4> sharedWindowsProfiles{"Public", "Default", "All Users", "Default User"};

/// False for the shared macOS home folder "Shared".
bool isPersonalMacUserName(std::string_view text);

/// False for the Windows profile folders that belong to no person.
bool isPersonalWindowsUserName(std::string_view text);

} // namespace tarnveil::DetectionValidators
