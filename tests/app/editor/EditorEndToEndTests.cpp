// One screenshot through the real pipeline: Tesseract, the detectors, the planner, the burn
// and the PNG export.

#include <gtest/gtest.h>

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "FakeEditorPlatform.h"
#include "editor/EditorModel.h"

namespace tarnveil::test {
namespace {

constexpr int recognitionTimeoutMilliseconds = 180000;

QImage screenshotWithSecrets()
{
    QImage image(900, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 100), QStringLiteral("password=Hunter2xyz7 alice@corp-mail.net"));
    painter.end();
    return image;
}

TEST(EditorEndToEnd, APastedScreenshotIsRecognisedAndExportedWithItsRegionsBurnt)
{
    QTemporaryDir desktop;
    ASSERT_TRUE(desktop.isValid());
    auto platform = std::make_shared<FakeEditorPlatform>();
    platform->desktop = desktop.path();
    EditorModel model(platform);
    model.setActiveProfile(Profile::clientDemo()); // solid black: no label text inside the box

    platform->putImageOnClipboard(screenshotWithSecrets());
    model.paste();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isProcessing(); }, recognitionTimeoutMilliseconds));
    ASSERT_FALSE(model.scanFailed()) << model.status().text().toStdString();
    ASSERT_FALSE(model.regions().empty()) << model.status().text().toStdString();

    model.exportToDesktopAndCopy();
    model.performExport();
    const QStringList files = QDir(desktop.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1) << model.status().text().toStdString();
    const QImage exported(QDir(desktop.path()).filePath(files.front()));
    ASSERT_EQ(exported.size(), QSize(900, 200));
    EXPECT_EQ(exported.pixelColor(5, 5), QColor(Qt::white)) << "nothing outside the regions is touched";

    for (const RedactionRegion& region : model.regions()) {
        SCOPED_TRACE(region.value.value_or("(no value)"));
        const QRect box = QRectF(region.rect.x, region.rect.y, region.rect.width, region.rect.height)
                              .toAlignedRect()
                              .intersected(exported.rect());
        ASSERT_FALSE(box.isEmpty());
        for (const QPoint point : {box.topLeft(), box.center(), box.bottomRight()}) {
            EXPECT_EQ(exported.pixelColor(point), QColor(Qt::black)) << point.x() << "," << point.y();
        }
    }
}

} // namespace
} // namespace tarnveil::test
