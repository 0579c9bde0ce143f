#pragma once

#include <optional>

#include <QImage>
#include <QString>

class QMimeData;

namespace tarnveil {

/// What a drop on the editor window brings, read from its first item only: an image object,
/// or else a local file that decodes as an image (with the decoder's allocation limit).
/// Remote locations are never fetched; anything else gives nothing.
struct DroppedImage {
    QImage image;
    /// The file the image was read from; none for an image object.
    std::optional<QString> path;

    static std::optional<DroppedImage> read(const QMimeData* content);
};

} // namespace tarnveil
