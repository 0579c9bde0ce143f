#pragma once

#include <QStringList>

namespace tarnveil {

class EditorModel;

/// What the application does with files handed to it (command line, a later launch, the
/// file manager, Open Image…) and with its last window.
class AppDelegate {
public:
    /// Loads the first of `files` that decodes as an image, at the default scale with its
    /// absolute path as source; the files before it that do not are named on standard error,
    /// the files after it are left alone. True when one was loaded.
    static bool openFiles(EditorModel& model, const QStringList& files);
    /// Closing the last window ends the process only when no tray item could bring the window
    /// back.
    static bool shouldTerminateAfterLastWindowClosed(bool showsTrayItem) { return !showsTrayItem; }
};

} // namespace tarnveil
