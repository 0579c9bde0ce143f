#include "capture/NullScreenSource.h"

#include "editor/StatusLines.h"

namespace tarnveil {

void NullScreenSource::grab(std::function<void(ScreenGrab)> done)
{
    done(AreaCaptureResult::failed(StatusText::translated(QString::fromUtf8(StatusLines::captureUnavailable))));
}

} // namespace tarnveil
