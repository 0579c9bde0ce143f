// The burned image, the export to the Desktop (or a chosen file) and the clipboard, the
// mapping export and new sessions.

#include "EditorModel.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "EditorPlatform.h"
#include "StatusLines.h"
#include "planning/AtomicFile.h"
#include "render/Exporter.h"
#include "render/RedactionEngine.h"

namespace tarnveil {

namespace {

/// Replaces the file at `path` with `bytes` through a temporary file renamed into place, so
/// that no reader ever sees a partial image. New files get the usual permissions. The
/// system's message when it fails.
std::optional<QString> writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

/// True when something, even a dangling symbolic link, already has that name.
bool nameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

std::filesystem::path localPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

/// `path` made absolute, with its symbolic links resolved and "." and ".." taken out; the part
/// that does not exist is kept as written. None when the file system cannot tell.
std::optional<std::filesystem::path> standardized(const QString& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(localPath(path), error);
    if (error) {
        return std::nullopt;
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    if (error) {
        return std::nullopt;
    }
    return resolved;
}

} // namespace

std::optional<QImage> EditorModel::makeBurnedImage()
{
    if (exportSnapshot_) {
        return exportSnapshot_;
    }
    if (!image_) {
        return std::nullopt;
    }
    if (burnedDirty_ || !burnedCache_) {
        burnedCache_ = RedactionEngine().burn(*image_, regions_);
        burnedDirty_ = false;
    }
    return burnedCache_;
}

bool EditorModel::ensureCanExport()
{
    if (isExporting_ || isProcessing_) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::waitForScanOrExport)));
        return false;
    }
    if (scanFailed_) {
        const ModalQuestion question{QCoreApplication::translate(StatusText::context, StatusLines::detectionFailedMessage),
                                     QCoreApplication::translate(StatusText::context, StatusLines::detectionFailedInformative),
                                     QCoreApplication::translate(StatusText::context, StatusLines::detectionFailedCancel),
                                     QCoreApplication::translate(StatusText::context, StatusLines::detectionFailedConfirm)};
        if (!platform_->confirm(question)) {
            return false;
        }
    }
    return true;
}

void EditorModel::exportToDesktopAndCopy()
{
    if (!ensureCanExport()) {
        return;
    }
    if (!image_) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::nothingToExport)));
        return;
    }
    const std::size_t count = regions_.size();
    if (platform_->reduceMotion()) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::burning)));
    } else if (count == 1) {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::burningOneRegion)));
    } else {
        setStatus(StatusText::translated(QString::fromUtf8(StatusLines::burningRegions), {QString::number(count)}));
    }
    if (!prepareExportSnapshot()) {
        return;
    }
    setBurnToken(burnToken_ + 1);
}

bool EditorModel::prepareExportSnapshot()
{
    std::optional<QImage> burned;
    if (!isProcessing_ && !isExporting_) {
        burned = makeBurnedImage();
    }
    if (!burned) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::waitBeforeRetry)));
        return false;
    }
    exportSnapshot_ = std::move(burned);
    exportSourceURL_ = sourceURL_;
    setExporting(true);
    return true;
}

QString EditorModel::timestamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

QString EditorModel::exportFileName() const
{
    const QString suffix = exportNameSuffix ? exportNameSuffix() : QString();
    return QString::fromUtf8(exportFilePrefix) + timestamp() + u'-' + suffix + QStringLiteral(".png");
}

void EditorModel::performExport()
{
    if (!exportSnapshot_) {
        return;
    }
    const QString name = exportFileName();
    const auto encoded = Exporter::encode(*exportSnapshot_, Exporter::Format::png());
    if (encoded.ok()) {
        if (const std::optional<QString> written = writeToDesktop(encoded.value(), name)) {
            setStatus(StatusText::plain(clipboardOutcome(
                encoded.value(), QString::fromUtf8(StatusLines::exported) + *written + QString::fromUtf8(StatusLines::toDesktopCopied),
                QString::fromUtf8(StatusLines::exported) + *written + QString::fromUtf8(StatusLines::toDesktopCopyFailed))));
            finishExport();
            return;
        }
        saveThroughDialog(&encoded.value(), QString(), name);
    } else {
        const QString error = QString::fromStdString(Exporter::describe(Exporter::WriteError(encoded.error())));
        saveThroughDialog(nullptr, error, name);
    }
    finishExport();
}

