// The model's screen-area capture: the windows step aside for the whole capture and come
// back however it ends; only a captured image replaces the current one.

#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "EditorTestFixture.h"
#include "editor/AreaCapture.h"
#include "editor/StatusLines.h"

namespace tarnveil::test {
namespace {

/// An area capture the test answers by hand; records whether the windows were hidden when it
/// was asked and how long after the request.
class ManualAreaCapture final : public AreaCapture {
public:
    explicit ManualAreaCapture(const FakeEditorPlatform& platform) : platform_(platform) {}

    void captureArea(std::function<void(AreaCaptureResult)> done) override
    {
        ++calls;
        windowsHiddenWhenAsked = platform_.windowsHidden;
        pending = std::move(done);
    }

    void answer(AreaCaptureResult result)
    {
        ASSERT_TRUE(pending) << "no capture is waiting";
        std::exchange(pending, {})(std::move(result));
    }

    int calls = 0;
    bool windowsHiddenWhenAsked = false;
    std::function<void(AreaCaptureResult)> pending;

private:
    const FakeEditorPlatform& platform_;
};

class EditorCaptureTest : public EditorTestFixture {
protected:
    EditorCaptureTest() : capture(*platform) { model->setAreaCapture(&capture); }

    /// Asks for a capture and waits until the area capture has been called.
    void startCapture()
    {
        QElapsedTimer clock;
        clock.start();
        model->captureScreenshot();
        EXPECT_EQ(statusLine(), QStringLiteral("Select an area to capture…"));
        EXPECT_TRUE(platform->windowsHidden);
        EXPECT_EQ(capture.calls, 0) << "the windows get time to leave the screen first";
        ASSERT_TRUE(QTest::qWaitFor([this] { return capture.calls > 0; }, 2000));
        EXPECT_GE(clock.elapsed(), EditorModel::captureDelayMilliseconds - 10);
        EXPECT_TRUE(capture.windowsHiddenWhenAsked);
    }

    ManualAreaCapture capture;
};

TEST_F(EditorCaptureTest, ACapturedAreaIsLoadedAtItsScaleWithoutASourceAndScanned)
{
    pasteAndScan(imageA());
    startCapture();
    capture.answer(AreaCaptureResult::captured(imageB(), 1.5));

    EXPECT_FALSE(platform->windowsHidden);
    EXPECT_EQ(platform->showCalls, 1);
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageB().size());
    EXPECT_EQ(model->imageScale(), 1.5);
    EXPECT_EQ(model->sourceURL(), std::nullopt);
    ASSERT_TRUE(waitForScan());
    EXPECT_TRUE(regionOf(DetectionCategory::awsAccessKey).has_value()) << "the capture was scanned";
    EXPECT_FALSE(model->isCapturing());
}

struct EndWithoutImage {
    const char* name;
    AreaCaptureResult result;
    QString status;
};

class EditorCaptureEnd : public EditorCaptureTest, public ::testing::WithParamInterface<EndWithoutImage> {};

TEST_P(EditorCaptureEnd, KeepsTheImageShowsTheWindowsAndSaysWhy)
{
    pasteAndScan(imageA());
    startCapture();
    capture.answer(GetParam().result);

    EXPECT_FALSE(platform->windowsHidden);
    EXPECT_EQ(platform->showCalls, 1);
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageA().size()) << "the previous image stays";
    EXPECT_EQ(statusLine(), GetParam().status);
    EXPECT_FALSE(model->isCapturing());
}

INSTANTIATE_TEST_SUITE_P(
    Capture, EditorCaptureEnd,
    ::testing::Values(
        EndWithoutImage{"Cancelled", AreaCaptureResult::cancelled(), QStringLiteral("Capture cancelled")},
        EndWithoutImage{"PermissionDenied",
                        AreaCaptureResult::failed(StatusText::translated(QString::fromUtf8(StatusLines::capturePermissionDenied))),
                        QStringLiteral("Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in "
                                       "your desktop's privacy settings, then try again.")},
        EndWithoutImage{"PlatformError", AreaCaptureResult::failed(StatusText::plain(QStringLiteral("Connection was refused"))),
                        QStringLiteral("Connection was refused")},
        EndWithoutImage{"NullImage", AreaCaptureResult::captured(QImage(), 2.0), QStringLiteral("Screen capture failed.")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCaptureTest, ASecondRequestDuringACaptureIsIgnored)
{
    startCapture();
    model->captureScreenshot();
    QTest::qWait(EditorModel::captureDelayMilliseconds * 2);
    EXPECT_EQ(capture.calls, 1);
    EXPECT_EQ(platform->hideCalls, 1);

    capture.answer(AreaCaptureResult::cancelled());
    model->captureScreenshot();
    ASSERT_TRUE(QTest::qWaitFor([this] { return capture.calls == 2; }, 2000)) << "a new capture after the end";
    capture.answer(AreaCaptureResult::cancelled());
}

TEST_F(EditorCaptureTest, WithoutACaptureServiceTheStatusLineSaysSoAndNothingIsHidden)
{
    model->setAreaCapture(nullptr);
    model->captureScreenshot();
    EXPECT_EQ(statusLine(), QStringLiteral("Screen capture is not available on this desktop."));
    EXPECT_EQ(platform->hideCalls, 0);
    EXPECT_FALSE(model->isCapturing());
}

TEST_F(EditorCaptureTest, AModelGoneBeforeTheDelayStartsNothing)
{
    model->captureScreenshot();
    model.reset();
    QTest::qWait(EditorModel::captureDelayMilliseconds * 2);
    EXPECT_EQ(capture.calls, 0);
}

TEST_F(EditorCaptureTest, AnAnswerAfterTheModelIsGoneIsDropped)
{
    startCapture();
    model.reset();
    capture.answer(AreaCaptureResult::captured(imageB(), 2.0));
    SUCCEED();
}

} // namespace
} // namespace tarnveil::test
