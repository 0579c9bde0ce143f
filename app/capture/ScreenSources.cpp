#include "capture/ScreenSources.h"

#include <cstdio>

#include <QGuiApplication>

#include "capture/NullScreenSource.h"
#include "capture/PortalScreenSource.h"
#include "capture/X11ScreenSource.h"

namespace tarnveil::ScreenSources {

namespace {

bool waylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

std::unique_ptr<ScreenSource> named(const QString& name)
{
    if (name == QLatin1String("x11")) {
        return std::make_unique<X11ScreenSource>();
    }
    if (name == QLatin1String("portal")) {
        return std::make_unique<PortalScreenSource>();
    }
    if (name == QLatin1String("null")) {
        return std::make_unique<NullScreenSource>();
    }
    return nullptr;
}

std::unique_ptr<ScreenSource> forThisDesktop()
{
    const QString forced = qEnvironmentVariable(backendVariable);
    if (!forced.isEmpty()) {
        if (std::unique_ptr<ScreenSource> source = named(forced)) {
            return source;
        }
        std::fprintf(stderr, "tarnveil: %s=%s is not x11, portal or null; screen capture is off\n", backendVariable,
                     forced.toLocal8Bit().constData());
        return std::make_unique<NullScreenSource>();
    }
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")) || (platform == QLatin1String("xcb") && waylandSession())) {
        return std::make_unique<PortalScreenSource>();
    }
    if (platform == QLatin1String("xcb")) {
        return std::make_unique<X11ScreenSource>();
    }
    return std::make_unique<NullScreenSource>();
}

} // namespace tarnveil::ScreenSources
