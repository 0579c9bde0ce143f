#include "EditorModel.h"

#include <utility>

#include <QtConcurrent/QtConcurrentRun>

#include "EditorPlatform.h"
#include "StatusLines.h"
#include "ocr/engine/OCRService.h"

namespace tarnveil {

namespace {

/// Recognises `image` with a new OCR service on a worker thread. An engine error, or anything
/// thrown on the way (an image too large to copy, for example), counts as no result.
QFuture<std::optional<OCRResult>> recognizeWithOCRService(const QImage& image)
{
    return QtConcurrent::run([image]() -> std::optional<OCRResult> {
        try {
            const OCRService service(EditorModel::ocrUpscaleThresholdWidth, EditorModel::ocrDedupIoUThreshold);
            auto result = service.recognizeText(image);
            if (!result.ok()) {
                return std::nullopt;
            }
            return std::move(result).value();
        } catch (...) {
            return std::nullopt;
        }
    });
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString randomNameSuffix()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).left(8).toUpper();
}

AppTheme storedTheme(EditorPlatform& platform)
{
    const std::optional<QString> stored = platform.setting(QString::fromUtf8(EditorModel::themeSettingKey));
    if (!stored) {
        return AppTheme::midnight;
    }
    return appThemeFromIdentifier(stored->toStdString()).value_or(AppTheme::midnight);
}

} // namespace

EditorModel::EditorModel(std::shared_ptr<EditorPlatform> platform, QObject* parent)
    : QObject(parent),
      recognize(recognizeWithOCRService),
      exportNameSuffix(randomNameSuffix),
      platform_(std::move(platform)),
      status_(StatusText::translated(QString::fromUtf8(StatusLines::pasteToBegin))),
      activeProfile_(Profile::pentestReport()),
      scanGeneration_(QUuid::createUuid()),
      vocabulary_(std::make_shared<SessionVocabulary>())
{
    theme_ = storedTheme(*platform_);
}

EditorModel::~EditorModel() = default;

void EditorModel::setTheme(AppTheme theme)
{
    platform_->setSetting(QString::fromUtf8(themeSettingKey), fromView(identifier(theme)));
    if (theme_ != theme) {
        theme_ = theme;
        emit themeChanged();
    }
}

void EditorModel::setPreviewBurned(bool shown)
{
    if (previewBurned_ != shown) {
        previewBurned_ = shown;
        emit previewBurnedChanged();
    }
}

void EditorModel::setInspectorVisible(bool visible)
{
    if (inspectorVisible_ != visible) {
        inspectorVisible_ = visible;
        emit inspectorVisibleChanged();
    }
}

void EditorModel::setZoom(double zoom)
{
    if (zoom_ != zoom) {
        zoom_ = zoom;
        emit zoomChanged();
    }
}

void EditorModel::requestFit()
{
    setFitToken(fitToken_ + 1);
}

void EditorModel::setActiveProfile(Profile profile)
{
    if (!(activeProfile_ == profile)) {
        activeProfile_ = std::move(profile);
        emit activeProfileChanged();
    }
}

void EditorModel::setShowAbout(bool shown)
{
    if (showAbout_ != shown) {
        showAbout_ = shown;
        emit showAboutChanged();
    }
}

void EditorModel::setImage(std::optional<QImage> image)
{
    image_ = std::move(image);
    burnedDirty_ = true;
    emit imageChanged();
}

void EditorModel::setImageScale(double scale)
{
    if (imageScale_ != scale) {
        imageScale_ = scale;
        emit imageScaleChanged();
    }
}

void EditorModel::setRegions(RegionList regions)
{
    regions_ = std::move(regions);
    burnedDirty_ = true;
    emit regionsChanged();
}

void EditorModel::setSelection(std::set<RegionID> selection)
{
    if (selection_ != selection) {
        selection_ = std::move(selection);
        emit selectionChanged();
    }
}

void EditorModel::setStatus(StatusText status)
{
    if (!(status_ == status)) {
        status_ = std::move(status);
        emit statusChanged();
    }
}

void EditorModel::setProcessing(bool processing)
{
    if (isProcessing_ != processing) {
        isProcessing_ = processing;
        emit isProcessingChanged();
    }
}

void EditorModel::setScanFailed(bool failed)
{
    if (scanFailed_ != failed) {
        scanFailed_ = failed;
        emit scanFailedChanged();
    }
}

void EditorModel::setExporting(bool exporting)
{
    if (isExporting_ != exporting) {
        isExporting_ = exporting;
        emit isExportingChanged();
    }
}

void EditorModel::setPendingUnsafeStyle(std::optional<RedactionStyle> style)
{
    if (pendingUnsafeStyle_ != style) {
        pendingUnsafeStyle_ = style;
        emit pendingUnsafeStyleChanged();
    }
}

void EditorModel::setFitToken(int token)
{
    fitToken_ = token;
    emit fitTokenChanged();
}

void EditorModel::setBurnToken(int token)
{
    burnToken_ = token;
    emit burnTokenChanged();
}

} // namespace tarnveil
