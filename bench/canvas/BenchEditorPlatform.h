#pragma once

#include "editor/EditorPlatform.h"

namespace tarnveil::bench {

/// A desktop that offers nothing: no clipboard, no dialogs, no Desktop folder, animations on,
/// settings forgotten. Enough for the canvas benchmarks, which never export.
class BenchEditorPlatform final : public EditorPlatform {
public:
    const QMimeData* clipboardContents() override { return nullptr; }
    bool copyPngToClipboard(const QByteArray&, const QImage&) override { return false; }
    std::optional<QString> chooseSaveLocation(const QString&, FileType) override { return std::nullopt; }
    bool confirm(const ModalQuestion&) override { return false; }
    std::optional<QString> desktopFolder() override { return std::nullopt; }
    bool reduceMotion() override { return false; }
    std::optional<QString> setting(const QString&) override { return std::nullopt; }
    void setSetting(const QString&, const QString&) override {}
};

} // namespace tarnveil::bench
