#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "app/editor/EditorTestFixture.h"
#include "editor/StatusLines.h"
#include "shell/AboutDialog.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MenuBarContent.h"
#include "shell/TarnveilApp.h"
#include "window/TarnveilCommands.h"
#include "window/EditorWindow.h"
#include "window/StatusBarView.h"

namespace tarnveil::test {

namespace {

/// The application shell on the scripted desktop, with a tray that a test can take away.
class TarnveilAppTest : public EditorTestFixture {
protected:
    TarnveilAppTest()
    {
        QSettings().remove(QLatin1String(InterfaceLanguage::settingKey));
    }

    ~TarnveilAppTest() override
    {
        app.reset();
        QSettings().remove(QLatin1String(InterfaceLanguage::settingKey));
        QLocale::setDefault(QLocale::c());
        settle();
    }

    void start()
    {
        app = std::make_unique<TarnveilApp>(*model, [this] { return trayAvailable; });
        app->window().show();
        settle();
    }

    QString menuText(const char* objectName) const
    {
        return app->window().mainMenu()->item(QString::fromUtf8(objectName))->text();
    }

    /// Switches the interface and lets every widget re-label itself.
    void choose(AppLanguage language) const
    {
        app->language().setChoice(language);
        settle();
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    bool trayAvailable = true;
    std::unique_ptr<TarnveilApp> app;
};

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

TEST_F(TarnveilAppTest, ClosingTheWindowQuitsOnlyWithoutATray)
{
    trayAvailable = false;
    start();
    QSignalSpy quit(app.get(), &TarnveilApp::quitRequested);
    EXPECT_FALSE(app->showsTrayItem());
    app->window().close();
    settle();
    EXPECT_EQ(quit.count(), 1) << "nothing could bring the window back";
}

TEST_F(TarnveilAppTest, WithATrayTheClosedWindowComesBackFromTheTrayMenu)
{
    start();
    QSignalSpy quit(app.get(), &TarnveilApp::quitRequested);
    app->window().close();
    settle();
    EXPECT_EQ(quit.count(), 0);
    EXPECT_FALSE(app->window().isVisible());
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    QStringList titles;
    for (QAction* entry : app->trayMenu().actions()) {
        titles.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    EXPECT_EQ(titles, (QStringList{"Capture Region", "Paste from Clipboard", "-", "Show Tarnveil", "-",
                                   "Quit Tarnveil"}));

    platform->putImageOnClipboard(imageA());
    app->trayMenu().item(QStringLiteral("pasteFromClipboard"))->trigger();
    EXPECT_TRUE(app->window().isVisible());
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(model->image()->size(), imageA().size());

    QSignalSpy capture(app.get(), &TarnveilApp::captureRequested);
    app->window().close();
    app->trayMenu().item(QStringLiteral("captureRegion"))->trigger();
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(capture.count(), 1);
    // The model's capture follows; the offscreen platform has no screen source.
    EXPECT_TRUE(model->isCapturing());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !model->isCapturing(); }, 2000));
    EXPECT_EQ(model->status().text(), QStringLiteral("Screen capture is not available on this desktop."));
    EXPECT_EQ(platform->showCalls, 1) << "the windows come back";

