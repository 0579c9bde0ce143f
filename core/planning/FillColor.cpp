#include "planning/FillColor.h"

namespace tarnveil {

namespace {

constexpr RGBColor blackColor{0, 0, 0, 1};
constexpr RGBColor whiteColor{1, 1, 1, 1};
constexpr RGBColor greyColor{0.5, 0.5, 0.5, 1};

constexpr std::array<std::string_view, fillColorCount> identifiers{"black", "white", "grey"};

} // namespace

const std::array<FillColor, fillColorCount>& allFillColors()
{
    static constexpr std::array<FillColor, fillColorCount> all{FillColor::black, FillColor::white, FillColor::grey};
    return all;
}

std::string_view identifier(FillColor fill) { return identifiers[static_cast<std::size_t>(fill)]; }

std::optional<FillColor> fillColorFromIdentifier(std::string_view text)
{
    for (const FillColor fill : allFillColors()) {
        if (identifier(fill) == text) {
            return fill;
        }
    }
    return std::nullopt;
}

RGBColor color(FillColor fill)
{
    switch (fill) {
    case FillColor::white:
        return whiteColor;
    case FillColor::grey:
        return greyColor;
    case FillColor::black:
        break;
    }
    return blackColor;
}

RGBColor labelColor(FillColor fill) { return fill == FillColor::white ? blackColor : whiteColor; }

} // namespace tarnveil
