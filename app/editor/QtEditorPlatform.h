#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "EditorPlatform.h"

namespace tarnveil {

/// The editor's desktop services on Qt: QClipboard, QFileDialog, QMessageBox, the XDG Desktop
/// folder, the desktop's animation setting and QSettings (organisation and application
/// "Tarnveil"). Needs a QApplication.
class QtEditorPlatform final : public EditorPlatform {
public:
    static constexpr const char* organisation = "Tarnveil";
    static constexpr const char* application = "Tarnveil";

    const QMimeData* clipboardContents() override;
    bool copyPngToClipboard(const QByteArray& png, const QImage& image) override;
    std::optional<QString> chooseSaveLocation(const QString& suggestedName, FileType type) override;
    bool confirm(const ModalQuestion& question) override;
    std::optional<QString> desktopFolder() override;
    /// The desktop's setting, read at most once every `reduceMotionRefreshSeconds`: reading
    /// it starts a helper process, and the views ask on every show and export.
    bool reduceMotion() override;
    std::optional<QString> setting(const QString& key) override;
    void setSetting(const QString& key, const QString& value) override;
    void hideApplicationWindows() override;
    void showApplicationWindows() override;

    static constexpr qint64 reduceMotionRefreshSeconds = 10;

private:
    std::optional<bool> reduceMotion_;
    QElapsedTimer reduceMotionAge_;
    QList<QPointer<QWidget>> hiddenWindows_;
};

} // namespace tarnveil
