// Region editing: selection, gestures, restyling with its confirmation, deletion, the
// allowlist action and the bounded undo history.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EditorTestFixture.h"

namespace tarnveil::test {
namespace {

using ::testing::ElementsAre;

class EditorEditingTest : public EditorTestFixture {
protected:
    /// A model holding one image without scanning it, so regions are only those a test adds.
    void loadWithoutText()
    {
        recognizer.answer = [](const QImage& image) { return ocrOf(image.width(), image.height(), {}); };
        pasteAndScan(blankImage(300, 200));
    }

    RedactionRegion moved(RedactionRegion region, double dx)
    {
        region.rect.x += dx;
        return region;
    }
};

TEST_F(EditorEditingTest, UndoKeepsTheLast200StepsAndRedoReplaysThem)
{
    loadWithoutText();
    for (int i = 0; i < 205; ++i) {
        model->addRegion(manualRegion(Rect{double(i), 0, 1, 1}));
    }
    EXPECT_EQ(model->history().undoSteps().size(), 200U);

    for (int i = 0; i < 200; ++i) {
        model->undo();
    }
    EXPECT_EQ(model->regions().size(), 5U) << "back to the list after the fifth addition";
    const auto atOldest = model->regions();
    model->undo();
    EXPECT_EQ(model->regions(), atOldest) << "a 201st undo does nothing";

    model->redo();
    EXPECT_EQ(model->regions().size(), 6U);
    model->addRegion(manualRegion(Rect{0, 50, 1, 1}));
    EXPECT_FALSE(model->canRedo()) << "a new step forgets the redo history";
}

TEST_F(EditorEditingTest, GestureHistoryStaysWithinTheLimit)
{
    loadWithoutText();
    RedactionRegion region = manualRegion(Rect{0, 0, 10, 10});
    model->addRegion(region);
    for (int i = 0; i < 250; ++i) {
        model->beginInteraction();
        region = moved(region, 1);
        model->updateRegionDuringInteraction(region);
        model->endInteraction();
    }
    EXPECT_EQ(model->history().undoSteps().size(), 200U);
    for (int i = 0; i < 200; ++i) {
        model->undo();
    }
    EXPECT_EQ(model->regions().front().rect.x, 50) << "the 50 oldest steps were dropped";
}

TEST_F(EditorEditingTest, AGestureIsOneUndoStepAndOnlyWhenSomethingMoved)
{
    loadWithoutText();
    const RedactionRegion region = manualRegion(Rect{10, 10, 20, 20});
    model->addRegion(region);
    const std::size_t steps = model->history().undoSteps().size();

    model->beginInteraction();
    model->updateRegionDuringInteraction(moved(region, 5));
    model->updateRegionDuringInteraction(region);
    model->endInteraction();
    EXPECT_EQ(model->history().undoSteps().size(), steps) << "released where it started";
    EXPECT_FALSE(model->isInteracting());

    model->beginInteraction();
    for (int dx = 1; dx <= 30; ++dx) {
        model->updateRegionDuringInteraction(moved(region, dx));
    }
    model->endInteraction();
    EXPECT_EQ(model->history().undoSteps().size(), steps + 1);
    model->undo();
    EXPECT_THAT(model->regions(), ElementsAre(region));

    model->updateRegionDuringInteraction(manualRegion(Rect{0, 0, 1, 1}));
    EXPECT_THAT(model->regions(), ElementsAre(region)) << "an unknown id changes nothing";
}

TEST_F(EditorEditingTest, RegionsPastTheImageEdgeKeepOnlyTheirPartOnTheImage)
{
    loadWithoutText(); // 300 × 200
    struct Case {
        const char* what;
        Rect drawn;
        std::optional<Rect> kept;
    };
    const Case cases[]{
        {"inside", Rect{10, 10, 20, 20}, Rect{10, 10, 20, 20}},
        {"past the right and bottom edges", Rect{290, 190, 40, 30}, Rect{290, 190, 10, 10}},
        {"past the left and top edges", Rect{-15, -5, 25, 15}, Rect{0, 0, 10, 10}},
        {"with a negative size", Rect{30, 30, -40, -10}, Rect{0, 20, 30, 10}},
        {"off the image", Rect{400, 10, 20, 20}, std::nullopt},
        {"touching the edge only", Rect{300, 10, 20, 20}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(model->partOnImage(c.drawn), c.kept) << c.what;
    }

    // A move past the edge keeps the part on the image; moved back, the whole region returns,
    // and moved off the image it stays where it last was.
    RedactionRegion region = manualRegion(Rect{100, 100, 50, 20});
    model->addRegion(region);
    model->beginInteraction();
    model->updateRegionDuringInteraction(moved(region, 180));
    EXPECT_EQ(model->region(region.id)->rect, (Rect{280, 100, 20, 20}));
    model->updateRegionDuringInteraction(moved(region, 10));
    EXPECT_EQ(model->region(region.id)->rect, (Rect{110, 100, 50, 20}));
    model->updateRegionDuringInteraction(moved(region, 500));
    EXPECT_EQ(model->region(region.id)->rect, (Rect{110, 100, 50, 20}));
    model->endInteraction();
}

TEST_F(EditorEditingTest, AGestureOpenWhenAnotherImageLoadsLeavesNoStepOfTheOldImage)
{
    pasteAndScan(imageA());
    const auto regionsOfA = model->regions();
    model->beginInteraction();
    model->updateRegionDuringInteraction(moved(regionsOfA.front(), 10));

    pasteAndScan(imageB());
    model->endInteraction();
    for (const auto& step : model->history().undoSteps()) {
        EXPECT_NE(step, regionsOfA);
        EXPECT_EQ(step.size(), 0U) << "only the pre-scan list of image B";
    }
}

TEST_F(EditorEditingTest, ReversibleStylesOnASecretWaitForConfirmation)
{
    struct Case {
        const char* name;
        Severity severity;
        RedactionStyle style;
        bool asks;
    };
    const std::vector<Case> cases = {
        {"blur on a secret", Severity::secret, RedactionStyle::blur(), true},
        {"pixelate on a secret", Severity::secret, RedactionStyle::pixelate(), true},
        {"solid on a secret", Severity::secret, RedactionStyle::solid(FillColor::white), false},
        {"labeled on a secret", Severity::secret, RedactionStyle::labeled(FillColor::grey), false},
        {"blur on an identifier", Severity::identifier, RedactionStyle::blur(), false},
        {"pixelate on a contextual value", Severity::contextual, RedactionStyle::pixelate(), false},
    };
    loadWithoutText();
    for (const Case& scenario : cases) {
        SCOPED_TRACE(scenario.name);
        const RedactionRegion detected = detectedRegion(Rect{10, 10, 20, 20}, DetectionCategory::apiKey, scenario.severity);
        const RedactionRegion drawn = manualRegion(Rect{50, 10, 20, 20});
        model->addRegion(detected);
        model->addRegion(drawn);
        model->selectAll();
        const auto before = model->regions();

        model->setStyleForSelection(scenario.style);
        if (scenario.asks) {
            EXPECT_EQ(model->pendingUnsafeStyle(), scenario.style);
            EXPECT_EQ(model->regions(), before);
            model->cancelUnsafeStyle();
            EXPECT_FALSE(model->pendingUnsafeStyle());
            EXPECT_EQ(model->regions(), before);

            model->setStyleForSelection(scenario.style);
            model->confirmUnsafeStyle();
            EXPECT_FALSE(model->pendingUnsafeStyle());
        } else {
            EXPECT_FALSE(model->pendingUnsafeStyle());
        }
        for (const RedactionRegion& region : model->regions()) {
            EXPECT_EQ(region.style, scenario.style) << "every selected region, secret or not";
        }
        model->undo();
        EXPECT_EQ(model->regions(), before) << "one undo step";
        model->selectAll();
        model->deleteSelected();
    }
}

TEST_F(EditorEditingTest, ConfirmationAppliesToTheSelectionAtThatMoment)
{
    loadWithoutText();
    const RedactionRegion secret = detectedRegion(Rect{10, 10, 20, 20}, DetectionCategory::apiKey, Severity::secret);
    const RedactionRegion other = manualRegion(Rect{50, 10, 20, 20});
    model->addRegion(secret);
    model->addRegion(other);
    model->select(secret.id, false);
    model->setStyleForSelection(RedactionStyle::blur());
    model->select(other.id, false);
    model->confirmUnsafeStyle();
    EXPECT_EQ(model->region(secret.id)->style, RedactionStyle::solid(FillColor::black));
    EXPECT_EQ(model->region(other.id)->style, RedactionStyle::blur());
}

TEST_F(EditorEditingTest, SelectionAndDeletion)
{
    loadWithoutText();
    const RedactionRegion first = manualRegion(Rect{0, 0, 5, 5});
    const RedactionRegion second = manualRegion(Rect{10, 0, 5, 5});
    const RedactionRegion third = manualRegion(Rect{20, 0, 5, 5});
    for (const auto& region : {first, second, third}) {
        model->addRegion(region);
    }
    EXPECT_EQ(model->selection(), std::set<RegionID>{third.id}) << "an added region is the only selected one";

    model->clearSelection();
    const std::size_t steps = model->history().undoSteps().size();
    model->deleteSelected();
    EXPECT_EQ(model->history().undoSteps().size(), steps) << "nothing selected, no step";

    model->select(first.id, false);
    model->select(third.id, true);
    model->select(second.id, true);
    model->select(second.id, true);
    EXPECT_EQ(model->selection(), (std::set<RegionID>{first.id, third.id})) << "additive selection toggles";

    model->deleteSelected();
    EXPECT_THAT(model->regions(), ElementsAre(second));
    EXPECT_TRUE(model->selection().empty());
    EXPECT_EQ(model->history().undoSteps().size(), steps + 1);
    model->undo();
    EXPECT_THAT(model->regions(), ElementsAre(first, second, third));
}

TEST_F(EditorEditingTest, RemovingACategoryKeepsOtherAndDrawnRegionsAndPrunesTheSelection)
{
    loadWithoutText();
    const RedactionRegion emailOne = detectedRegion(Rect{0, 0, 5, 5}, DetectionCategory::email, Severity::identifier);
    const RedactionRegion address = detectedRegion(Rect{10, 0, 5, 5}, DetectionCategory::ipv4, Severity::identifier);
    const RedactionRegion emailTwo = detectedRegion(Rect{20, 0, 5, 5}, DetectionCategory::email, Severity::identifier);
    const RedactionRegion drawn = manualRegion(Rect{30, 0, 5, 5});
    for (const auto& region : {emailOne, address, emailTwo, drawn}) {
        model->addRegion(region);
    }
    model->selectAll();
    model->removeRegions(DetectionCategory::email);
    EXPECT_THAT(model->regions(), ElementsAre(address, drawn));
    EXPECT_EQ(model->selection(), (std::set<RegionID>{address.id, drawn.id}));
    model->undo();
    EXPECT_EQ(model->regions().size(), 4U);
}

TEST_F(EditorEditingTest, ProtectingAndReplacingAreUndoable)
{
    loadWithoutText();
    const RedactionRegion region = manualRegion(Rect{0, 0, 5, 5});
    model->addRegion(region);
    model->setProtected(region.id, true);
    EXPECT_TRUE(model->region(region.id)->isProtected);
    RedactionRegion grown = region;
    grown.rect.width = 50;
    model->replaceRegion(grown);
    EXPECT_EQ(model->region(region.id)->rect.width, 50);
    model->undo();
    model->undo();
    EXPECT_THAT(model->regions(), ElementsAre(region));
    model->redo();
    EXPECT_TRUE(model->region(region.id)->isProtected);
}

TEST_F(EditorEditingTest, AnAllowlistedValueLeavesAtTheRescanAndStaysAllowlisted)
{
    pasteAndScan(imageA());
    const RedactionRegion password = *regionOf(DetectionCategory::passwordInContext);
    model->addToAllowlist(password.id);
    EXPECT_TRUE(model->isProcessing());
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(model->userAllowlist(), std::set<std::string>{"hunter2xyz7"});
    EXPECT_FALSE(regionOf(DetectionCategory::passwordInContext));
    EXPECT_FALSE(model->canRedo());

    model->undo();
    EXPECT_TRUE(regionOf(DetectionCategory::passwordInContext)) << "undo of the rescan brings it back";
    model->reprocessWithActiveProfile();
    ASSERT_TRUE(waitForScan());
    EXPECT_FALSE(regionOf(DetectionCategory::passwordInContext)) << "the allowlist entry stays";

    const RedactionRegion drawn = manualRegion(Rect{0, 0, 5, 5});
    model->addRegion(drawn);
    model->addToAllowlist(drawn.id);
    EXPECT_FALSE(model->isProcessing()) << "a region without a value is not allowlisted";
}

} // namespace
} // namespace tarnveil::test
