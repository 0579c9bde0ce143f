#pragma once

namespace tarnveil {

/// A width and a height, in pixels unless stated otherwise.
struct Size {
    double width = 0;
    double height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

} // namespace tarnveil
