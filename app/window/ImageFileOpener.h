#pragma once

#include <QStringList>

namespace tarnveil {

class EditorModel;

/// Opens image files handed to the application (command line, Open Image…): the first file
/// that decodes as an image is loaded at the default scale with its absolute path as source.
class ImageFileOpener {
public:
    /// Loads the first of `files` that decodes; the files before it that do not are named on
    /// standard error, the files after it are left alone. True when one was loaded.
    static bool openFirst(EditorModel& model, const QStringList& files);
};

} // namespace tarnveil
