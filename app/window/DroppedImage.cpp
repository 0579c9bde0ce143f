#include "window/DroppedImage.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "render/ImageDecoder.h"

namespace tarnveil {

std::optional<DroppedImage> DroppedImage::read(const QMimeData* content)
{
    if (content == nullptr) {
        return std::nullopt;
    }
    if (content->hasImage()) {
        QImage image = qvariant_cast<QImage>(content->imageData());
        if (!image.isNull()) {
            return DroppedImage{std::move(image), std::nullopt};
        }
    }
    const QList<QUrl> urls = content->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = QFileInfo(urls.first().toLocalFile()).absoluteFilePath();
    auto decoded = ImageDecoder::read(QFile::encodeName(path).toStdString());
    if (!decoded.ok() || decoded.value().isNull()) {
        return std::nullopt;
    }
    return DroppedImage{std::move(decoded).value(), path};
}

} // namespace tarnveil
