#pragma once

#include <optional>
#include <string_view>

#include "planning/FillColor.h"

namespace tarnveil {

/// How a region is destroyed: an opaque fill, an opaque fill with the region's label written
/// on it, a Gaussian blur, or pixellation. Blur and pixellation keep a transformed image of
/// the hidden pixels and are therefore reversible; only the fills are safe for secrets.
class RedactionStyle {
public:
    enum class Kind {
        solid,
        labeled,
        blur,
        pixelate,
    };

    static constexpr RedactionStyle solid(FillColor fill) { return RedactionStyle(Kind::solid, fill); }
    static constexpr RedactionStyle labeled(FillColor fill) { return RedactionStyle(Kind::labeled, fill); }
    static constexpr RedactionStyle blur() { return RedactionStyle(Kind::blur, std::nullopt); }
    static constexpr RedactionStyle pixelate() { return RedactionStyle(Kind::pixelate, std::nullopt); }

    /// The Gaussian sigma of the blur, in pixels.
    static constexpr double blurRadius = 20;
    /// The side of a pixellation cell, in pixels.
    static constexpr int pixelateCell = 12;
    /// solid(black).
    static const RedactionStyle defaultStyle;

    constexpr Kind kind() const { return kind_; }
    /// The fill of a solid or labeled style; none for blur and pixelate.
    constexpr std::optional<FillColor> fill() const { return fill_; }

    constexpr bool isReversible() const { return kind_ == Kind::blur || kind_ == Kind::pixelate; }
    constexpr bool isSafeForSecrets() const { return !isReversible(); }

    /// Same case and, for the fills, same colour.
    friend constexpr bool operator==(const RedactionStyle&, const RedactionStyle&) = default;

    /// "solid", "labeled", "blur" or "pixelate".
    static std::string_view identifier(Kind kind);
    static std::optional<Kind> kindFromIdentifier(std::string_view text);

private:
    constexpr RedactionStyle(Kind kind, std::optional<FillColor> fill) : kind_(kind), fill_(fill) {}

    Kind kind_;
    std::optional<FillColor> fill_;
};

inline constexpr RedactionStyle RedactionStyle::defaultStyle = RedactionStyle::solid(FillColor::black);

} // namespace tarnveil
