#include "capture/ScreenCapturer.h"

#include <utility>

#include "editor/StatusLines.h"

namespace tarnveil {

ScreenCapturer::ScreenCapturer(std::unique_ptr<ScreenSource> source) : source_(std::move(source)) {}

void ScreenCapturer::captureArea(std::function<void(AreaCaptureResult)> done)
{
    source_->grab([this, done = std::move(done)](ScreenGrab grab) {
        if (auto* outcome = std::get_if<AreaCaptureResult>(&grab)) {
            done(std::move(*outcome));
            return;
        }
        auto screens = std::make_shared<std::vector<FrozenScreen>>(std::get<std::vector<FrozenScreen>>(std::move(grab)));
        if (screens->empty()) {
            done(AreaCaptureResult::failed(StatusLines::noMatchingDisplay));
            return;
        }
        selector_.begin(*screens, [screens, done](std::optional<SelectedArea> area) {
            if (!area) {
                done(AreaCaptureResult::cancelled());
                return;
            }
            if (area->screen >= screens->size()) {
                done(AreaCaptureResult::failed(StatusLines::noMatchingDisplay));
                return;
            }
            const FrozenScreen& screen = (*screens)[area->screen];
            QImage image = screen.cut(area->rect);
            if (image.isNull()) {
                done(AreaCaptureResult::failed(StatusLines::captureFailed));
                return;
            }
            done(AreaCaptureResult::captured(std::move(image), screen.devicePixelRatio));
        });
    });
}

} // namespace tarnveil
