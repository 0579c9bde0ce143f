#pragma once

#include <functional>

#include "capture/ScreenGrab.h"

namespace tarnveil {

/// A way of grabbing the displays: X11, the desktop portal, or none. `grab` calls `done`
/// exactly once on the caller's thread, possibly after it has returned.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;

    virtual void grab(std::function<void(ScreenGrab)> done) = 0;
};

} // namespace tarnveil
