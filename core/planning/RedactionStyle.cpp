#include "planning/RedactionStyle.h"

#include <array>

namespace tarnveil {

namespace {

constexpr std::array<std::string_view, 4> kindIdentifiers{"solid", "labeled", "blur", "pixelate"};

} // namespace

std::string_view RedactionStyle::identifier(Kind kind) { return kindIdentifiers[static_cast<std::size_t>(kind)]; }

std::optional<RedactionStyle::Kind> RedactionStyle::kindFromIdentifier(std::string_view text)
{
    for (std::size_t i = 0; i < kindIdentifiers.size(); ++i) {
        if (kindIdentifiers[i] == text) {
            return static_cast<Kind>(i);
        }
    }
    return std::nullopt;
}

} // namespace tarnveil
