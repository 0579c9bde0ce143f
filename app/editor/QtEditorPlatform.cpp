#include "QtEditorPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

#include "ReduceMotionSetting.h"

namespace tarnveil {

namespace {

constexpr const char* pngMimeType = "image/png";

QSettings storedSettings()
{
    return QSettings(QString::fromUtf8(QtEditorPlatform::organisation),
                     QString::fromUtf8(QtEditorPlatform::application));
}

} // namespace

const QMimeData* QtEditorPlatform::clipboardContents()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard == nullptr ? nullptr : clipboard->mimeData();
}

bool QtEditorPlatform::copyPngToClipboard(const QByteArray& png, const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    auto* content = new QMimeData;
    // Applications that read only images get the image; the PNG bytes are the exported ones.
    content->setImageData(image);
    content->setData(QString::fromUtf8(pngMimeType), png);
    clipboard->clear();
    clipboard->setMimeData(content);
    // The clipboard may refuse silently (another owner, no display connection): read back.
    const QMimeData* now = clipboard->mimeData();
    return now != nullptr && now->data(QString::fromUtf8(pngMimeType)) == png;
}

std::optional<QString> QtEditorPlatform::chooseSaveLocation(const QString& suggestedName, FileType type)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (type == FileType::png) {
        dialog.setNameFilter(QCoreApplication::translate("QtEditorPlatform", "PNG image (*.png)"));
        dialog.setDefaultSuffix(QStringLiteral("png"));
    } else {
        dialog.setNameFilter(QCoreApplication::translate("QtEditorPlatform", "Comma-separated values (*.csv)"));
        dialog.setDefaultSuffix(QStringLiteral("csv"));
    }
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        return std::nullopt;
    }
    return chosen.first();
}

bool QtEditorPlatform::confirm(const ModalQuestion& question)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::Warning);
    box.setText(question.message);
    box.setInformativeText(question.informativeText);
    QPushButton* cancel = box.addButton(question.cancelButton, QMessageBox::RejectRole);
    QPushButton* confirmButton = box.addButton(question.confirmButton, QMessageBox::AcceptRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == confirmButton;
}

std::optional<QString> QtEditorPlatform::desktopFolder()
{
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::DesktopLocation);
    if (folders.isEmpty() || folders.first().isEmpty()) {
        return std::nullopt;
    }
    return folders.first();
}

bool QtEditorPlatform::reduceMotion()
{
    if (!reduceMotion_ || reduceMotionAge_.elapsed() > reduceMotionRefreshSeconds * 1000) {
        reduceMotion_ = ReduceMotionSetting::isOn();
        reduceMotionAge_.start();
    }
    return *reduceMotion_;
}

std::optional<QString> QtEditorPlatform::setting(const QString& key)
{
    const QSettings settings = storedSettings();
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return settings.value(key).toString();
}

void QtEditorPlatform::setSetting(const QString& key, const QString& value)
{
    QSettings settings = storedSettings();
    settings.setValue(key, value);
}

void QtEditorPlatform::hideApplicationWindows()
{
    hiddenWindows_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isWindow()) {
            hiddenWindows_.append(window);
        }
    }
    for (const QPointer<QWidget>& window : hiddenWindows_) {
        window->hide();
    }
}

void QtEditorPlatform::showApplicationWindows()
{
    const QList<QPointer<QWidget>> windows = std::exchange(hiddenWindows_, {});
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->show();
            window->raise();
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->activateWindow();
            break;
        }
    }
}

} // namespace tarnveil
