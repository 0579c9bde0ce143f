// The export flow: the checks before it, the burned snapshot, file names, the Desktop and the
// save-dialog fallback, the protection of the source image, the clipboard, the mapping and
// new sessions.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "EditorTestFixture.h"

namespace tarnveil::test {
namespace {

using ::testing::SizeIs;

class EditorExportTest : public EditorTestFixture {
protected:
    EditorExportTest()
    {
        desktopPath = QDir(folder.path()).filePath("Desktop");
        QDir().mkpath(desktopPath);
        platform->desktop = desktopPath;
    }

    QStringList desktopFiles() const { return QDir(desktopPath).entryList(QDir::Files, QDir::Name); }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /// Starts the export and, as the canvas does when the burn animation ends, performs it.
    void exportNow()
    {
        model->exportToDesktopAndCopy();
        model->performExport();
    }

    /// Writes `image` to a file in the temporary folder and loads it from there.
    QString loadFromFile(const QImage& image, const QString& name)
    {
        const QString path = QDir(folder.path()).filePath(name);
        EXPECT_TRUE(image.save(path));
        model->load(image, 2.0, path);
        EXPECT_TRUE(waitForScan());
        return path;
    }

    QString desktopPath;
};

const QRegularExpression exportName(QStringLiteral("^Screenshot-redacted-\\d{4}-\\d{2}-\\d{2}-\\d{6}-[0-9A-F]{8}\\.png$"));

TEST_F(EditorExportTest, ExportBurnsTheRegionsWritesTheDesktopFileAndCopiesTheSameBytes)
{
    pasteAndScan(imageA());
    model->exportToDesktopAndCopy();
    EXPECT_EQ(statusLine(), "Burning 2 regions…");
    EXPECT_EQ(model->burnToken(), 1);
    EXPECT_TRUE(model->isExporting());
    EXPECT_TRUE(desktopFiles().isEmpty()) << "nothing is written before the burn animation ends";

    model->performExport();
    ASSERT_THAT(desktopFiles(), SizeIs(1));
    const QString name = desktopFiles().front();
    EXPECT_TRUE(exportName.match(name).hasMatch()) << name.toStdString();
    EXPECT_EQ(statusLine(), "Exported " + name + " to Desktop · copied to clipboard");
    EXPECT_FALSE(model->isExporting());
    const QByteArray written = contents(QDir(desktopPath).filePath(name));
    EXPECT_EQ(platform->copiedPng, written);

    const QImage exported = QImage::fromData(written, "PNG");
    const Rect rect = regionOf(DetectionCategory::passwordInContext)->rect;
    EXPECT_EQ(exported.pixelColor(int(rect.x) + 1, int(rect.y) + 1), QColor(Qt::black));
    EXPECT_EQ(exported.pixelColor(395, 95), QColor(Qt::white));
    EXPECT_FALSE(exported.hasAlphaChannel());
}

TEST_F(EditorExportTest, BurningStatusCountsRegionsOrHonoursReducedMotion)
{
    struct Case {
        int regions;
        bool reduceMotion;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {0, false, "Burning 0 regions…"},
        {1, false, "Burning 1 region…"},
        {3, false, "Burning 3 regions…"},
        {3, true, "Burning…"},
    };
    recognizer.answer = [](const QImage& image) { return ocrOf(image.width(), image.height(), {}); };
    for (const Case& scenario : cases) {
        SCOPED_TRACE(scenario.expected);
        pasteAndScan(blankImage(60, 40));
        for (int i = 0; i < scenario.regions; ++i) {
            model->addRegion(manualRegion(Rect{double(i), 0, 1, 1}));
        }
        platform->motionReduced = scenario.reduceMotion;
        model->exportToDesktopAndCopy();
        EXPECT_EQ(statusLine(), QString::fromUtf8(scenario.expected));
        EXPECT_TRUE(model->status().isTranslated());
        model->performExport();
    }
}

TEST_F(EditorExportTest, WithoutRegionsTheExportIsTheImageItself)
{
    recognizer.answer = [](const QImage& image) { return ocrOf(image.width(), image.height(), {}); };
    QImage source(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            source.setPixel(x, y, qRgb(x * 4, y * 8, 100));
        }
    }
    pasteAndScan(source);
    exportNow();
    ASSERT_THAT(desktopFiles(), SizeIs(1));
    const QImage exported(QDir(desktopPath).filePath(desktopFiles().front()));
    EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB32), source);
}

