#pragma once

#include <optional>

#include <QImage>

class QMimeData;

namespace tarnveil::ImageBridge {

/// The bitmap that clipboard or drag content stands for: its image when it carries one,
/// otherwise the first of its local files that decodes as an image (files that are missing,
/// unreadable or not images are passed over; other URLs are never fetched). None when neither
/// gives a bitmap, or when `content` is null.
std::optional<QImage> fromMimeData(const QMimeData* content);

/// The bitmap on the general clipboard, read as `fromMimeData` reads any content. Needs the
/// QGuiApplication.
std::optional<QImage> fromPasteboard();

} // namespace tarnveil::ImageBridge
