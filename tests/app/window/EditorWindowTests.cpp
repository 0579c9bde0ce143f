// The editor window: layout, toolbar, themes, status bar, empty state and drops.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "EditorWindowFixture.h"
#include "canvas/RedactionCanvas.h"
#include "editor/AppColors.h"
#include "window/BlinkingCursor.h"
#include "window/BurnButton.h"
#include "window/EditorToolBar.h"
#include "window/EmptyStateView.h"
#include "window/InspectorView.h"
#include "window/RegionForm.h"
#include "window/RegionListView.h"
#include "window/RegionTreeView.h"
#include "window/UnsafeStylePrompt.h"
#include "window/StatusBarView.h"
#include "window/SymbolIcons.h"

namespace tarnveil::test {
namespace {

class WindowTest : public EditorWindowFixture {
protected:
    EditorToolBar* bar() const { return window->toolBar(); }

    /// Drops `content` on the window as a drag from outside would; true when it was taken.
    bool drop(QMimeData& content)
    {
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        settle();
        return enter.isAccepted() && dropped.isAccepted();
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString writeImage(const QString& name, const QImage& image)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
};

TEST_F(WindowTest, HasItsTitleSizesAndThreeColumns)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarnveil"));
    EXPECT_EQ(window->minimumSize(), QSize(1080, 720));
    EXPECT_EQ(window->size(), QSize(1320, 860));