TEST_F(EditorExportTest, TwoExportsInOneSecondGetTwoNames)
{
    pasteAndScan(imageA());
    exportNow();
    exportNow();
    EXPECT_THAT(desktopFiles(), SizeIs(2));
}

TEST_F(EditorExportTest, ATakenDesktopNameIsNeverReplaced)
{
    pasteAndScan(imageA());
    // Occupy the name for this second and the next few, in case the clock ticks meanwhile.
    const QDateTime now = QDateTime::currentDateTime();
    for (int seconds = 0; seconds < 5; ++seconds) {
        const QString taken = QStringLiteral("Screenshot-redacted-") +
                              now.addSecs(seconds).toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
                              QStringLiteral("-AAAAAAAA.png");
        QFile file(QDir(desktopPath).filePath(taken));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    int draws = 0;
    model->exportNameSuffix = [&draws] { return ++draws == 1 ? QStringLiteral("AAAAAAAA") : QStringLiteral("BBBBBBBB"); };
    exportNow();

    const QStringList files = desktopFiles().filter(QStringLiteral("BBBBBBBB"));
    ASSERT_THAT(files, SizeIs(1));
    EXPECT_EQ(statusLine(), "Exported " + files.front() + " to Desktop · copied to clipboard");
    for (const QString& name : desktopFiles().filter(QStringLiteral("AAAAAAAA"))) {
        EXPECT_EQ(contents(QDir(desktopPath).filePath(name)), "keep me");
    }
}

TEST_F(EditorExportTest, AnUnusableDesktopFallsBackToTheSaveDialog)
{
    struct Case {
        const char* name;
        std::optional<QString> desktop;
    };
    const QString aFile = QDir(folder.path()).filePath("plain-file");
    QFile(aFile).open(QIODevice::WriteOnly);
    const std::vector<Case> cases = {
        {"no Desktop folder", std::nullopt},
        {"a Desktop folder that does not exist", QDir(folder.path()).filePath("gone")},
        {"a Desktop that is a file", aFile},
    };
    pasteAndScan(imageA());
    for (const Case& scenario : cases) {
        SCOPED_TRACE(scenario.name);
        platform->desktop = scenario.desktop;
        platform->saveRequests.clear();
        // Cancelled: the export ends, the status stays at the burn.
        exportNow();
        ASSERT_THAT(platform->saveRequests, SizeIs(1));
        EXPECT_TRUE(exportName.match(platform->saveRequests.front().suggestedName).hasMatch());
        EXPECT_EQ(platform->saveRequests.front().type, EditorPlatform::FileType::png);
        EXPECT_EQ(statusLine(), "Burning 2 regions…");
        EXPECT_FALSE(model->isExporting());
        EXPECT_FALSE(model->exportSnapshot());
        EXPECT_FALSE(QFileInfo::exists(QDir(folder.path()).filePath("gone")));

        const QString chosen = QDir(folder.path()).filePath("chosen.png");
        platform->saveAnswers.push_back(chosen);
        exportNow();
        EXPECT_EQ(statusLine(), "Exported · copied to clipboard");
        EXPECT_EQ(platform->copiedPng, contents(chosen));
        EXPECT_FALSE(model->isExporting());
        QFile::remove(chosen);
    }
}

TEST_F(EditorExportTest, TheSourceImageIsNeverWrittenOverWhicheverNameReachesIt)
{
    platform->desktop = std::nullopt;
    const QString source = loadFromFile(imageA(), "source.png");
    const QByteArray original = contents(source);
    const QString linkToSource = QDir(folder.path()).filePath("link-to-source.png");
    ASSERT_TRUE(QFile::link(source, linkToSource));
    const QString hardLink = QDir(folder.path()).filePath("hard-link.png");
    std::filesystem::create_hard_link(source.toStdString(), hardLink.toStdString());

    for (const QString& chosen : {source, linkToSource, hardLink,
                                  QDir(folder.path()).filePath("./../" + QDir(folder.path()).dirName() + "/source.png")}) {
        SCOPED_TRACE(chosen.toStdString());
        platform->saveAnswers.push_back(chosen);
        exportNow();
        EXPECT_EQ(statusLine(), "Choose another filename — the source image must be preserved.");
        EXPECT_FALSE(model->isExporting());
        EXPECT_EQ(contents(source), original);
        EXPECT_TRUE(QFileInfo(linkToSource).isSymLink());
    }

    // Loaded through the link, the file itself is refused too.
    model->load(imageA(), 2.0, linkToSource);
    ASSERT_TRUE(waitForScan());
    platform->saveAnswers.push_back(source);
    exportNow();
    EXPECT_EQ(statusLine(), "Choose another filename — the source image must be preserved.");
    EXPECT_EQ(contents(source), original);
    EXPECT_FALSE(model->exportSnapshot());
    EXPECT_FALSE(model->exportSourceURL());

    // A source deleted since it was loaded keeps its name refused.
    model->load(imageA(), 2.0, source);
    ASSERT_TRUE(waitForScan());
    ASSERT_TRUE(QFile::remove(source));
    platform->saveAnswers.push_back(QDir(folder.path()).filePath("./source.png"));
    exportNow();
    EXPECT_EQ(statusLine(), "Choose another filename — the source image must be preserved.");
    EXPECT_FALSE(QFileInfo::exists(source));
}

TEST_F(EditorExportTest, APastedImageMayBeSavedAnywhere)
{
    platform->desktop = std::nullopt;
    const QString existing = QDir(folder.path()).filePath("existing.png");
    ASSERT_TRUE(imageB().save(existing));
    pasteAndScan(imageA());
    platform->saveAnswers.push_back(existing);
    exportNow();
    EXPECT_EQ(statusLine(), "Exported · copied to clipboard");
    EXPECT_EQ(QImage(existing).size(), imageA().size()) << "an existing file is replaced";
}

TEST_F(EditorExportTest, AFailedSaveIsReportedAndEndsTheExport)
{
    platform->desktop = std::nullopt;
    pasteAndScan(imageA());
    platform->saveAnswers.push_back(QDir(folder.path()).filePath("missing-folder/out.png"));
    exportNow();
    EXPECT_TRUE(statusLine().startsWith("Could not save export: ")) << statusLine().toStdString();
    EXPECT_GT(statusLine().size(), QString("Could not save export: ").size());
    EXPECT_FALSE(model->isExporting());
    EXPECT_FALSE(platform->copiedPng);
}

TEST_F(EditorExportTest, AClipboardThatRefusesTheCopyOnlyChangesTheStatusSuffix)
{
    platform->clipboardAcceptsCopies = false;
    pasteAndScan(imageA());
    exportNow();
    ASSERT_THAT(desktopFiles(), SizeIs(1));
    EXPECT_EQ(statusLine(), "Exported " + desktopFiles().front() + " to Desktop · clipboard copy failed");

    platform->desktop = std::nullopt;
    platform->saveAnswers.push_back(QDir(folder.path()).filePath("chosen.png"));
    exportNow();
    EXPECT_EQ(statusLine(), "Exported · clipboard copy failed");
    EXPECT_TRUE(QFileInfo::exists(QDir(folder.path()).filePath("chosen.png")));
}

TEST_F(EditorExportTest, ExportIsRefusedWithoutAnImageOrWhileBusy)
{
    model->exportToDesktopAndCopy();
    EXPECT_EQ(statusLine(), "Nothing to export");
    EXPECT_TRUE(model->status().isTranslated());

    recognizer.hold = true;
    paste(imageA());
    model->exportToDesktopAndCopy();
    EXPECT_EQ(statusLine(), "Wait for scanning or the current export to finish.");
    EXPECT_FALSE(model->isExporting());
    EXPECT_FALSE(model->prepareExportSnapshot());
    EXPECT_EQ(statusLine(), "Wait for scanning to finish, then retry export.");
    ASSERT_TRUE(waitForRequests(1));
    recognizer.release(0);
    ASSERT_TRUE(waitForScan());

    model->exportToDesktopAndCopy();
    model->exportToDesktopAndCopy();
    EXPECT_EQ(statusLine(), "Wait for scanning or the current export to finish.");
    EXPECT_EQ(model->burnToken(), 1);
    model->performExport();
    model->performExport();
    EXPECT_THAT(desktopFiles(), SizeIs(1)) << "a second performExport without a snapshot does nothing";
}

TEST_F(EditorExportTest, AfterAFailedScanTheExportAsksFirst)
{
    recognizer.answer = [](const QImage&) { return std::nullopt; };
    pasteAndScan(imageA());
    ASSERT_TRUE(model->scanFailed());
    const QString failedStatus = statusLine();

    platform->confirmAnswer = false;
    model->exportToDesktopAndCopy();
    ASSERT_THAT(platform->questions, SizeIs(1));
    EXPECT_EQ(platform->questions.front(),
              (ModalQuestion{"Automatic detection failed",
                             "Review every sensitive area manually. Export the current manual redactions?", "Cancel",
                             "Export reviewed image"}));
    EXPECT_EQ(statusLine(), failedStatus);
    EXPECT_FALSE(model->isExporting());
    EXPECT_EQ(model->burnToken(), 0);

    platform->confirmAnswer = true;
    exportNow();
    EXPECT_THAT(desktopFiles(), SizeIs(1));
}

TEST_F(EditorExportTest, EditsDuringTheBurnDoNotReachTheExportedFile)
{
    pasteAndScan(imageA());
    model->exportToDesktopAndCopy();
    RedactionRegion everything = manualRegion(Rect{0, 0, 400, 100});
    model->addRegion(everything);
    EXPECT_EQ(model->makeBurnedImage()->pixelColor(395, 95), QColor(Qt::white)) << "the preview shows the snapshot";
    model->performExport();
    ASSERT_THAT(desktopFiles(), SizeIs(1));
    const QImage exported(QDir(desktopPath).filePath(desktopFiles().front()));
    EXPECT_EQ(exported.pixelColor(395, 95), QColor(Qt::white));
    EXPECT_EQ(model->makeBurnedImage()->pixelColor(395, 95), QColor(Qt::black)) << "after the export, the edit shows";
}

TEST_F(EditorExportTest, TheBurnedImageIsComputedOncePerChange)
{
    EXPECT_FALSE(model->makeBurnedImage());
    pasteAndScan(imageA());
    const qint64 first = model->makeBurnedImage()->cacheKey();
    EXPECT_EQ(model->makeBurnedImage()->cacheKey(), first);
    model->addRegion(manualRegion(Rect{300, 0, 10, 10}));
    const QImage changed = *model->makeBurnedImage();
    EXPECT_NE(changed.cacheKey(), first);
    EXPECT_EQ(changed.pixelColor(305, 5), QColor(Qt::black));
}

TEST_F(EditorExportTest, TheMappingIsSavedReadableByTheOwnerOnly)
{
    const QString target = QDir(folder.path()).filePath("mapping.csv");
    platform->saveAnswers.push_back(target);
    model->exportMapping();
    ASSERT_THAT(platform->saveRequests, SizeIs(1));
    EXPECT_EQ(platform->saveRequests.front().suggestedName, "tarnveil-session-mapping.csv");
    EXPECT_EQ(platform->saveRequests.front().type, EditorPlatform::FileType::csv);
    EXPECT_EQ(contents(target), "label,category,value\n");
    EXPECT_EQ(QFileInfo(target).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFileDevice::Permissions());
    EXPECT_EQ(statusLine(), "Mapping exported");

    pasteAndScan(imageA());
    platform->saveAnswers.push_back(target);
    model->exportMapping();
    EXPECT_EQ(contents(target), "label,category,value\n[IP-1],ipv4,10.20.30.40\n[PW-1],passwordInContext,Hunter2xyz7\n");
}

TEST_F(EditorExportTest, TheMappingIsNotSavedWhenCancelledUnwritableOrOverTheSource)
{
    const QString source = loadFromFile(imageA(), "source.png");
    const QByteArray original = contents(source);
    const QString scanned = statusLine();

    model->exportMapping();
    EXPECT_EQ(statusLine(), scanned) << "cancelled";

    platform->saveAnswers.push_back(QDir(folder.path()).filePath("missing-folder/map.csv"));
    model->exportMapping();
    EXPECT_TRUE(statusLine().startsWith("Could not save mapping: ")) << statusLine().toStdString();

    platform->saveAnswers.push_back(source);
    model->exportMapping();
    EXPECT_EQ(statusLine(), "Choose another filename — the source image must be preserved.");
    EXPECT_EQ(contents(source), original);
}

TEST_F(EditorExportTest, ANewSessionForgetsPseudonymsAndTheNextScanLabelsAfresh)
{
    pasteAndScan(imageA());
    pasteAndScan(imageB());
    ASSERT_EQ(regionOf(DetectionCategory::awsAccessKey)->label, "[AWSKEY-1]");
    pasteAndScan(imageA());
    EXPECT_EQ(regionOf(DetectionCategory::passwordInContext)->label, "[PW-1]") << "one label per value per session";
    RedactionRegion edited = *regionOf(DetectionCategory::ipv4);
    edited.style = RedactionStyle::solid(FillColor::grey);
    model->replaceRegion(edited);

    model->newSession();
    EXPECT_EQ(statusLine(), "New session — pseudonyms reset");
    EXPECT_TRUE(model->status().isTranslated());
    for (const RedactionRegion& region : model->regions()) {
        EXPECT_FALSE(region.label);
    }
    EXPECT_FALSE(model->canUndo());
    EXPECT_EQ(model->vocabulary().count(), 0U);

    model->reprocessWithActiveProfile();
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(regionOf(DetectionCategory::passwordInContext)->label, "[PW-1]") << "unedited regions are labelled again";
    EXPECT_EQ(regionOf(DetectionCategory::ipv4)->style, RedactionStyle::solid(FillColor::grey)) << "edits survive";
    EXPECT_EQ(model->vocabulary().count(), 2U);
}

TEST_F(EditorExportTest, ANewSessionWaitsForTheScanToFinish)
{
    pasteAndScan(imageA());
    recognizer.hold = true;
    paste(imageB());
    ASSERT_TRUE(waitForRequests(2));
    const QString scanning = statusLine();
    model->newSession();
    EXPECT_EQ(statusLine(), scanning) << "refused without a word, as the menu command is";
    EXPECT_EQ(model->vocabulary().count(), 2U);
    recognizer.release(1);
    ASSERT_TRUE(waitForScan());

    platform->desktop = std::nullopt;
    model->exportToDesktopAndCopy();
    ASSERT_TRUE(model->isExporting());
    model->newSession();
    EXPECT_EQ(model->vocabulary().count(), 3U) << "nor while an export runs";
    EXPECT_TRUE(regionOf(DetectionCategory::awsAccessKey)->label);
    model->performExport();
}

} // namespace
} // namespace tarnveil::test
