#pragma once

#include <memory>

#include <QString>

#include "capture/ScreenSource.h"

/// Chooses how the displays are grabbed, at run time.
namespace tarnveil::ScreenSources {

/// Forces a source by name ("x11", "portal" or "null"), for tests and for desktops the choice
/// below gets wrong.
inline constexpr const char* backendVariable = "TARNVEIL_CAPTURE_BACKEND";

/// The source named in `backendVariable` when it is set; otherwise X11 on an X11 session, the
/// desktop portal on a Wayland session (also for applications running through XWayland, which
/// cannot read other applications' windows), and none elsewhere.
std::unique_ptr<ScreenSource> forThisDesktop();

/// The source called `name`; none for an unknown name.
std::unique_ptr<ScreenSource> named(const QString& name);

} // namespace tarnveil::ScreenSources
