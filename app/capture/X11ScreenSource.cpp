#include "capture/X11ScreenSource.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "editor/StatusLines.h"

namespace tarnveil {

void X11ScreenSource::grab(std::function<void(ScreenGrab)> done)
{
    std::vector<FrozenScreen> screens;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QPixmap pixmap = screen->grabWindow(0);
        if (pixmap.isNull()) {
            continue;
        }
        FrozenScreen frozen;
        frozen.geometry = screen->geometry();
        frozen.image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        // The grab's own size decides the ratio: it is what the pixels are.
        frozen.devicePixelRatio = frozen.geometry.width() > 0
                                      ? double(frozen.image.width()) / frozen.geometry.width()
                                      : screen->devicePixelRatio();
        frozen.image.setDevicePixelRatio(frozen.devicePixelRatio);
        frozen.screen = screen;
        screens.push_back(std::move(frozen));
    }
    if (screens.empty()) {
        done(AreaCaptureResult::failed(StatusLines::noMatchingDisplay));
        return;
    }
    done(std::move(screens));
}

} // namespace tarnveil
