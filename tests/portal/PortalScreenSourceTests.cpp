// The portal screen source against a fake portal on a private session bus: a desktop picture
// to select on, a refusal, the fall-back to the portal's own selection, files that are not
// pictures, and no portal at all.

#include <optional>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "FakeScreenshotPortal.h"
#include "capture/PortalScreenSource.h"
#include "editor/StatusLines.h"

namespace tarnveil::test {
namespace {

QImage desktopPicture(double ratio)
{
    const QSize points = QGuiApplication::primaryScreen()->geometry().size();
    QImage image((QSizeF(points) * ratio).toSize(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256) % 256));
        }
    }
    return image;
}

class PortalTest : public ::testing::Test {
protected:
    /// A picture file as the portal leaves one, and its uri.
    QString pictureFile(const QImage& image)
    {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Screenshot-%1.png").arg(++files));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    static QString uriOf(const QString& path) { return QUrl::fromLocalFile(path).toString(); }

    ScreenGrab grab()
    {
        std::optional<ScreenGrab> result;
        source.grab([&result](ScreenGrab grabbed) { result = std::move(grabbed); });
        EXPECT_TRUE(QTest::qWaitFor([&result] { return result.has_value(); }, 10000)) << "the grab ends";
        return result ? std::move(*result) : ScreenGrab(AreaCaptureResult::cancelled());
    }

    static QString failureOf(const ScreenGrab& grab)
    {
        const auto* outcome = std::get_if<AreaCaptureResult>(&grab);
        return outcome && outcome->failure ? outcome->failure->text() : QString();
    }

    QTemporaryDir folder;
    int files = 0;
    PortalScreenSource source;
};

TEST_F(PortalTest, ADesktopPictureIsFrozenForOurSelectorAndItsFileRemoved)
{
    FakeScreenshotPortal portal;
    ASSERT_TRUE(portal.start());
    const QImage picture = desktopPicture(2.0);
    const QString file = pictureFile(picture);
    portal.answers.push_back({0, uriOf(file)});

    const ScreenGrab result = grab();
    const auto* screens = std::get_if<std::vector<FrozenScreen>>(&result);
    ASSERT_NE(screens, nullptr) << failureOf(result).toStdString();
    ASSERT_EQ(screens->size(), 1u);
    EXPECT_EQ(screens->front().geometry, QGuiApplication::primaryScreen()->geometry());
    EXPECT_DOUBLE_EQ(screens->front().devicePixelRatio, 2.0);
    EXPECT_EQ(screens->front().image.size(), picture.size());
    EXPECT_EQ(screens->front().image.pixel(300, 257), picture.pixel(300, 257));
    EXPECT_FALSE(QFile::exists(file)) << "the picture is not left behind";

    ASSERT_EQ(portal.calls.size(), 1u);
    EXPECT_FALSE(portal.calls[0].value(QStringLiteral("interactive")).toBool()) << "no dialog first";
    EXPECT_TRUE(portal.calls[0].value(QStringLiteral("handle_token")).toString().startsWith(QLatin1String("tarnveil")));
}

TEST_F(PortalTest, ARefusalIsMissingPermission)
{
    FakeScreenshotPortal portal;
    ASSERT_TRUE(portal.start());
    portal.answers.push_back({1, {}});
    EXPECT_EQ(failureOf(grab()), QCoreApplication::translate(StatusText::context, StatusLines::capturePermissionDenied));
    EXPECT_EQ(portal.calls.size(), 1u);
}

TEST_F(PortalTest, WhenThePortalCannotGrabWithoutADialogItsOwnSelectionIsUsed)
{
    FakeScreenshotPortal portal;
    ASSERT_TRUE(portal.start());
    QImage area(120, 80, QImage::Format_RGB32);
    area.fill(qRgb(10, 200, 30));
    const QString file = pictureFile(area);
    portal.answers.push_back({2, {}});
    portal.answers.push_back({0, uriOf(file)});

    const ScreenGrab result = grab();
    const auto* outcome = std::get_if<AreaCaptureResult>(&result);
    ASSERT_NE(outcome, nullptr);
    ASSERT_TRUE(outcome->image.has_value()) << failureOf(result).toStdString();
    EXPECT_EQ(outcome->image->size(), area.size());
    EXPECT_EQ(outcome->image->pixel(5, 5), area.pixel(5, 5));
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_EQ(portal.calls.size(), 2u);
    EXPECT_TRUE(portal.calls[1].value(QStringLiteral("interactive")).toBool());
}

TEST_F(PortalTest, ClosingThePortalsOwnDialogCancels)
{
    FakeScreenshotPortal portal;
    ASSERT_TRUE(portal.start());
    portal.answers.push_back({2, {}});
    portal.answers.push_back({1, {}});
    const ScreenGrab result = grab();
    const auto* outcome = std::get_if<AreaCaptureResult>(&result);
    ASSERT_NE(outcome, nullptr);
    EXPECT_TRUE(outcome->isCancelled());
}

TEST_F(PortalTest, AnAnswerThatIsNoLocalPictureFailsClearly)
{
    FakeScreenshotPortal portal;
    ASSERT_TRUE(portal.start());
    const QString broken = QDir(folder.path()).filePath(QStringLiteral("broken.png"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n not really");
    }
    portal.answers.push_back({0, QStringLiteral("https://example.com/shot.png")});
    portal.answers.push_back({0, uriOf(broken)});

    EXPECT_EQ(failureOf(grab()), QCoreApplication::translate(StatusText::context, StatusLines::captureFailed));
    const QString undecodable = failureOf(grab());
    EXPECT_TRUE(undecodable.contains(QLatin1String("broken.png"))) << undecodable.toStdString();
    EXPECT_FALSE(QFile::exists(broken));
}

TEST_F(PortalTest, WithoutAPortalTheStatusLineSaysSo)
{
    EXPECT_EQ(failureOf(grab()), QCoreApplication::translate(StatusText::context, StatusLines::screenshotServiceMissing));
}

} // namespace
} // namespace tarnveil::test
