// The inspector of the editor window: its three states, the region form and the question
// before a reversible style is applied to a secret.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "EditorWindowFixture.h"
#include "window/InspectorPlaceholder.h"
#include "window/InspectorView.h"
#include "window/LinkButton.h"
#include "window/RegionForm.h"
#include "window/SegmentButton.h"
#include "window/SegmentedPicker.h"
#include "window/ToggleSwitch.h"
#include "window/UnsafeStylePrompt.h"

namespace tarnveil::test {
namespace {

class InspectorTest : public EditorWindowFixture {
protected:
    /// Shows `region` alone and selects it.
    RegionID inspect(RedactionRegion region)
    {
        const RegionID id = region.id;
        showRegions({std::move(region)});
        model->select(id, false);
        settle();
        return id;
    }

    void chooseFill(const QString& title)
    {
        SegmentedPicker* picker = form()->fillPicker();
        for (int index = 0; index < picker->count(); ++index) {
            if (picker->segment(index)->text() == title) {
                picker->segment(index)->click();
                settle();
                return;
            }
        }
        FAIL() << "no segment " << title.toStdString();
    }

    QString checkedSegment(SegmentedPicker* picker) const
    {
        const int index = picker->currentIndex();
        return index < 0 ? QString() : picker->segment(index)->text();
    }

    RedactionStyle styleOf(RegionID id) const { return model->region(id)->style; }
};

TEST_F(InspectorTest, FollowsTheSelectionThroughItsThreeStates)
{
    const RedactionRegion first = found(DetectionCategory::email, Severity::identifier, "a@b.io");
    const RedactionRegion second = drawn();
    showRegions({first, second});
    InspectorView* inspector = window->inspector();

    EXPECT_EQ(inspector->state(), InspectorView::State::noSelection);
    EXPECT_EQ(inspector->noSelection()->title(), QStringLiteral("No selection"));
    EXPECT_EQ(inspector->noSelection()->caption(), QStringLiteral("Select a region on the canvas."));

    model->select(first.id, false);
    EXPECT_EQ(inspector->state(), InspectorView::State::oneRegion);

    model->select(second.id, true);
    EXPECT_EQ(inspector->state(), InspectorView::State::severalRegions);
    EXPECT_EQ(inspector->severalSelected()->title(), QStringLiteral("2 regions selected"));
    EXPECT_EQ(inspector->severalSelected()->caption(),
              QStringLiteral("Press 1–4 to set the style of all selected regions."));

    model->deleteSelected();
    EXPECT_EQ(inspector->state(), InspectorView::State::noSelection);
}

TEST_F(InspectorTest, TheMatchSectionDescribesADetectedRegion)
{
    RedactionRegion region = found(DetectionCategory::passwordInContext, Severity::secret, "Hunter2xyz7");
    region.label = "[PW-1]";
    inspect(region);

    EXPECT_EQ(form()->matchRow(QStringLiteral("Detector")), QStringLiteral("Password"));
    EXPECT_EQ(form()->matchRow(QStringLiteral("Category")), QStringLiteral("passwordInContext"));
    EXPECT_EQ(form()->matchRow(QStringLiteral("Severity")), QStringLiteral("Secret"));
    EXPECT_EQ(form()->matchRow(QStringLiteral("Pseudonym")), QStringLiteral("[PW-1]"));
    EXPECT_TRUE(form()->showsAllowlist());
}

TEST_F(InspectorTest, AHandDrawnRegionIsAManualRegionWithoutAllowlist)
{
    inspect(drawn());
    EXPECT_TRUE(form()->shownValue().isEmpty());
    for (const char* key : {"Detector", "Category", "Severity", "Pseudonym"}) {
        EXPECT_EQ(form()->matchRow(QString::fromUtf8(key)), std::nullopt) << key;
    }
    EXPECT_FALSE(form()->showsAllowlist());
}

struct MaskCase {
    QString value;
    qsizetype bullets;
    QString allowlistTitle;
};

class InspectorMasking : public InspectorTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(InspectorMasking, HidesTheValueUntilRevealedAndPreviewsItOnTheAllowlistButton)
{
    const MaskCase& testCase = GetParam();
    inspect(found(DetectionCategory::apiKey, Severity::secret, testCase.value.toStdString()));

    EXPECT_FALSE(form()->isRevealed());
    EXPECT_EQ(form()->shownValue(), QString(testCase.bullets, QChar(0x2022)));
    EXPECT_EQ(form()->revealButton()->text(), QStringLiteral("Reveal"));
    EXPECT_EQ(form()->allowlistButton()->text(), testCase.allowlistTitle);
    EXPECT_EQ(form()->neverRedactButton()->text(), QStringLiteral("Never redact this value again"));

