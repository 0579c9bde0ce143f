#pragma once

#include <variant>
#include <vector>

#include "capture/FrozenScreen.h"
#include "editor/AreaCaptureResult.h"

namespace tarnveil {

/// What a screen source delivers: every display frozen, for the user to select an area on, or
/// an outcome that needs no selection of ours (a failure, a cancel, or an area the desktop let
/// the user pick itself).
using ScreenGrab = std::variant<std::vector<FrozenScreen>, AreaCaptureResult>;

} // namespace tarnveil
