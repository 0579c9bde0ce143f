#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "EditorWindowFixture.h"
#include "canvas/RedactionCanvas.h"
#include "window/TarnveilCommands.h"
#include "window/RegionTreeView.h"

namespace tarnveil::test {

namespace {

/// Enabled states in the three states that decide them.
struct MenuItemCase {
    const char* menu;
    const char* objectName;
    const char* title;
    QKeySequence shortcut;
    bool enabledWithoutImage;
    bool enabledWithImage;
    bool enabledWithSelection;
};

const std::vector<MenuItemCase>& menuItemCases()
{
    static const std::vector<MenuItemCase> cases = {
        {"&File", "openImage", "Open Image…", QKeySequence(QStringLiteral("Ctrl+O")), true, true, true},
        {"&File", "captureScreenshot", "Capture Screenshot", QKeySequence(QStringLiteral("Ctrl+Shift+2")), true, true, true},
        {"&File", "pasteScreenshot", "Paste Screenshot", QKeySequence(QStringLiteral("Ctrl+V")), true, true, true},
        {"&Redact", "exportToDesktop", "Export to Desktop && Copy", QKeySequence(QStringLiteral("Ctrl+Shift+E")), false, true,
         true},
        {"&File", "quit", "Quit", QKeySequence(QKeySequence::Quit), true, true, true},
        {"&Edit", "undo", "Undo", QKeySequence(QStringLiteral("Ctrl+Z")), true, true, true},
        {"&Edit", "redo", "Redo", QKeySequence(QStringLiteral("Ctrl+Shift+Z")), true, true, true},
        {"&Edit", "copyRedacted", "Copy Redacted", QKeySequence(QStringLiteral("Ctrl+C")), false, true, true},
        {"&Edit", "selectAllRegions", "Select All Regions", QKeySequence(QStringLiteral("Ctrl+A")), false, true, true},
        {"&Edit", "deleteSelected", "Delete Selected", QKeySequence(QStringLiteral("Ctrl+Backspace")), false, false, true},
        {"&Redact", "chromeScrub", "Chrome Scrub", QKeySequence(), false, true, true},
        {"&Redact", "toggleInspector", "Hide Inspector", QKeySequence(QStringLiteral("Ctrl+Alt+I")), true, true, true},
        {"&Redact", "fitToWindow", "Fit to Window", QKeySequence(QStringLiteral("Ctrl+0")), false, true, true},
        {"&Session", "newSession", "New Session", QKeySequence(), true, true, true},
        {"&Session", "exportMapping", "Export Mapping…", QKeySequence(), true, true, true},
        {"&Help", "about", "About Tarnveil", QKeySequence(), true, true, true},
    };
    return cases;
}

} // namespace

class MenuBarTest : public EditorWindowFixture {
protected:
    QAction* item(const char* objectName) const
    {
        QAction* action = window->mainMenu()->item(QString::fromUtf8(objectName));
        EXPECT_NE(action, nullptr) << objectName;
        return action;
    }

    void expectEnabledStates(bool MenuItemCase::*column, const char* state) const
    {
        for (const MenuItemCase& row : menuItemCases()) {
            QAction* action = item(row.objectName);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->isEnabled(), row.*column) << row.objectName << " " << state;
        }
    }

    /// The title of the top-level menu that lists `action`.
    QString menuHolding(QAction* action) const
    {
        for (QAction* menu : window->mainMenu()->actions()) {
            if (menu->menu() && menu->menu()->actions().contains(action)) {
                return menu->text();
            }
        }
        return {};
    }

