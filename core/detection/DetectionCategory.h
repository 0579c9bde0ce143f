#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarnveil {

/// The 27 kinds of sensitive value, in declaration order. The identifier of each member is its name.
enum class DetectionCategory {
    privateKey,
    jwt,
    awsAccessKey,
    awsSecretKey,
    githubToken,
    stripeKey,
    apiKey,
    slackToken,
    googleAPIKey,
    authHeader,
    hashBlob,
    windowsSID,
    passwordInContext,
    connectionString,
    ipv4,
    ipv6,
    macAddress,
    hostname,
    email,
    uncPath,
    sensitiveURLParam,
    uuid,
    iban,
    creditCard,
    phoneE164,
    macHomePath,
    windowsProfilePath,
};

inline constexpr std::size_t detectionCategoryCount = 27;

/// All members in declaration order.
const std::array<DetectionCategory, detectionCategoryCount>& allDetectionCategories();

/// The stable string identifier (the member's name).
std::string_view identifier(DetectionCategory category);

/// The member whose identifier equals `text` exactly (case-sensitive), or none.
std::optional<DetectionCategory> detectionCategoryFromIdentifier(std::string_view text);

/// The name shown to the user, e.g. "Hash / NTLM".
std::string_view displayName(DetectionCategory category);

/// The prefix of pseudonym labels, e.g. "EMAIL" for [EMAIL-1]. Both home-path categories share "USER".
std::string_view labelPrefix(DetectionCategory category);

} // namespace tarnveil

template <>
struct std::hash<tarnveil::DetectionCategory> {
    std::size_t operator()(tarnveil::DetectionCategory category) const noexcept
    {
        return std::hash<std::string_view>{}(tarnveil::identifier(category));
    }
};
