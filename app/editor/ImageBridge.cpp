#include "ImageBridge.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "render/ImageDecoder.h"

namespace tarnveil::ImageBridge {

namespace {

std::optional<QImage> imageOf(const QMimeData& content)
{
    if (!content.hasImage()) {
        return std::nullopt;
    }
    QImage image = qvariant_cast<QImage>(content.imageData());
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}

std::optional<QImage> firstDecodableFile(const QMimeData& content)
{
    if (!content.hasUrls()) {
        return std::nullopt;
    }
    for (const QUrl& url : content.urls()) {
        if (!url.isLocalFile()) {
            continue;
        }
        auto decoded = ImageDecoder::read(QFile::encodeName(url.toLocalFile()).toStdString());
        if (decoded.ok() && !decoded.value().isNull()) {
            return std::move(decoded).value();
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QImage> fromMimeData(const QMimeData* content)
{
    if (content == nullptr) {
        return std::nullopt;
    }
    if (auto image = imageOf(*content)) {
        return image;
    }
    return firstDecodableFile(*content);
}

std::optional<QImage> fromPasteboard()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard == nullptr ? std::nullopt : fromMimeData(clipboard->mimeData());
}

} // namespace tarnveil::ImageBridge
