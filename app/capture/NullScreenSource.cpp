#include "capture/NullScreenSource.h"

#include "editor/StatusLines.h"

namespace tarnveil {

void NullScreenSource::grab(std::function<void(ScreenGrab)> done)
{
    done(AreaCaptureResult::failed(StatusLines::captureUnavailable));
}

} // namespace tarnveil