    /// Makes the window the active one, as window shortcuts need.
    void activate() const
    {
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(MenuBarTest, MenuTitlesShortcutsAndEnabledStates)
{
    QStringList menus;
    for (QAction* menu : window->mainMenu()->actions()) {
        menus.append(menu->text());
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Redact", "&Session", "&Help"}));
    for (const MenuItemCase& row : menuItemCases()) {
        QAction* action = item(row.objectName);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(menuHolding(action), QString::fromUtf8(row.menu)) << row.objectName;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.title)) << row.objectName;
        EXPECT_EQ(action->shortcut(), row.shortcut) << row.objectName;
    }
    EXPECT_TRUE(item("deleteSelected")->shortcuts().contains(QKeySequence(Qt::Key_Delete)));

    expectEnabledStates(&MenuItemCase::enabledWithoutImage, "without image");
    const RedactionRegion region = drawn();
    showRegions({region});
    expectEnabledStates(&MenuItemCase::enabledWithImage, "with image");
    model->select(region.id, false);
    expectEnabledStates(&MenuItemCase::enabledWithSelection, "with selection");
}

TEST_F(MenuBarTest, MenuChromeScrubItemsFollowTheKindsInOrder)
{
    showRegions({});
    QMenu* submenu = item("chromeScrub")->menu();
    ASSERT_NE(submenu, nullptr);
    QStringList titles;
    for (QAction* scrub : submenu->actions()) {
        titles.append(scrub->text());
    }
    EXPECT_EQ(titles, (QStringList{"Menu Bar", "Dock", "Browser Bar", "Title Bar"}));
    submenu->actions().at(1)->trigger();
    ASSERT_EQ(model->regions().size(), 1u);
}

TEST_F(MenuBarTest, MenuUndoAtLaunchDoesNothingAndStaysEnabled)
{
    QSignalSpy regions(model.get(), &EditorModel::regionsChanged);
    item("undo")->trigger();
    item("redo")->trigger();
    EXPECT_EQ(regions.count(), 0);
    EXPECT_TRUE(item("undo")->isEnabled());
    EXPECT_TRUE(item("redo")->isEnabled());
}

TEST_F(MenuBarTest, MenuNewSessionDuringScanOrExportIsIgnored)
{
    showRegions({drawn()});
    recognizer.hold = true;
    paste(imageA());
    ASSERT_TRUE(waitForRequests(2)) << "the blank image's scan came first";
    settle();
    ASSERT_TRUE(model->isProcessing());
    const QString status = statusLine();

    item("newSession")->trigger();
    settle();
    EXPECT_EQ(statusLine(), status) << "ignored without a word";
    recognizer.release(1);
    ASSERT_TRUE(waitForScan());

    model->exportToDesktopAndCopy();
    ASSERT_TRUE(model->isExporting());
    item("newSession")->trigger();
    settle();
    EXPECT_NE(statusLine(), QStringLiteral("New session — pseudonyms reset"));
}

TEST_F(MenuBarTest, MenuNewSessionIsPostedWhenIdle)
{
    showRegions({drawn()});
    item("newSession")->trigger();
    EXPECT_FALSE(model->undoStack().empty()) << "runs from the event loop, not inside the menu";
    settle();
    EXPECT_TRUE(model->undoStack().empty());
}

TEST_F(MenuBarTest, MenuInspectorItemTitleFollowsTheInspector)
{
    QAction* toggle = item("toggleInspector");
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Inspector"));
    toggle->trigger();
    EXPECT_FALSE(model->inspectorVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Show Inspector"));
    model->setInspectorVisible(true);
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Inspector"));
}

TEST_F(MenuBarTest, MenuCopyRedactedPutsTheBurnedPngOnTheClipboard)
{
    showRegions({drawn()});
    activate();
    window->canvas()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    settle();

    ASSERT_TRUE(platform->copiedPng.has_value());
    QImage copied;
    ASSERT_TRUE(copied.loadFromData(*platform->copiedPng, "PNG"));
    EXPECT_NE(copied.convertToFormat(QImage::Format_RGB32), model->image()->convertToFormat(QImage::Format_RGB32))
        << "the source was copied";
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              model->makeBurnedImage()->convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(statusLine(), QStringLiteral("Redacted image copied to clipboard"));
    EXPECT_FALSE(model->isExporting());
}

TEST_F(MenuBarTest, MenuCopyRedactedReportsARefusedClipboard)
{
    showRegions({drawn()});
    platform->clipboardAcceptsCopies = false;
    item("copyRedacted")->trigger();
    EXPECT_EQ(statusLine(), QStringLiteral("Clipboard copy failed — please try again."));
}

TEST_F(MenuBarTest, MenuShortcutActsWithFocusInTheRegionList)
{
    const RedactionRegion first = drawn();
    const RedactionRegion second = drawn();
    showRegions({first, second});
    activate();
    tree()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), tree());

    QTest::keyClick(tree(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(model->selection().size(), 2u);
    QTest::keyClick(tree(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_TRUE(model->regions().empty());
    QTest::keyClick(tree(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model->regions().size(), 2u);
}

TEST_F(MenuBarTest, MenuOpenImageLoadsTheChosenFileWithItsPath)
{
    const QString path = folder.filePath(QStringLiteral("chosen.png"));
    ASSERT_TRUE(imageB().save(path, "PNG"));
    bool answered = false;
    // The dialog is modal: it is answered from the event loop it runs.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
        answered = true;
    });
    item("openImage")->trigger();
    ASSERT_TRUE(answered);
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageB().size());
    EXPECT_EQ(model->sourceURL(), std::optional<QString>(path));
    ASSERT_TRUE(waitForScan());
}

} // namespace tarnveil::test
