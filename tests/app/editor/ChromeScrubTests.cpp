// Chrome-scrub strips: where they go at each scale, their style and their place in the
// history and across rescans.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EditorTestFixture.h"

namespace tarnveil::test {
namespace {

class ChromeScrubTest : public EditorTestFixture {
protected:
    void loadBlank(int width, int height, double scale)
    {
        recognizer.answer = [](const QImage& image) { return ocrOf(image.width(), image.height(), {}); };
        model->load(blankImage(width, height), scale, std::nullopt);
        ASSERT_TRUE(waitForScan());
    }
};

TEST(ChromeScrubKind, IdentifiersAndTitlesInMenuOrder)
{
    std::vector<std::string> identifiers;
    QStringList titles;
    for (const ChromeScrub kind : allChromeScrubs()) {
        identifiers.emplace_back(id(kind));
        titles << title(kind);
        EXPECT_EQ(chromeScrubFromIdentifier(identifier(kind)), kind);
    }
    EXPECT_EQ(identifiers, (std::vector<std::string>{"menuBar", "dock", "browserBar", "terminalTitle"}));
    EXPECT_EQ(titles, (QStringList{"Menu Bar", "Dock", "Browser Bar", "Title Bar"}));
    EXPECT_FALSE(chromeScrubFromIdentifier("MenuBar"));
    EXPECT_FALSE(chromeScrubFromIdentifier("Title Bar"));
}

TEST_F(ChromeScrubTest, StripsCoverTheSameBandInPointsAtEveryScale)
{
    struct Case {
        int width;
        int height;
        double scale;
        ChromeScrub kind;
        Rect expected;
    };
    const std::vector<Case> cases = {
        {2880, 1800, 2, ChromeScrub::menuBar, Rect{0, 0, 2880, 48}},
        {2880, 1800, 2, ChromeScrub::dock, Rect{0, 1640, 2880, 160}},
        {2880, 1800, 2, ChromeScrub::browserBar, Rect{0, 0, 2880, 240}},
        {2880, 1800, 2, ChromeScrub::terminalTitle, Rect{0, 0, 2880, 56}},
        {1440, 900, 1, ChromeScrub::dock, Rect{0, 820, 1440, 80}},
        {1440, 100, 2, ChromeScrub::dock, Rect{0, 0, 1440, 160}},
        {1440, 160, 2, ChromeScrub::dock, Rect{0, 0, 1440, 160}},
    };
    for (const Case& scenario : cases) {
        SCOPED_TRACE(std::string(identifier(scenario.kind)) + " at " + std::to_string(scenario.width) + "x" +
                     std::to_string(scenario.height));
        loadBlank(scenario.width, scenario.height, scenario.scale);
        model->addChromeScrub(scenario.kind);
        ASSERT_EQ(model->regions().size(), 1U);
        EXPECT_EQ(model->regions().front().rect, scenario.expected);
    }
}

TEST_F(ChromeScrubTest, AStripIsAManualRegionInTheProfilesStyle)
{
    loadBlank(800, 600, 2);
    model->addChromeScrub(ChromeScrub::menuBar);
    model->addChromeScrub(ChromeScrub::menuBar);
    ASSERT_EQ(model->regions().size(), 2U);
    const RedactionRegion& strip = model->regions().back();
    EXPECT_NE(model->regions().front().id, strip.id);
    EXPECT_EQ(model->selection(), std::set<RegionID>{strip.id});
    EXPECT_EQ(strip.style, RedactionStyle::labeled(FillColor::black));
    EXPECT_FALSE(strip.label || strip.category || strip.severity || strip.value || strip.isProtected);
    EXPECT_EQ(model->history().undoSteps().size(), 3U) << "the scan, then one step per strip";

    // Burnt as a plain black bar: a labeled region without a label has no text.
    const QImage burned = *model->makeBurnedImage();
    EXPECT_EQ(burned.pixelColor(400, 24), QColor(Qt::black));
    EXPECT_EQ(burned.pixelColor(400, 48), QColor(Qt::white));

    model->setActiveProfile(Profile::clientDemo());
    model->addChromeScrub(ChromeScrub::dock);
    EXPECT_EQ(model->regions().back().style, RedactionStyle::solid(FillColor::black));

    const auto strips = model->regions();
    model->reprocessWithActiveProfile();
    ASSERT_TRUE(waitForScan());
    EXPECT_EQ(model->regions(), strips) << "rescans keep manual regions";
}

TEST_F(ChromeScrubTest, WithoutAnImageNothingIsAdded)
{
    model->addChromeScrub(ChromeScrub::dock);
    EXPECT_TRUE(model->regions().empty());
    EXPECT_FALSE(model->canUndo());
}

} // namespace
} // namespace tarnveil::test
