// Loading images and the scan pipeline: recognition, planning and the merge with the user's
// earlier decisions.

#include "EditorModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFutureWatcher>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

#include "EditorPlatform.h"
#include "ImageBridge.h"
#include "StatusLines.h"
#include "detection/DetectorRegistry.h"
#include "planning/RedactionPlanner.h"
#include "planning/ScanStatus.h"

namespace tarnveil {

namespace {

/// Calls `handler` on `context`'s thread once `future` has finished, with its result, or with
/// none when it was cancelled, threw or gave no result. Nothing is called once `context` is
/// gone.
template <class T, class Handler>
void whenFinished(QObject* context, QFuture<T> future, Handler handler)
{
    auto* watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, handler = std::move(handler)]() mutable {
                         std::optional<T> value;
                         const QFuture<T> finished = watcher->future();
                         try {
                             if (!finished.isCanceled() && finished.resultCount() > 0) {
                                 value = finished.result();
                             }
                         } catch (...) {
                             value.reset();
                         }
                         watcher->deleteLater();
                         handler(std::move(value));
                     });
    watcher->setFuture(std::move(future));
}

} // namespace

void EditorModel::load(const QImage& image, double scale, std::optional<QString> sourceURL)
{
    if (isExporting_) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::loadRefusedDuringExport)));
        return;
    }
    if (image.isNull()) {
        return;
    }
    const QUuid generation = QUuid::createUuid();
    scanGeneration_ = generation;
    cachedOCR_.reset();
    review_ = ReviewDecisions();
    setScanFailed(false);
    setProcessing(true);
    sourceURL_ = std::move(sourceURL);
    setImage(image);
    setImageScale(std::isfinite(scale) && scale > 0 ? scale : defaultImageScale);
    setRegions({});
    setSelection({});
    history_.clear();
    // A gesture still open on the previous image must not put that image's regions into this
    // image's history when it ends.
    interactionSnapshot_.reset();
    emit historyChanged();
    burnedCache_.reset();
    burnedDirty_ = true;
    setPreviewBurned(false);
    setFitToken(fitToken_ + 1);
    startPipelineLater(generation);
}

void EditorModel::paste()
{
    std::optional<QImage> image = ImageBridge::fromMimeData(platform_->clipboardContents());
    if (!image) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::noClipboardImage)));
        return;
    }
    load(*image, defaultImageScale, std::nullopt);
}

void EditorModel::reprocessWithActiveProfile()
{
    if (!image_ || isExporting_) {
        return;
    }
    const QUuid generation = QUuid::createUuid();
    scanGeneration_ = generation;
    setProcessing(true);
    startPipelineLater(generation);
}

void EditorModel::startPipelineLater(const QUuid& generation)
{
    QMetaObject::invokeMethod(
        this, [this, generation] { runPipeline(generation); }, Qt::QueuedConnection);
}

void EditorModel::runPipeline(std::optional<QUuid> generation)
{
    if (!image_ || isExporting_) {
        return;
    }
    if (generation && *generation != scanGeneration_) {
        return;
    }
    const QUuid current = generation.value_or(QUuid::createUuid());
    scanGeneration_ = current;
    setProcessing(true);
    setScanFailed(false);
    setStatus(StatusText::plain(QString::fromUtf8(StatusLines::scanning)));

    const Scan scan{current, activeProfile_, activeProfile_.allowlist(userAllowlist_)};
    if (cachedOCR_) {
        startPlanning(scan, *cachedOCR_);
        return;
    }
    if (!recognize) {
        recognitionFinished(scan, std::nullopt);
        return;
    }
    whenFinished(this, recognize(*image_), [this, scan](std::optional<std::optional<OCRResult>> result) {
        recognitionFinished(scan, result ? std::move(*result) : std::nullopt);
    });
}

void EditorModel::recognitionFinished(const Scan& scan, std::optional<OCRResult> result)
{
    if (scan.generation != scanGeneration_) {
        return;
    }
    if (!result) {
        failScan();
        return;
    }
    cachedOCR_ = std::move(result);
    startPlanning(scan, *cachedOCR_);
}

void EditorModel::startPlanning(const Scan& scan, const OCRResult& ocr)
{
    const RedactionPlanner planner(DetectorRegistry::makeDefault(scan.allowlist), planningPadding);
    auto planned = QtConcurrent::run([planner, ocr, profile = scan.profile, vocabulary = vocabulary_] {
        return planner.plan(ocr, profile, *vocabulary);
    });
    whenFinished(this, std::move(planned), [this, scan](std::optional<RegionList> regions) {
        planningFinished(scan, std::move(regions));
    });
}

void EditorModel::planningFinished(const Scan& scan, std::optional<RegionList> planned)
{
    if (scan.generation != scanGeneration_) {
        return;
    }
    if (!planned) {
        // Planning does not fail; should it throw all the same, the scan counts as failed so
        // that the export asks before anything leaves unreviewed.
        failScan();
        return;
    }
    pushUndo();
    setRegions(review_.merge(*planned, regions_));
    pruneSelection();
    setProcessing(false);
    setStatus(scanStatus(*planned, scan.profile));
}

void EditorModel::failScan()
{
    setProcessing(false);
    setScanFailed(true);
    setStatus(StatusText::plain(QString::fromUtf8(StatusLines::ocrFailed)));
}

StatusText EditorModel::scanStatus(const RegionList& planned, const Profile& profile)
{
    const QString name = QString::fromStdString(profile.name);
    const bool coversKey = std::any_of(planned.begin(), planned.end(), [](const RedactionRegion& region) {
        return region.category == DetectionCategory::privateKey;
    });
    const QString suffix = coversKey ? QString::fromUtf8(ScanStatus::privateKeySuffix.data(),
                                                         static_cast<qsizetype>(ScanStatus::privateKeySuffix.size()))
                                     : QString();
    if (planned.empty()) {
        return StatusText::translated(QString::fromUtf8(StatusLines::noDetections), {}, suffix);
    }
    if (planned.size() == 1) {
        return StatusText::translated(QString::fromUtf8(StatusLines::oneDetection), {name}, suffix);
    }
    return StatusText::translated(QString::fromUtf8(StatusLines::manyDetections),
                                  {QString::number(planned.size()), name}, suffix);
}

} // namespace tarnveil