std::optional<QString> EditorModel::writeToDesktop(const QByteArray& png, const QString& name)
{
    const std::optional<QString> folder = platform_->desktopFolder();
    if (!folder || folder->isEmpty() || !QFileInfo(*folder).isDir()) {
        return std::nullopt;
    }
    // The name is new by construction; should it be taken all the same, another random part
    // is drawn rather than replacing a file the user already has.
    QString candidate = name;
    for (int attempt = 0; attempt < desktopNameAttempts; ++attempt) {
        const QString path = QDir(*folder).filePath(candidate);
        if (!nameTaken(path)) {
            if (writeAtomically(path, png)) {
                return std::nullopt;
            }
            return candidate;
        }
        candidate = exportFileName();
    }
    return std::nullopt;
}

void EditorModel::saveThroughDialog(const QByteArray* png, const QString& encodeError, const QString& name)
{
    const std::optional<QString> location = platform_->chooseSaveLocation(name, EditorPlatform::FileType::png);
    if (!location || location->isEmpty()) {
        return;
    }
    if (isSourceImage(*location, exportSourceURL_)) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::sourceMustBePreserved)));
        return;
    }
    if (png == nullptr) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::couldNotSaveExport) + encodeError));
        return;
    }
    if (const std::optional<QString> error = writeAtomically(*location, *png)) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::couldNotSaveExport) + *error));
        return;
    }
    setStatus(StatusText::plain(clipboardOutcome(*png, QString::fromUtf8(StatusLines::exportedCopied),
                                                 QString::fromUtf8(StatusLines::exportedCopyFailed))));
}

QString EditorModel::clipboardOutcome(const QByteArray& png, const QString& copied, const QString& failed)
{
    return platform_->copyPngToClipboard(png, *exportSnapshot_) ? copied : failed;
}

bool EditorModel::isSourceImage(const QString& path, const std::optional<QString>& source) const
{
    if (!source || source->isEmpty()) {
        return false;
    }
    // A source deleted since it was loaded is compared by its name, so that name stays refused.
    const std::optional<std::filesystem::path> target = standardized(path);
    if (target && target == standardized(*source)) {
        return true;
    }
    // Two names of one file (a hard link) are the same file too.
    std::error_code error;
    return std::filesystem::equivalent(localPath(path), localPath(*source), error) && !error;
}

void EditorModel::finishExport()
{
    exportSnapshot_.reset();
    exportSourceURL_.reset();
    setExporting(false);
}

void EditorModel::copyRedacted()
{
    if (!ensureCanExport()) {
        return;
    }
    const std::optional<QImage> burned = makeBurnedImage();
    if (!burned) {
        return;
    }
    const auto encoded = Exporter::encode(*burned, Exporter::Format::png());
    const bool copied = encoded.ok() && platform_->copyPngToClipboard(encoded.value(), *burned);
    setStatus(StatusText::translated(
        QString::fromUtf8(copied ? StatusLines::redactedCopied : StatusLines::clipboardCopyFailed)));
}

void EditorModel::exportMapping()
{
    const std::string csv = vocabulary_->exportCSV();
    const std::optional<QString> location =
        platform_->chooseSaveLocation(QString::fromUtf8(mappingFileName), EditorPlatform::FileType::csv);
    if (!location || location->isEmpty()) {
        return;
    }
    // The mapping never replaces the image being worked on.
    if (isSourceImage(*location, sourceURL_)) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::sourceMustBePreserved)));
        return;
    }
    // AtomicFile writes the hidden values readable by the owner only.
    const auto written = AtomicFile::write(localPath(*location), csv);
    if (!written.ok()) {
        setStatus(StatusText::plain(QString::fromUtf8(StatusLines::couldNotSaveMapping) +
                                    QString::fromStdString(written.error())));
        return;
    }
    setStatus(StatusText::translated(QString::fromUtf8(StatusLines::mappingExported)));
}

void EditorModel::newSession()
{
    // Labels issued by a scan still planning would survive the reset and could later stand
    // for two different values. Like the menu command, which is only offered while nothing
    // runs, a refusal changes nothing, the status line included.
    if (isProcessing_ || isExporting_) {
        return;
    }
    vocabulary_->clear();
    RegionList unlabeled = regions_;
    for (RedactionRegion& region : unlabeled) {
        region.label.reset();
    }
    // The review's originals lose their labels too; otherwise every detected region would look
    // edited at the next scan and never be labelled again.
    for (RedactionRegion& original : review_.originals) {
        original.label.reset();
    }
    setRegions(std::move(unlabeled));
    history_.clear();
    interactionSnapshot_.reset();
    emit historyChanged();
    setStatus(StatusText::translated(QString::fromUtf8(StatusLines::newSession)));
}

} // namespace tarnveil
