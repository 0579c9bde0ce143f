#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace tarnveil {

/// How dangerous a finding is, ordered from least to most severe:
/// contextual < identifier < secret. The built-in comparison operators of the
/// enumeration follow that declaration order.
enum class Severity {
    contextual,
    identifier,
    secret,
};

inline constexpr std::size_t severityCount = 3;

const std::array<Severity, severityCount>& allSeverities();

/// The stable string identifier (the member's name).
std::string_view identifier(Severity severity);

/// The member whose identifier equals `text` exactly (case-sensitive), or none.
std::optional<Severity> severityFromIdentifier(std::string_view text);

/// "Contextual", "Identifier" or "Secret".
std::string_view displayName(Severity severity);

} // namespace tarnveil

template <>
struct std::hash<tarnveil::Severity> {
    std::size_t operator()(tarnveil::Severity severity) const noexcept
    {
        return std::hash<std::string_view>{}(tarnveil::identifier(severity));
    }
};
