// Capturing an area of the screen: the application's windows step aside while the user picks
// the area, and come back however the capture ends.

#include "EditorModel.h"

#include <QPointer>
#include <QTimer>

#include "EditorPlatform.h"
#include "StatusLines.h"

namespace tarnveil {

void EditorModel::captureScreenshot()
{
    if (isCapturing_) {
        return;
    }
    if (areaCapture_ == nullptr) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::captureUnavailable)));
        return;
    }
    isCapturing_ = true;
    setStatus(StatusText::translated(QString::fromUtf8(StatusLines::selectAreaToCapture)));
    platform_->hideApplicationWindows();
    QTimer::singleShot(captureDelayMilliseconds, this, [this] {
        if (areaCapture_ == nullptr) {
            finishCapture(AreaCaptureResult::failed(StatusLines::captureUnavailable));
            return;
        }
        QPointer<EditorModel> model(this);
        areaCapture_->captureArea([model](AreaCaptureResult result) {
            if (model) {
                model->finishCapture(result);
            }
        });
    });
}

void EditorModel::finishCapture(const AreaCaptureResult& result)
{
    if (!isCapturing_) {
        return;
    }
    isCapturing_ = false;
    platform_->showApplicationWindows();
    if (result.image && !result.image->isNull()) {
        load(*result.image, result.scale, std::nullopt);
    } else if (result.failure) {
        setStatus(*result.failure);
    } else if (result.image) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::captureFailed)));
    } else {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::captureCancelled)));
    }
}

} // namespace tarnveil
