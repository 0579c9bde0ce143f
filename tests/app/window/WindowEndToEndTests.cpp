// The sample screenshot dropped on the editor window and read by the real recogniser.

#include <gtest/gtest.h>

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "app/editor/FakeEditorPlatform.h"
#include "canvas/RedactionCanvas.h"
#include "editor/EditorModel.h"
#include "window/EditorWindow.h"
#include "window/RegionListModel.h"
#include "window/RegionListView.h"
#include "window/StatusBarView.h"

namespace tarnveil::test {
namespace {

constexpr int scanTimeoutMilliseconds = 120000;

QString samplePath()
{
    // tests/app/window/ → the source tree's samples/.
    QDir sources = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
    sources.cdUp();
    sources.cdUp();
    sources.cdUp();
    return sources.filePath(QStringLiteral("samples/terminal.png"));
}

TEST(WindowEndToEnd, TheDroppedSampleIsScannedAndItsRegionsListed)
{
    const QString sample = samplePath();
    ASSERT_TRUE(QFileInfo::exists(sample)) << sample.toStdString();
    auto platform = std::make_shared<FakeEditorPlatform>();
    EditorModel model(platform);
    EditorWindow window(model);
    window.show();

    QMimeData content;
    content.setUrls({QUrl::fromLocalFile(sample)});
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    ASSERT_TRUE(model.image().has_value());
    EXPECT_EQ(model.sourceURL(), QFileInfo(sample).absoluteFilePath());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.isProcessing(); }, scanTimeoutMilliseconds));
    QCoreApplication::processEvents();

    ASSERT_FALSE(model.scanFailed()) << model.status().text().toStdString();
    ASSERT_FALSE(model.regions().empty());
    const RegionListModel* list = window.regionList()->listModel();
    int rows = 0;
    for (int section = 0; section < list->rowCount(); ++section) {
        rows += list->rowCount(list->index(section, 0));
    }
    EXPECT_EQ(rows, int(model.regions().size()));
    EXPECT_FALSE(window.regionList()->showsEmptyState());
    EXPECT_EQ(window.regionList()->countText(), QString::number(model.regions().size()));
    EXPECT_EQ(list->index(0, 0).data().toString().isEmpty(), false);
    ASSERT_NE(window.canvas(), nullptr);
    EXPECT_TRUE(window.showsCanvas());
    EXPECT_TRUE(window.canvas()->isVisible());
    EXPECT_EQ(window.statusBarView()->statusText(), model.status().text());
}

} // namespace
} // namespace tarnveil::test
