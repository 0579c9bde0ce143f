#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "planning/RGBColor.h"

namespace tarnveil {

/// The colours of opaque redactions. Stored records hold the identifier ("grey", with an e).
enum class FillColor {
    black,
    white,
    grey,
};

inline constexpr std::size_t fillColorCount = 3;

/// [black, white, grey].
const std::array<FillColor, fillColorCount>& allFillColors();

/// "black", "white" or "grey".
std::string_view identifier(FillColor fill);

/// The member whose identifier equals `text` exactly (case-sensitive), or none.
std::optional<FillColor> fillColorFromIdentifier(std::string_view text);

/// The colour the region is filled with.
RGBColor color(FillColor fill);

/// The colour a label is written in on that fill: black on white, white on black and grey.
RGBColor labelColor(FillColor fill);

} // namespace tarnveil
