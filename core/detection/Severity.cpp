#include "detection/Severity.h"

namespace tarnveil {

namespace {

constexpr std::array<std::string_view, severityCount> identifiers{"contextual", "identifier", "secret"};
constexpr std::array<std::string_view, severityCount> displayNames{"Contextual", "Identifier", "Secret"};

} // namespace

const std::array<Severity, severityCount>& allSeverities()
{
    static constexpr std::array<Severity, severityCount> all{Severity::contextual, Severity::identifier,
                                                             Severity::secret};
    return all;
}

std::string_view identifier(Severity severity) { return identifiers[static_cast<std::size_t>(severity)]; }

std::optional<Severity> severityFromIdentifier(std::string_view text)
{
    for (std::size_t i = 0; i < severityCount; ++i) {
        if (identifiers[i] == text) {
            return static_cast<Severity>(i);
        }
    }
    return std::nullopt;
}

std::string_view displayName(Severity severity) { return displayNames[static_cast<std::size_t>(severity)]; }

} // namespace tarnveil
