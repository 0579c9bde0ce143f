#pragma once

#include <functional>

#include "AreaCaptureResult.h"

namespace tarnveil {

/// Lets the user pick an area of the screen and captures it. The application's windows are
/// already hidden when `captureArea` is called; `done` is called exactly once, on the caller's
/// thread, possibly after `captureArea` has returned.
class AreaCapture {
public:
    virtual ~AreaCapture() = default;

    virtual void captureArea(std::function<void(AreaCaptureResult)> done) = 0;
};

} // namespace tarnveil