    EXPECT_EQ(window->regionList()->minimumWidth(), 230);
    EXPECT_EQ(window->regionList()->maximumWidth(), 340);
    EXPECT_EQ(window->regionList()->width(), 264);
    EXPECT_EQ(window->inspector()->minimumWidth(), 300);
    EXPECT_EQ(window->inspector()->maximumWidth(), 440);
    EXPECT_EQ(window->inspector()->width(), 340);
    ASSERT_NE(window->canvas(), nullptr);
    EXPECT_LT(window->regionList()->geometry().right(), window->canvas()->mapTo(window.get(), QPoint(0, 0)).x());
}

TEST_F(WindowTest, TheToolbarHoldsItsControlsInOrderWithTheirTexts)
{
    QStringList order;
    for (QAction* action : bar()->actions()) {
        if (action->isSeparator()) {
            order.append(QStringLiteral("|"));
        } else if (QWidget* widget = bar()->widgetForAction(action)) {
            order.append(widget->objectName());
        }
    }
    EXPECT_EQ(order, (QStringList{"captureButton", "pasteButton", "profilePicker", "chromeScrub", "|", "zoomOutButton",
                                  "fitButton", "zoomInButton", "|", "burn", "appearance", "toggleInspectorButton"}));

    struct Texts {
        QAction* action;
        const char* text;
        const char* toolTip;
    };
    for (const Texts& expected : {
             Texts{bar()->captureAction(), "Capture", "Capture a region of the screen (Ctrl+Shift+2)"},
             Texts{bar()->pasteAction(), "Paste", "Paste screenshot and run the pipeline (Ctrl+V)"},
             Texts{bar()->fitAction(), "Fit", "Fit (Ctrl+0)"},
             Texts{bar()->inspectorAction(), "Toggle Inspector", "Toggle inspector (Ctrl+Alt+I)"},
         }) {
        EXPECT_EQ(expected.action->text(), QString::fromUtf8(expected.text));
        EXPECT_EQ(expected.action->toolTip(), QString::fromUtf8(expected.toolTip));
    }
    BurnButton* burn = bar()->burnButton();
    EXPECT_EQ(burn->text(), QStringLiteral("BURN"));
    EXPECT_EQ(burn->accessibleName(), QStringLiteral("Burn and export"));
    EXPECT_EQ(burn->toolTip(), QStringLiteral("Burn the redactions into the pixels and export (Ctrl+Shift+E)"));
    EXPECT_EQ(bar()->chromeScrubButton()->text(), QStringLiteral("Chrome Scrub"));
    EXPECT_EQ(bar()->chromeScrubButton()->toolTip(), QStringLiteral("Add a heuristic strip over UI chrome"));
    EXPECT_EQ(bar()->appearanceButton()->toolTip(), QStringLiteral("Appearance"));
    EXPECT_EQ(bar()->profilePicker()->width(), 160);
}

TEST_F(WindowTest, ControlsThatNeedAnImageWaitForOne)
{
    const std::vector<std::pair<const char*, std::function<bool()>>> controls = {
        {"Capture", [this] { return bar()->captureAction()->isEnabled(); }},
        {"Paste", [this] { return bar()->pasteAction()->isEnabled(); }},
        {"Profile", [this] { return bar()->profilePicker()->isEnabled(); }},
        {"Chrome Scrub", [this] { return bar()->chromeScrubButton()->isEnabled(); }},
        {"Zoom out", [this] { return bar()->zoomOutAction()->isEnabled(); }},
        {"Fit", [this] { return bar()->fitAction()->isEnabled(); }},
        {"Zoom in", [this] { return bar()->zoomInAction()->isEnabled(); }},
        {"BURN", [this] { return bar()->burnButton()->isEnabled(); }},
        {"Appearance", [this] { return bar()->appearanceButton()->isEnabled(); }},
        {"Inspector", [this] { return bar()->inspectorAction()->isEnabled(); }},
    };
    const std::set<std::string> needImage = {"Chrome Scrub", "Zoom out", "Fit", "Zoom in", "BURN"};
    for (const auto& [name, enabled] : controls) {
        EXPECT_EQ(enabled(), !needImage.contains(name)) << name << " without an image";
    }
    pasteAndScan(imageA());
    settle();
    for (const auto& [name, enabled] : controls) {
        EXPECT_TRUE(enabled()) << name << " with an image";
    }
}

TEST_F(WindowTest, ZoomButtonsStepByAQuarterWithinTheirLimits)
{
    pasteAndScan(imageA());
    struct Step {
        double from;
        QAction* button;
        double to;
    };
    for (const Step& step : {Step{1.0, bar()->zoomInAction(), 1.25}, Step{1.0, bar()->zoomOutAction(), 0.8},
                             Step{7.0, bar()->zoomInAction(), 8.0}, Step{8.0, bar()->zoomInAction(), 8.0},
                             Step{0.11, bar()->zoomOutAction(), 0.1}, Step{0.1, bar()->zoomOutAction(), 0.1}}) {
        SCOPED_TRACE(step.from);
        model->setZoom(step.from);
        step.button->trigger();
        EXPECT_DOUBLE_EQ(model->zoom(), step.to);
    }
    const int token = model->fitToken();
    bar()->fitAction()->trigger();
    EXPECT_EQ(model->fitToken(), token + 1);
}

TEST_F(WindowTest, ButtonsCallTheirOperations)
{
    QSignalSpy capture(window.get(), &EditorWindow::captureRequested);
    bar()->captureAction()->trigger();
    EXPECT_EQ(capture.count(), 1);

    platform->putImageOnClipboard(imageA());
    bar()->pasteAction()->trigger();
    ASSERT_TRUE(waitForScan());
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageA().size());

    const int burns = model->burnToken();
    bar()->burnButton()->click();
    EXPECT_EQ(model->burnToken(), burns + 1);