    app->trayMenu().item(QStringLiteral("quitTarnveil"))->trigger();
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(TarnveilAppTest, OfThreeHandedFilesTheFirstImageIsLoadedAndTheRestIgnored)
{
    start();
    const QString notAnImage = writeFile(QStringLiteral("notes.png"), "not a picture");
    const QString first = writeFile(QStringLiteral("first.png"), pngOf(imageA()));
    const QString second = writeFile(QStringLiteral("second.png"), pngOf(imageB()));
    app->window().close();

    app->openFiles({notAnImage, first, second});
    EXPECT_TRUE(app->window().isVisible()) << "the window comes forward";
    ASSERT_TRUE(model->image().has_value());
    EXPECT_EQ(model->image()->size(), imageA().size());
    EXPECT_EQ(model->sourceURL(), std::optional<QString>(first));
    EXPECT_EQ(model->imageScale(), 2.0);
    ASSERT_TRUE(waitForScan());
}

TEST_F(TarnveilAppTest, AStoredUnknownLanguageCountsAsSystem)
{
    QSettings().setValue(QLatin1String(InterfaceLanguage::settingKey), QStringLiteral("de"));
    start();
    EXPECT_EQ(app->language().choice(), AppLanguage::system);
    choose(AppLanguage::japanese);
    EXPECT_EQ(QSettings().value(QLatin1String(InterfaceLanguage::settingKey)).toString(), QStringLiteral("ja"));
}

TEST_F(TarnveilAppTest, ChoosingALanguageRelabelsMenusTrayAndTheStatusLineAtOnce)
{
    start();
    const QString statusBefore = app->window().statusBarView()->statusText();
    ASSERT_EQ(statusBefore, QString::fromUtf8(StatusLines::pasteToBegin));

    choose(AppLanguage::german);
    EXPECT_NE(menuText("openImage"), QStringLiteral("Open Image…"));
    EXPECT_EQ(menuText("openImage"), QCoreApplication::translate("tarnveil::TarnveilCommands", "Open Image…"));
    EXPECT_NE(app->trayMenu().item(QStringLiteral("quitTarnveil"))->text(), QStringLiteral("Quit Tarnveil"));
    EXPECT_NE(app->window().statusBarView()->statusText(), statusBefore) << "a line already shown is re-labelled";
    EXPECT_EQ(app->window().mainMenu()->item(QStringLiteral("toggleInspector"))->text(),
              QCoreApplication::translate("tarnveil::TarnveilCommands", "Hide Inspector"));

    choose(AppLanguage::english);
    EXPECT_EQ(menuText("openImage"), QStringLiteral("Open Image…"));
    EXPECT_EQ(app->window().statusBarView()->statusText(), statusBefore);
}

TEST_F(TarnveilAppTest, TheAboutSheetShowsItsPartsAndItsPickerKeepsTheEndonyms)
{
    start();
    app->window().mainMenu()->item(QStringLiteral("about"))->trigger();
    settle();
    AboutDialog* about = app->aboutDialog();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("productName"))->text(), QStringLiteral("Tarnveil"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("version"))->text(), QStringLiteral("Version 1.1.1"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("tagline"))->text(),
              QStringLiteral("Destructive screenshot redaction. 100% offline."));
    auto* close = about->findChild<QPushButton*>(QStringLiteral("close"));
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isDefault());

    auto* picker = about->findChild<QComboBox*>(QStringLiteral("languagePicker"));
    ASSERT_NE(picker, nullptr);
    const auto entries = [picker] {
        QStringList texts;
        for (int index = 0; index < picker->count(); ++index) {
            texts.append(picker->itemText(index));
        }
        return texts;
    };
    const QStringList english = entries();
    EXPECT_EQ(english, (QStringList{"System", "English", "日本語", "Deutsch", "Français", "한국어", "Español (México)",
                                    "Português (Brasil)", "Italiano", "繁體中文", "Nederlands"}));
    picker->setCurrentIndex(2);
    emit picker->activated(2);
    settle();
    EXPECT_EQ(app->language().choice(), AppLanguage::japanese);
    const QStringList japanese = entries();
    EXPECT_NE(japanese.first(), english.first()) << "only System is translated";
    EXPECT_EQ(japanese.mid(1), english.mid(1));
    EXPECT_NE(about->findChild<QPushButton*>(QStringLiteral("close"))->text(), QStringLiteral("Close"));
    const QLabel* tagline = about->findChild<QLabel*>(QStringLiteral("tagline"));
    EXPECT_LE(tagline->fontMetrics().horizontalAdvance(tagline->text()), tagline->contentsRect().width())
        << "the dialog widens to keep the tagline on one line";

    close->click();
    settle();
    EXPECT_FALSE(model->showAbout());
    EXPECT_EQ(app->aboutDialog(), nullptr);
}

} // namespace tarnveil::test
