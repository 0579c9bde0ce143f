#include "FakeEditorPlatform.h"

namespace tarnveil::test {

void FakeEditorPlatform::putImageOnClipboard(const QImage& image)
{
    clipboard_ = std::make_unique<QMimeData>();
    clipboard_->setImageData(image);
}

void FakeEditorPlatform::putFilesOnClipboard(const QList<QUrl>& urls)
{
    clipboard_ = std::make_unique<QMimeData>();
    clipboard_->setUrls(urls);
}

void FakeEditorPlatform::clearClipboard()
{
    clipboard_.reset();
}

const QMimeData* FakeEditorPlatform::clipboardContents()
{
    return clipboard_.get();
}

bool FakeEditorPlatform::copyPngToClipboard(const QByteArray& png, const QImage& image)
{
    if (!clipboardAcceptsCopies) {
        return false;
    }
    copiedPng = png;
    clipboard_ = std::make_unique<QMimeData>();
    clipboard_->setImageData(image);
    clipboard_->setData(QStringLiteral("image/png"), png);
    return true;
}

std::optional<QString> FakeEditorPlatform::chooseSaveLocation(const QString& suggestedName, FileType type)
{
    saveRequests.push_back({suggestedName, type});
    if (saveAnswers.empty()) {
        return std::nullopt;
    }
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    return answer;
}

bool FakeEditorPlatform::confirm(const ModalQuestion& question)
{
    questions.push_back(question);
    return confirmAnswer;
}

std::optional<QString> FakeEditorPlatform::desktopFolder()
{
    return desktop;
}

bool FakeEditorPlatform::reduceMotion()
{
    return motionReduced;
}

std::optional<QString> FakeEditorPlatform::setting(const QString& key)
{
    const auto found = settings.find(key);
    if (found == settings.end()) {
        return std::nullopt;
    }
    return found->second;
}

void FakeEditorPlatform::setSetting(const QString& key, const QString& value)
{
    settings[key] = value;
}

} // namespace tarnveil::test