    ASSERT_TRUE(model->inspectorVisible());
    bar()->inspectorAction()->trigger();
    settle();
    EXPECT_FALSE(model->inspectorVisible());
    EXPECT_FALSE(window->inspector()->isVisible());
    EXPECT_FALSE(bar()->inspectorAction()->isChecked());
    bar()->inspectorAction()->trigger();
    settle();
    EXPECT_TRUE(window->inspector()->isVisible());
    EXPECT_TRUE(bar()->inspectorAction()->isChecked());
}

TEST_F(WindowTest, TheProfilePickerRescansWithTheChosenProfile)
{
    QComboBox* picker = bar()->profilePicker();
    QStringList names;
    for (int index = 0; index < picker->count(); ++index) {
        names.append(picker->itemText(index));
    }
    EXPECT_EQ(names, (QStringList{"Pentest Report", "Client Demo", "Public / Blog"}));
    EXPECT_EQ(picker->currentText(), QStringLiteral("Pentest Report"));

    pasteAndScan(imageA());
    ASSERT_TRUE(regionOf(DetectionCategory::ipv4).has_value());
    picker->setCurrentIndex(1);
    emit picker->activated(1);
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(model->activeProfile().id, Profile::clientDemo().id);
    EXPECT_FALSE(regionOf(DetectionCategory::ipv4).has_value()) << "Client Demo leaves private addresses";

    model->setActiveProfile(Profile::publicBlog());
    EXPECT_EQ(picker->currentText(), QStringLiteral("Public / Blog"));
}

TEST_F(WindowTest, TheChromeScrubMenuAddsOneStripPerKind)
{
    QStringList titles;
    for (const QAction* item : bar()->chromeScrubMenu()->actions()) {
        titles.append(item->text());
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
    }
    EXPECT_EQ(titles, (QStringList{"Menu Bar", "Dock", "Browser Bar", "Title Bar"}));

    model->load(blankImage(600, 400), 2.0, std::nullopt);
    ASSERT_TRUE(waitForScan());
    bar()->chromeScrubMenu()->actions()[1]->trigger();
    ASSERT_EQ(model->regions().size(), 1u);
    const RedactionRegion& strip = model->regions().back();
    EXPECT_FALSE(strip.category.has_value());
    EXPECT_DOUBLE_EQ(strip.rect.width, 600);
    EXPECT_DOUBLE_EQ(strip.rect.y + strip.rect.height, 400) << "the Dock strip sits at the bottom";
}

TEST_F(WindowTest, TheAppearanceMenuSwitchesThemeAndPalette)
{
    QMenu* menu = bar()->appearanceMenu();
    QStringList entries;
    for (const QAction* item : menu->actions()) {
        entries.append(item->text());
    }
    EXPECT_EQ(entries, (QStringList{"Theme", "Midnight", "Daylight", "Hacker"}));

    struct Expected {
        const char* entry;
        AppTheme theme;
        bool light;
        QColor prompt;
    };
    for (const Expected& expected : {Expected{"Daylight", AppTheme::daylight, true, AppColors::tvBurn()},
                                     Expected{"Hacker", AppTheme::hacker, false, AppColors::tvGreen()},
                                     Expected{"Midnight", AppTheme::midnight, false, AppColors::tvBurn()}}) {
        SCOPED_TRACE(expected.entry);
        for (QAction* item : menu->actions()) {
            if (item->text() == QString::fromUtf8(expected.entry)) {
                item->trigger();
            }
        }
        settle();
        EXPECT_EQ(model->theme(), expected.theme);
        EXPECT_EQ(platform->settings[QStringLiteral("tv.theme")], QString::fromUtf8(identifier(expected.theme).data()));
        EXPECT_EQ(window->palette().color(QPalette::Window).lightness() > 128, expected.light);
        EXPECT_EQ(window->palette().color(QPalette::WindowText).lightness() > 128, !expected.light);
        EXPECT_EQ(window->statusBarView()->promptColor(), expected.prompt);
        for (QAction* item : menu->actions()) {
            if (item->isCheckable()) {
                EXPECT_EQ(item->isChecked(), item->text() == QString::fromUtf8(expected.entry));
            }
        }
    }
}

TEST_F(WindowTest, TheEmptyStateGivesWayToTheCanvas)
{
    EmptyStateView* empty = window->emptyState();
    EXPECT_FALSE(window->showsCanvas());
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->wordMark()->text(), QStringLiteral("tarnveil"));
    EXPECT_TRUE(empty->wordMark()->font().bold());
    EXPECT_DOUBLE_EQ(empty->wordMark()->font().pointSizeF(), 26);
    EXPECT_EQ(empty->promptText(), QStringLiteral("> awaiting input"));
    EXPECT_EQ(empty->hintText(), QStringLiteral("Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot"));
    EXPECT_EQ(empty->cursor()->size(), QSize(8, 15));
    EXPECT_TRUE(empty->cursor()->isBlinking());

