#pragma once

#include "capture/ScreenSource.h"

namespace tarnveil {

/// For desktops where no display can be grabbed: every grab fails with a clear message.
class NullScreenSource final : public ScreenSource {
public:
    void grab(std::function<void(ScreenGrab)> done) override;
};

} // namespace tarnveil
