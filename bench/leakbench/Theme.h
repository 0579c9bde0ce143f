#pragma once

#include <array>
#include <string>

#include <QColor>

#include "ColorRole.h"

namespace tarnveil::leakbench {

/// The colours of a light or a dark desktop.
class Theme {
public:
    static Theme light();
    static Theme dark();
    /// The classic PowerShell console: light text on dark blue.
    static Theme powershellBlue();
    /// A Windows console: light grey text on black.
    static Theme consoleBlack();
    /// One of the themes above by its name; throws std::invalid_argument for another name.
    static Theme named(const std::string& name);

    const std::string& name() const { return name_; }
    QColor color(ColorRole role) const { return colors_[static_cast<std::size_t>(role)]; }

private:
    Theme(std::string name, std::array<QColor, colorRoleCount> colors);

    std::string name_;
    std::array<QColor, colorRoleCount> colors_;
};

} // namespace tarnveil::leakbench