    pasteAndScan(imageA());
    EXPECT_TRUE(window->showsCanvas());
    EXPECT_TRUE(window->canvas()->isVisible());
    EXPECT_FALSE(empty->isVisible());
    EXPECT_FALSE(empty->cursor()->isBlinking()) << "a hidden cursor does not animate";
}

TEST_F(WindowTest, WithReducedMotionTheCursorStaysOn)
{
    platform->motionReduced = true;
    EditorWindow still(*model);
    still.show();
    settle();
    EXPECT_FALSE(still.emptyState()->cursor()->isBlinking());
    EXPECT_DOUBLE_EQ(still.emptyState()->cursor()->opacity(), 1.0);
}

TEST_F(WindowTest, TheStatusBarFollowsTheModel)
{
    StatusBarView* status = window->statusBarView();
    EXPECT_EQ(status->statusText(), QStringLiteral("Paste a screenshot to begin  (Ctrl+V)"));
    EXPECT_FALSE(status->showsKeyHint());
    EXPECT_FALSE(status->showsBusyIndicator());

    recognizer.hold = true;
    paste(imageA());
    settle();
    EXPECT_TRUE(status->showsBusyIndicator());
    EXPECT_EQ(status->statusText(), QStringLiteral("Scanning…"));
    recognizer.release(0);
    ASSERT_TRUE(waitForScan());
    settle();
    EXPECT_FALSE(status->showsBusyIndicator());
    EXPECT_EQ(status->statusText(), model->status().text());
    EXPECT_TRUE(status->showsKeyHint());
    EXPECT_EQ(status->keyHint(), QStringLiteral("[space] preview   [1-4] style   [alt] protect"));
}

TEST_F(WindowTest, DropsLoadTheFirstItemWhenItIsAnImage)
{
    const QString png = writeImage(QStringLiteral("shot.png"), imageB());
    const QString text = writeFile(QStringLiteral("notes.txt"), "not an image\n");
    const QString fake = writeFile(QStringLiteral("fake.png"), "\x89PNG but not really");

    struct DropCase {
        const char* name;
        std::function<void(QMimeData&)> fill;
        std::optional<QSize> loaded;
        std::optional<QString> source;
    };
    const std::vector<DropCase> cases = {
        {"image object", [](QMimeData& m) { m.setImageData(blankImage(320, 80)); }, QSize(320, 80), std::nullopt},
        {"image file", [&](QMimeData& m) { m.setUrls({QUrl::fromLocalFile(png)}); }, imageB().size(), png},
        {"text file", [&](QMimeData& m) { m.setUrls({QUrl::fromLocalFile(text)}); }, std::nullopt, std::nullopt},
        {"broken image file", [&](QMimeData& m) { m.setUrls({QUrl::fromLocalFile(fake)}); }, std::nullopt,
         std::nullopt},
        {"text file before an image", [&](QMimeData& m) { m.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(png)}); },
         std::nullopt, std::nullopt},
        {"remote address", [](QMimeData& m) { m.setUrls({QUrl(QStringLiteral("https://example.com/a.png"))}); },
         std::nullopt, std::nullopt},
        {"plain text", [](QMimeData& m) { m.setText(QStringLiteral("hello")); }, std::nullopt, std::nullopt},
    };
    for (const DropCase& dropCase : cases) {
        SCOPED_TRACE(dropCase.name);
        EditorModel fresh(platform);
        fresh.recognize = recognizer.function();
        EditorWindow target(fresh);
        QMimeData content;
        dropCase.fill(content);
        const QPoint centre = target.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        QDropEvent dropped(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &dropped);
        EXPECT_TRUE(enter.isAccepted() && dropped.isAccepted()) << "a drop with an item is always taken";

        if (dropCase.loaded) {
            ASSERT_TRUE(fresh.image().has_value());
            EXPECT_EQ(fresh.image()->size(), *dropCase.loaded);
            EXPECT_EQ(fresh.imageScale(), 2.0);
            EXPECT_EQ(fresh.sourceURL(), dropCase.source);
        } else {
            EXPECT_FALSE(fresh.image().has_value());
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !fresh.isProcessing(); }, 10000));
    }
}

