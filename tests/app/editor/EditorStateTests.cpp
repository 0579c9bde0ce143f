// The model's settings and observable state, and status lines that follow the language.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTranslator>

#include "EditorTestFixture.h"
#include "editor/StatusLines.h"
#include "editor/StatusText.h"

namespace tarnveil::test {
namespace {

/// A catalogue that answers every key of the editor's status lines with a marked form.
class MarkingTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) != StatusText::context) {
            return {};
        }
        return QStringLiteral("«") + QString::fromUtf8(sourceText) + QStringLiteral("»");
    }
    bool isEmpty() const override { return false; }
};

TEST(EditorTheme, TheStoredThemeIsReadAtCreationAndWrittenOnEveryChange)
{
    struct Case {
        std::optional<QString> stored;
        AppTheme expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, AppTheme::midnight},
        {"daylight", AppTheme::daylight},
        {"hacker", AppTheme::hacker},
        {"Hacker", AppTheme::midnight},
        {"", AppTheme::midnight},
    };
    for (const Case& scenario : cases) {
        SCOPED_TRACE(scenario.stored.value_or("(absent)").toStdString());
        auto platform = std::make_shared<FakeEditorPlatform>();
        if (scenario.stored) {
            platform->settings["tv.theme"] = *scenario.stored;
        }
        EditorModel model(platform);
        EXPECT_EQ(model.theme(), scenario.expected);
    }

    auto platform = std::make_shared<FakeEditorPlatform>();
    EditorModel model(platform);
    QSignalSpy changes(&model, &EditorModel::themeChanged);
    model.setTheme(AppTheme::hacker);
    EXPECT_EQ(platform->settings["tv.theme"], "hacker");
    platform->settings["tv.theme"] = "stale";
    model.setTheme(AppTheme::hacker);
    EXPECT_EQ(platform->settings["tv.theme"], "hacker") << "written on every assignment";
    EXPECT_EQ(changes.count(), 1) << "announced only when it changes";
}

TEST(EditorStatusText, TranslatedLinesFollowTheLanguageAndPlainOnesDoNot)
{
    const StatusText scan = StatusText::translated("%1 detections · %2", {"3", "Pentest Report"}, " · suffix");
    const StatusText plain = StatusText::plain("Scanning…");
    EXPECT_EQ(scan.text(), "3 detections · Pentest Report · suffix");

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(scan.text(), "«3 detections · Pentest Report» · suffix");
    EXPECT_EQ(plain.text(), "Scanning…");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(scan.text(), "3 detections · Pentest Report · suffix");
}

TEST(EditorStatusText, ValuesAreInsertedOnceEvenWhenTheyLookLikeMarkers)
{
    EXPECT_EQ(StatusText::translated("%1 detections · %2", {"%2", "100%"}).text(), "%2 detections · 100%");
    EXPECT_EQ(StatusText::translated("1 detection · %1", {"A %1 B"}).text(), "1 detection · A %1 B");
    EXPECT_EQ(StatusText::translated("%1 and %3", {"x"}).text(), "x and %3");
}

TEST(EditorTexts, CaptureStatusesAndTheReversibleStyleQuestionReadWordForWord)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {StatusLines::selectAreaToCapture, "Select an area to capture…"},
        {StatusLines::captureCancelled, "Capture cancelled"},
        {StatusLines::unsafeStyleTitle, "Apply a reversible style to a secret?"},
        {StatusLines::unsafeStyleMessage,
         "Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer."},
        {StatusLines::unsafeStyleConfirm, "Apply Anyway"},
        {StatusLines::unsafeStyleCancel, "Cancel"},
    };
    for (const Case& scenario : cases) {
        EXPECT_STREQ(scenario.text, scenario.expected);
    }
}

class EditorStateTest : public EditorTestFixture {};

TEST_F(EditorStateTest, ViewSettingsAnnounceOnlyRealChanges)
{
    QSignalSpy zoom(model.get(), &EditorModel::zoomChanged);
    QSignalSpy fit(model.get(), &EditorModel::fitTokenChanged);
    QSignalSpy inspector(model.get(), &EditorModel::inspectorVisibleChanged);
    model->setZoom(1.0);
    model->setZoom(2.5);
    model->requestFit();
    model->requestFit();
    model->setInspectorVisible(true);
    model->setInspectorVisible(false);
    EXPECT_EQ(zoom.count(), 1);
    EXPECT_EQ(fit.count(), 2) << "every fit request is a new token";
    EXPECT_EQ(model->fitToken(), 2);
    EXPECT_EQ(inspector.count(), 1);
}

} // namespace
} // namespace tarnveil::test
