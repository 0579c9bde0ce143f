// Keys on the canvas: styles 1 to 4, deleting, holding Space for the burned preview, and
// every other key passed on to the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include "CanvasTestFixture.h"

namespace tarnveil::test {
namespace {

/// Records the keys that reach the canvas's host (the scroll area) after the view passed them on.
class KeyRecorder : public QObject {
public:
    std::vector<int> pressed;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            pressed.push_back(static_cast<QKeyEvent*>(event)->key());
        }
        return false;
    }
};

class CanvasKeyTest : public CanvasTestFixture {
protected:
    CanvasKeyTest() { loadBlank(); }

    void sendKey(QEvent::Type type, int key, bool autoRepeat = false,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(type, key, modifiers, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), autoRepeat);
        QApplication::sendEvent(&view(), &event);
    }
};

struct StyleKeyCase {
    const char* name;
    int key;
    RedactionStyle style;
};

class CanvasStyleKeyTest : public CanvasKeyTest, public ::testing::WithParamInterface<StyleKeyCase> {};

TEST_P(CanvasStyleKeyTest, DigitRestylesTheSelectedRegionsOnly)
{
    const StyleKeyCase& c = GetParam();
    const RegionID untouched = addManual(Rect{200, 20, 40, 30});
    const RegionID first = addManual(Rect{20, 20, 40, 30});
    const RegionID second = addManual(Rect{20, 100, 40, 30});
    model->select(first, false);
    model->select(second, true);
    const RedactionStyle before = model->region(untouched)->style;

    QTest::keyClick(&view(), static_cast<Qt::Key>(c.key));
    EXPECT_EQ(model->region(first)->style, c.style);
    EXPECT_EQ(model->region(second)->style, c.style);
    EXPECT_EQ(model->region(untouched)->style, before);
}

INSTANTIATE_TEST_SUITE_P(CanvasStyleKeys, CanvasStyleKeyTest,
                         ::testing::Values(StyleKeyCase{"One", Qt::Key_1, RedactionStyle::solid(FillColor::black)},
                                           StyleKeyCase{"Two", Qt::Key_2, RedactionStyle::labeled(FillColor::black)},
                                           StyleKeyCase{"Three", Qt::Key_3, RedactionStyle::blur()},
                                           StyleKeyCase{"Four", Qt::Key_4, RedactionStyle::pixelate()}),
                         [](const auto& info) { return info.param.name; });

TEST_F(CanvasKeyTest, KeypadDigitsAndOtherKeysPassOnToTheWindow)
{
    const RegionID id = addManual(Rect{20, 20, 40, 30});
    model->applyStyleToSelection(RedactionStyle::labeled(FillColor::white));
    KeyRecorder recorder;
    canvas->installEventFilter(&recorder);

    sendKey(QEvent::KeyPress, Qt::Key_3, false, Qt::KeypadModifier);
    sendKey(QEvent::KeyPress, Qt::Key_2, false, Qt::ControlModifier);
    sendKey(QEvent::KeyPress, Qt::Key_A);
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    sendKey(QEvent::KeyPress, Qt::Key_1);
    sendKey(QEvent::KeyPress, Qt::Key_Space);
    sendKey(QEvent::KeyPress, Qt::Key_Space, true);

    EXPECT_EQ(recorder.pressed, (std::vector<int>{Qt::Key_3, Qt::Key_2, Qt::Key_A, Qt::Key_Left}));
    EXPECT_EQ(model->region(id)->style, RedactionStyle::solid(FillColor::black)) << "only the main-row 1 restyles";
}

TEST_F(CanvasKeyTest, DeleteAndBackspaceRemoveTheSelectedRegions)
{
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
        const RegionID kept = addManual(Rect{200, 20, 40, 30});
        const RegionID removed = addManual(Rect{20, 20, 40, 30});
        QTest::keyClick(&view(), key);
        EXPECT_FALSE(model->region(removed).has_value()) << key;
        EXPECT_TRUE(model->region(kept).has_value()) << key;
        EXPECT_TRUE(model->selection().empty());
        model->selectAll();
        model->deleteSelected();
    }
}

TEST_F(CanvasKeyTest, TheCanvasKeysWinOverWindowShortcutsWhileTheCanvasHasTheFocus)
{
    canvas->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(canvas.get()));
    view().setFocus();
    QShortcut shortcut(QKeySequence(Qt::Key_Delete), canvas.get());
    QSignalSpy activated(&shortcut, &QShortcut::activated);
    addManual(Rect{20, 20, 40, 30});
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_TRUE(model->regions().empty());
    EXPECT_EQ(activated.count(), 0);
}

TEST_F(CanvasKeyTest, SpaceShowsTheBurnedPreviewUntilReleasedAndIgnoresAutoRepeat)
{
    QSignalSpy changes(model.get(), &EditorModel::previewBurnedChanged);
    sendKey(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(model->previewBurned());
    for (int repeat = 0; repeat < 3; ++repeat) {
        sendKey(QEvent::KeyRelease, Qt::Key_Space, true);
        sendKey(QEvent::KeyPress, Qt::Key_Space, true);
    }
    EXPECT_TRUE(model->previewBurned());
    EXPECT_EQ(changes.count(), 1);

    sendKey(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_FALSE(model->previewBurned());
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(CanvasKeyTest, LosingTheFocusWhileSpaceIsHeldEndsThePreview)
{
    sendKey(QEvent::KeyPress, Qt::Key_Space);
    ASSERT_TRUE(model->previewBurned());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&view(), &focusOut);
    EXPECT_FALSE(model->previewBurned());
}

TEST_F(CanvasKeyTest, TheViewTakesTheFocusWhenShown)
{
    EXPECT_EQ(canvas->focusWidget(), &view());
    EXPECT_EQ(canvas->focusProxy(), &view());
}

} // namespace
} // namespace tarnveil::test