    form()->revealButton()->click();
    EXPECT_EQ(form()->shownValue(), testCase.value);
    EXPECT_EQ(form()->revealButton()->text(), QStringLiteral("Hide"));
    form()->revealButton()->click();
    EXPECT_EQ(form()->shownValue(), QString(testCase.bullets, QChar(0x2022)));
}

INSTANTIATE_TEST_SUITE_P(
    Inspector, InspectorMasking,
    ::testing::Values(MaskCase{QStringLiteral("abcde"), 5, QStringLiteral("Add “abcde” to allowlist")},
                      MaskCase{QStringLiteral("0123456789abcdef"), 16, QStringLiteral("Add “0123456789abcdef” to allowlist")},
                      MaskCase{QStringLiteral("0123456789abcdefg"), 17,
                               QStringLiteral("Add “0123456789abcdef…” to allowlist")},
                      MaskCase{QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"), 24,
                               QStringLiteral("Add “ABCDEFGHIJKLMNOP…” to allowlist")},
                      // A letter with a combining accent is one character.
                      MaskCase{QStringLiteral("cafe\u0301"), 4, QStringLiteral("Add “cafe\u0301” to allowlist")}));

TEST_F(InspectorTest, LongAllowlistTextsWrapInsideTheInspector)
{
    // German gives the longest allowlist texts; they wrap instead of running past the edges.
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/tarnveil_de_DE.qm")));
    QCoreApplication::installTranslator(&german);
    inspect(found(DetectionCategory::apiKey, Severity::secret, "AKIAIOSFODNN7EXAMPLEKEY"));
    settle();

    for (QPushButton* button : {form()->allowlistButton(), form()->neverRedactButton()}) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_NE(button->text(), QString()) << "translated";
        const QRect inPanel = button->geometry();
        EXPECT_TRUE(button->parentWidget()->rect().contains(inPanel));
        EXPECT_GE(inPanel.width(), 1);
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), 2 * inPanel.width())
            << "the inspector was not widened to the text";
    }
    QPushButton* allowlist = form()->allowlistButton();
    ASSERT_GT(allowlist->fontMetrics().horizontalAdvance(allowlist->text()), allowlist->width());
    EXPECT_GE(allowlist->height(), 2 * allowlist->fontMetrics().lineSpacing()) << "the text takes a second line";
    QCoreApplication::removeTranslator(&german);
}

TEST_F(InspectorTest, RevealIsKeptWhenAnotherRegionIsInspected)
{
    const RedactionRegion first = found(DetectionCategory::email, Severity::identifier, "a@b.io");
    const RedactionRegion second = found(DetectionCategory::ipv4, Severity::identifier, "10.0.0.1");
    showRegions({first, second});
    model->select(first.id, false);
    form()->revealButton()->click();
    model->select(second.id, false);
    EXPECT_EQ(form()->shownValue(), QStringLiteral("10.0.0.1"));
}

struct FillCase {
    const char* name;
    RedactionStyle before;
    const char* chosen;
    RedactionStyle after;
};

class InspectorFill : public InspectorTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(InspectorFill, KeepsTheFillColourOfAFill)
{
    const FillCase& testCase = GetParam();
    const RegionID id = inspect(found(DetectionCategory::email, Severity::identifier, "a@b.io", testCase.before));
    chooseFill(QString::fromUtf8(testCase.chosen));
    EXPECT_EQ(styleOf(id), testCase.after);
    EXPECT_EQ(checkedSegment(form()->fillPicker()), QString::fromUtf8(testCase.chosen));
}

