#pragma once

#include "capture/ScreenSource.h"

namespace tarnveil {

/// Grabs every screen of an X11 display from the root window, each at its device pixel ratio,
/// before anything of the selector is shown. Needs no compositor.
class X11ScreenSource final : public ScreenSource {
public:
    void grab(std::function<void(ScreenGrab)> done) override;
};

} // namespace tarnveil
