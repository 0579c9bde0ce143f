#pragma once

#include <optional>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "ModalQuestion.h"

class QMimeData;

namespace tarnveil {

/// The desktop services the editor model uses: the clipboard, the save dialog, modal
/// questions, the Desktop folder, the reduce-motion setting, the stored settings and hiding
/// the application's windows while the screen is captured. The
/// application uses the Qt implementation; tests use a fake. Every call happens on the
/// model's thread.
class EditorPlatform {
public:
    /// What a save dialog offers to save.
    enum class FileType {
        png, ///< a PNG image
        csv, ///< comma-separated text
    };

    virtual ~EditorPlatform() = default;

    /// The clipboard's current content, or null when it holds nothing. Valid until the
    /// clipboard changes; read it at once.
    virtual const QMimeData* clipboardContents() = 0;

    /// Replaces the clipboard's content with `png` under "image/png" and `image` as an image.
    /// True when the clipboard took the data.
    virtual bool copyPngToClipboard(const QByteArray& png, const QImage& image) = 0;

    /// The file the user chose in a save dialog that proposes `suggestedName` and offers only
    /// `type`; none when the user cancelled.
    virtual std::optional<QString> chooseSaveLocation(const QString& suggestedName, FileType type) = 0;

    /// Asks `question` modally; true only when the user chose the confirming answer.
    virtual bool confirm(const ModalQuestion& question) = 0;

    /// The first of the user's Desktop folders, or none. The folder may not exist.
    virtual std::optional<QString> desktopFolder() = 0;

    /// True when the desktop asks applications to avoid animation.
    virtual bool reduceMotion() = 0;

    /// The stored setting under `key`, or none.
    virtual std::optional<QString> setting(const QString& key) = 0;
    /// Stores `value` under `key`.
    virtual void setSetting(const QString& key, const QString& value) = 0;

    /// Hides every visible window of the application and remembers them.
    virtual void hideApplicationWindows() = 0;
    /// Shows the windows hidden last again, brings them to the front and activates the first.
    virtual void showApplicationWindows() = 0;
};

} // namespace tarnveil