TEST_F(WindowTest, ADropOfANonImageKeepsTheCurrentImage)
{
    pasteAndScan(imageA());
    const std::size_t regions = model->regions().size();
    QMimeData content;
    content.setUrls({QUrl::fromLocalFile(writeFile(QStringLiteral("notes.txt"), "text"))});
    EXPECT_TRUE(drop(content));
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageA().size());
    EXPECT_EQ(model->regions().size(), regions);
    EXPECT_EQ(recognizer.requestCount(), 1u);
}

TEST_F(WindowTest, CanvasKeysWorkInTheRegionList)
{
    const RedactionRegion email = found(DetectionCategory::email, Severity::identifier, "a@b.io");
    const RedactionRegion secretKey = found(DetectionCategory::jwt, Severity::secret, "eyJhbGciOi");
    showRegions({email, secretKey});
    clickRow(email.id);
    QWidget* list = tree();
    ASSERT_TRUE(list->hasFocus());

    QTest::keyClick(list, Qt::Key_3);
    EXPECT_EQ(model->region(email.id)->style, RedactionStyle::blur());
    QTest::keyClick(list, Qt::Key_2);
    EXPECT_EQ(model->region(email.id)->style, RedactionStyle::labeled(FillColor::black));

    QTest::keyPress(list, Qt::Key_Space);
    EXPECT_TRUE(model->previewBurned());
    QTest::keyRelease(list, Qt::Key_Space);
    EXPECT_FALSE(model->previewBurned());
    QTest::keyPress(list, Qt::Key_Space);
    ASSERT_TRUE(model->previewBurned());
    window->inspector()->form()->setFocus();
    settle();
    EXPECT_FALSE(model->previewBurned()) << "leaving the list ends the preview";

    clickRow(secretKey.id);
    QTest::keyClick(list, Qt::Key_4);
    EXPECT_TRUE(model->pendingUnsafeStyle().has_value()) << "a secret asks first";
    window->unsafeStylePrompt()->cancelButton()->click();
    settle();

    clickRow(secretKey.id);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_FALSE(model->region(secretKey.id).has_value());
    EXPECT_TRUE(model->region(email.id).has_value());
}

TEST(WindowSymbolIcons, EverySymbolHasADrawingAndAnIcon)
{
    for (const std::string_view symbol : SymbolIcons::symbols()) {
        SCOPED_TRACE(std::string(symbol));
        const QIcon drawing(SymbolIcons::resourcePath(symbol));
        const QPixmap pixmap = drawing.pixmap(QSize(32, 32));
        ASSERT_FALSE(pixmap.isNull());
        const QImage image = pixmap.toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 30) << "the drawing shows something";

        const QImage tinted = SymbolIcons::icon(symbol, QColor(Qt::red)).pixmap(QSize(32, 32)).toImage();
        ASSERT_FALSE(tinted.isNull());
        bool allRed = true;
        for (int y = 0; y < tinted.height(); ++y) {
            for (int x = 0; x < tinted.width(); ++x) {
                const QColor colour = tinted.pixelColor(x, y);
                if (colour.alpha() > 200 && (colour.red() < 200 || colour.green() > 60 || colour.blue() > 60)) {
                    allRed = false;
                }
            }
        }
        EXPECT_TRUE(allRed) << "icons are drawn in the colour asked for";
    }
    EXPECT_TRUE(SymbolIcons::icon("no.such.symbol").isNull());
}

} // namespace
} // namespace tarnveil::test