INSTANTIATE_TEST_SUITE_P(
    Inspector, InspectorFill,
    ::testing::Values(FillCase{"LabeledWhiteToSolid", RedactionStyle::labeled(FillColor::white), "Solid",
                               RedactionStyle::solid(FillColor::white)},
                      FillCase{"SolidGreyToLabeled", RedactionStyle::solid(FillColor::grey), "Labeled",
                               RedactionStyle::labeled(FillColor::grey)},
                      FillCase{"BlurToLabeled", RedactionStyle::blur(), "Labeled", RedactionStyle::labeled(FillColor::black)},
                      FillCase{"PixelateToSolid", RedactionStyle::pixelate(), "Solid", RedactionStyle::solid(FillColor::black)},
                      FillCase{"SolidToPixelate", RedactionStyle::solid(FillColor::white), "Pixelate",
                               RedactionStyle::pixelate()}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

TEST_F(InspectorTest, TheColourPickerAndTheWarningFollowTheStyle)
{
    const RegionID id =
        inspect(found(DetectionCategory::email, Severity::identifier, "a@b.io", RedactionStyle::labeled(FillColor::black)));
    EXPECT_TRUE(form()->showsColourPicker());
    EXPECT_FALSE(form()->showsReversibleWarning());
    EXPECT_EQ(checkedSegment(form()->colourPicker()), QStringLiteral("Black"));

    form()->colourPicker()->segment(2)->click();
    EXPECT_EQ(styleOf(id), RedactionStyle::labeled(FillColor::grey));
    EXPECT_EQ(checkedSegment(form()->colourPicker()), QStringLiteral("Grey"));

    chooseFill(QStringLiteral("Blur"));
    EXPECT_FALSE(form()->showsColourPicker());
    EXPECT_TRUE(form()->showsReversibleWarning());

    chooseFill(QStringLiteral("Solid"));
    EXPECT_EQ(styleOf(id), RedactionStyle::solid(FillColor::black));
    form()->colourPicker()->segment(1)->click();
    EXPECT_EQ(styleOf(id), RedactionStyle::solid(FillColor::white));
}

TEST_F(InspectorTest, TheProtectSwitchProtectsInOneUndoStep)
{
    const RegionID id = inspect(found(DetectionCategory::email, Severity::identifier, "a@b.io"));
    EXPECT_EQ(form()->protectSwitch()->text(), QStringLiteral("Protect (never redact inside)"));
    EXPECT_FALSE(form()->protectSwitch()->isChecked());
    const std::size_t undoSteps = model->undoStack().size();

    form()->protectSwitch()->click();
    EXPECT_TRUE(model->region(id)->isProtected);
    EXPECT_TRUE(form()->protectSwitch()->isChecked());
    EXPECT_EQ(model->undoStack().size(), undoSteps + 1);

    model->undo();
    EXPECT_FALSE(model->region(id)->isProtected);
    EXPECT_FALSE(form()->protectSwitch()->isChecked());
}

class InspectorAllowlist : public InspectorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InspectorAllowlist, AButtonAllowlistsTheValueInLowerCaseAndTheRescanDropsIt)
{
    pasteAndScan(imageA());
    const std::optional<RedactionRegion> password = regionOf(DetectionCategory::passwordInContext);
    ASSERT_TRUE(password.has_value());
    model->select(password->id, false);
    settle();

    auto* button = form()->findChild<QPushButton*>(QString::fromUtf8(GetParam()));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_TRUE(waitForScan());
    settle();

    ASSERT_TRUE(password->value.has_value());
    const std::string lowered = QString::fromStdString(*password->value).toLower().toStdString();
    EXPECT_EQ(model->userAllowlist(), std::set<std::string>{lowered});
    EXPECT_FALSE(regionOf(DetectionCategory::passwordInContext).has_value());
    EXPECT_TRUE(regionOf(DetectionCategory::ipv4).has_value());
    EXPECT_EQ(recognizer.requestCount(), 1u) << "the rescan reuses the recognised lines";
}

INSTANTIATE_TEST_SUITE_P(Inspector, InspectorAllowlist, ::testing::Values("addToAllowlist", "neverRedact"));

TEST_F(InspectorTest, AReversibleStyleOnASecretAsksFirst)
{
    struct Answer {
        const char* name;
        bool apply;
        RedactionStyle result;
    };
    for (const Answer& answer : {Answer{"Apply Anyway", true, RedactionStyle::blur()},
                                 Answer{"Cancel", false, RedactionStyle::solid(FillColor::black)}}) {
        SCOPED_TRACE(answer.name);
        const RegionID id = inspect(found(DetectionCategory::awsSecretKey, Severity::secret, "wJalrXUtnFEMI"));
        chooseFill(QStringLiteral("Blur"));

        ASSERT_TRUE(model->pendingUnsafeStyle().has_value());
        QMessageBox* dialog = window->unsafeStylePrompt()->dialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->text(), QStringLiteral("Apply a reversible style to a secret?"));
        EXPECT_EQ(dialog->informativeText(),
                  QStringLiteral("Blur and pixelate are reversible. Depixelation attacks can recover short secrets. "
                                 "Solid fill is safer."));
        EXPECT_EQ(dialog->defaultButton(), window->unsafeStylePrompt()->cancelButton());
        EXPECT_EQ(styleOf(id), RedactionStyle::solid(FillColor::black)) << "nothing changes before the answer";
        EXPECT_EQ(checkedSegment(form()->fillPicker()), QStringLiteral("Solid"));

        QAbstractButton* button =
            answer.apply ? window->unsafeStylePrompt()->applyButton() : window->unsafeStylePrompt()->cancelButton();
        EXPECT_EQ(button->text(), QString::fromUtf8(answer.name));
        button->click();
        settle();

        EXPECT_FALSE(model->pendingUnsafeStyle().has_value());
        EXPECT_EQ(window->unsafeStylePrompt()->dialog(), nullptr);
        EXPECT_EQ(styleOf(id), answer.result);
        EXPECT_EQ(checkedSegment(form()->fillPicker()), answer.apply ? QStringLiteral("Blur") : QStringLiteral("Solid"));
    }
}

TEST_F(InspectorTest, TheQuestionGoesWhenTheWaitingStyleIsDroppedElsewhere)
{
    inspect(found(DetectionCategory::jwt, Severity::secret, "eyJhbGciOi"));
    model->setStyleForSelection(RedactionStyle::pixelate());
    settle();
    ASSERT_NE(window->unsafeStylePrompt()->dialog(), nullptr);
    model->cancelUnsafeStyle();
    settle();
    EXPECT_EQ(window->unsafeStylePrompt()->dialog(), nullptr);
    EXPECT_FALSE(model->pendingUnsafeStyle().has_value());
}

} // namespace
} // namespace tarnveil::test
