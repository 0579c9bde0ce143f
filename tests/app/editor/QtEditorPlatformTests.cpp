// The Qt services behind the editor, as far as they work without a desktop session.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editor/ImageBridge.h"
#include "editor/QtEditorPlatform.h"

namespace tarnveil {
namespace {

TEST(QtEditorPlatform, ACopiedExportIsOnTheClipboardAsPngBytesAndAsAnImage)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QByteArray png("\x89PNG-not-really", 15);

    QtEditorPlatform platform;
    ASSERT_TRUE(platform.copyPngToClipboard(png, image));
    const QMimeData* content = platform.clipboardContents();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->data("image/png"), png);
    const std::optional<QImage> pasted = ImageBridge::fromMimeData(content);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->size(), image.size());
    EXPECT_EQ(pasted->pixelColor(5, 5), QColor(Qt::red));
    const std::optional<QImage> fromClipboard = ImageBridge::fromPasteboard();
    ASSERT_TRUE(fromClipboard);
    EXPECT_EQ(fromClipboard->size(), image.size());

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(ImageBridge::fromMimeData(platform.clipboardContents()));
    EXPECT_FALSE(ImageBridge::fromPasteboard());
}

} // namespace
} // namespace tarnveil
