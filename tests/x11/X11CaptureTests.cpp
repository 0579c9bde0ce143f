// Screen capture on a real X server (Xvfb with two screens, started by run-on-xvfb.sh): a window
// of another process with a known pattern on the second screen, a selection made there with
// synthesised mouse events, and the loaded image compared with the pattern pixel for pixel.
// The stand-in editor window lies over the area and must not appear in the result; a cut from
// the wrong screen would show the first screen's empty root window instead of the pattern.

#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "PatternWindow.h"
#include "capture/RegionSelector.h"
#include "capture/ScreenCapturer.h"
#include "capture/SelectorWindow.h"
#include "capture/X11ScreenSource.h"
#include "editor/EditorModel.h"
#include "editor/QtEditorPlatform.h"

namespace tarnveil::test {
namespace {

/// The native (X server) rectangle of `screen`.
QRect nativeGeometry(const QScreen* screen)
{
    const QRect logical = screen->geometry();
    const double ratio = screen->devicePixelRatio();
    return {logical.topLeft(), (QSizeF(logical.size()) * ratio).toSize()};
}

void runXdotool(const QStringList& arguments)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
}

TEST(X11Capture, ASelectionOnTheSecondScreenLoadsItsPixelsAtFullResolutionWithoutOurWindows)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_GE(screens.size(), 2) << "run-on-xvfb.sh starts two screens";
    QScreen* second = screens[1];
    const QRect native = nativeGeometry(second);
    const double ratio = second->devicePixelRatio();
    std::printf("second screen: %d x %d points at %g pixels per point\n", second->geometry().width(), second->geometry().height(), ratio);

    // The pattern comes from another process, as another application's window would.
    QProcess pattern;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    // The second screen of the display is X screen 1.
    QString display = environment.value(QStringLiteral("DISPLAY"));
    display.truncate(display.lastIndexOf(QLatin1Char('.')) > display.indexOf(QLatin1Char(':')) ? display.lastIndexOf(QLatin1Char('.'))
                                                                                               : display.size());
    environment.insert(QStringLiteral("DISPLAY"), display + QStringLiteral(".1"));
    pattern.setProcessEnvironment(environment);
    pattern.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--pattern-window"), QStringLiteral("0"), QStringLiteral("0"), QString::number(native.width()),
                   QString::number(native.height())});
    ASSERT_TRUE(pattern.waitForReadyRead(10000)) << "the pattern window is up";
    QTest::qWait(300);

    // The editor stand-in covers the area that will be selected.
    QWidget editor(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    editor.setAutoFillBackground(true);
    QPalette red;
    red.setColor(QPalette::Window, Qt::red);
    editor.setPalette(red);
    editor.setScreen(second);
    editor.setGeometry(QRect(second->geometry().topLeft() + QPoint(10, 10), QSize(150, 100)));
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));

    EditorModel model(std::make_shared<QtEditorPlatform>());
    model.recognize = [](const QImage& image) {
        return QtConcurrent::run([size = image.size()] {
            return std::optional<OCRResult>(OCRResult{{}, Size{double(size.width()), double(size.height())}});
        });
    };
    ScreenCapturer capturer(std::make_unique<X11ScreenSource>());
    model.setAreaCapture(&capturer);
    model.captureScreenshot();
    ASSERT_TRUE(QTest::qWaitFor([&capturer] { return capturer.selector().windows().size() >= 2; }, 5000));
    for (SelectorWindow* window : capturer.selector().windows()) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    EXPECT_FALSE(editor.isVisible()) << "our window steps aside";
    QTest::qWait(200);

    // Select 160 × 90 native pixels from (40, 30) on the second screen.
    const QPoint from(40, 30);
    const QPoint to = from + QPoint(160, 90);
    const QString screen = QStringLiteral("1");
    runXdotool({QStringLiteral("mousemove"), QStringLiteral("--screen"), screen, QString::number(from.x()), QString::number(from.y()),
                QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("--screen"), screen,
                QString::number(from.x() + 50), QString::number(from.y() + 40), QStringLiteral("mousemove"),
                QStringLiteral("--screen"), screen, QString::number(to.x()), QString::number(to.y()), QStringLiteral("mouseup"),
                QStringLiteral("1")});
    ASSERT_TRUE(QTest::qWaitFor([&model] { return model.image().has_value(); }, 5000)) << "the capture is loaded";
    EXPECT_TRUE(QTest::qWaitFor([&editor] { return editor.isVisible(); }, 2000)) << "and our window is back";
    model.setAreaCapture(nullptr);

    const QImage image = model.image()->convertToFormat(QImage::Format_RGB32);
    EXPECT_DOUBLE_EQ(model.imageScale(), ratio);
    ASSERT_EQ(image.size(), QSize(160, 90));
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != PatternWindow::colourAt(from.x() + x, from.y() + y)) {
                ++wrong;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels that differ from the pattern (the editor window was red)";
    pattern.kill();
    pattern.waitForFinished();
}

} // namespace
} // namespace tarnveil::test
