#pragma once

#include <memory>

#include "capture/RegionSelector.h"
#include "capture/ScreenSource.h"
#include "editor/AreaCapture.h"

namespace tarnveil {

/// The application's screen-area capture: grabs every display through its source, lets the
/// user select an area on the frozen displays and cuts that area out at full resolution, with
/// the display's pixel ratio as the image's scale.
class ScreenCapturer final : public AreaCapture {
public:
    explicit ScreenCapturer(std::unique_ptr<ScreenSource> source);

    void captureArea(std::function<void(AreaCaptureResult)> done) override;

    RegionSelector& selector() { return selector_; }

private:
    std::unique_ptr<ScreenSource> source_;
    RegionSelector selector_;
};

} // namespace tarnveil
