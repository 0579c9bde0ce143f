#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMimeData>
#include <QString>
#include <QUrl>

#include "editor/EditorPlatform.h"

namespace tarnveil::test {

/// The desktop as a test scripts it: a clipboard held in memory, save dialogs and questions
/// answered from prepared answers, and settings in a map. Records what the model asked for.
class FakeEditorPlatform final : public EditorPlatform {
public:
    struct SaveRequest {
        QString suggestedName;
        FileType type;
    };

    // Clipboard.
    void putImageOnClipboard(const QImage& image);
    void putFilesOnClipboard(const QList<QUrl>& urls);
    void clearClipboard();
    bool clipboardAcceptsCopies = true;
    std::optional<QByteArray> copiedPng;

    // Save dialogs: answered in order; an empty answer, or none left, is a cancel.
    std::deque<QString> saveAnswers;
    std::vector<SaveRequest> saveRequests;

    // Questions.
    bool confirmAnswer = false;
    std::vector<ModalQuestion> questions;

    std::optional<QString> desktop;
    bool motionReduced = false;
    std::map<QString, QString> settings;

    // Windows: whether the model has them hidden, and how often each call came.
    bool windowsHidden = false;
    int hideCalls = 0;
    int showCalls = 0;

    const QMimeData* clipboardContents() override;
    bool copyPngToClipboard(const QByteArray& png, const QImage& image) override;
    std::optional<QString> chooseSaveLocation(const QString& suggestedName, FileType type) override;
    bool confirm(const ModalQuestion& question) override;
    std::optional<QString> desktopFolder() override;
    bool reduceMotion() override;
    std::optional<QString> setting(const QString& key) override;
    void setSetting(const QString& key, const QString& value) override;
    void hideApplicationWindows() override
    {
        windowsHidden = true;
        ++hideCalls;
    }
    void showApplicationWindows() override
    {
        windowsHidden = false;
        ++showCalls;
    }

private:
    std::unique_ptr<QMimeData> clipboard_;
};

} // namespace tarnveil::test
