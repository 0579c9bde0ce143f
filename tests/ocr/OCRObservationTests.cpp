#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "ocr/OCRObservation.h"
#include "ocr/SymbolBoxesText.h"

using namespace tarnveil;

namespace {

/// A handle that answers every request with one fixed answer.
class FixedAnswerText final : public RecognizedText {
public:
    explicit FixedAnswerText(Result<std::optional<Rect>, std::string> answer) : answer_(std::move(answer)) {}
    Result<std::optional<Rect>, std::string> boundingBox(const TextRange&) const override { return answer_; }

private:
    Result<std::optional<Rect>, std::string> answer_;
};

OCRObservation observationAnswering(Result<std::optional<Rect>, std::string> answer)
{
    OCRObservation observation;
    observation.string = "secret=hunter2";
    observation.recognizedText = std::make_shared<FixedAnswerText>(std::move(answer));
    return observation;
}

// "ab cd": one symbol per letter, each 0.1 wide, all on one line at y 0.5.
SymbolBoxesText twoWords()
{
    return SymbolBoxesText("ab cd", {{0, 1, Rect{0.0, 0.5, 0.1, 0.1}},
                                     {1, 2, Rect{0.1, 0.5, 0.1, 0.1}},
                                     {3, 4, Rect{0.3, 0.5, 0.1, 0.1}},
                                     {4, 5, Rect{0.4, 0.5, 0.1, 0.1}}});
}

void expectBox(const Result<std::optional<Rect>, std::string>& answer, const Rect& expected)
{
    ASSERT_TRUE(answer.ok()) << answer.error();
    ASSERT_TRUE(answer.value().has_value());
    EXPECT_NEAR(answer.value()->x, expected.x, 1e-12);
    EXPECT_NEAR(answer.value()->y, expected.y, 1e-12);
    EXPECT_NEAR(answer.value()->width, expected.width, 1e-12);
    EXPECT_NEAR(answer.value()->height, expected.height, 1e-12);
}

} // namespace

TEST(OCRObservation, SourceIdentifiersAreExact)
{
    EXPECT_EQ(OCRObservation::identifier(OCRObservation::Source::native), "native");
    EXPECT_EQ(OCRObservation::identifier(OCRObservation::Source::upscaled), "upscaled");
    EXPECT_EQ(OCRObservation::sourceFromIdentifier("upscaled"), OCRObservation::Source::upscaled);
    EXPECT_EQ(OCRObservation::sourceFromIdentifier("native"), OCRObservation::Source::native);
    for (const char* text : {"Upscaled", "NATIVE", "", "upscaled "}) {
        EXPECT_EQ(OCRObservation::sourceFromIdentifier(text), std::nullopt) << text;
    }
}

TEST(OCRObservation, PixelBoxConvertsPadsAndRounds)
{
    const Size image{1000, 500};
    // (100.4, 50.2, 80, 12) in pixels of a 1000 x 500 image.
    const Rect normalized{0.1004, 1 - (50.2 + 12) / 500, 0.08, 12.0 / 500};
    const auto observation = observationAnswering(std::optional<Rect>(normalized));

    EXPECT_EQ(observation.pixelBox(TextRange{7, 14}, image, 3), (Rect{97, 47, 87, 19}));

    // Padding 0 keeps the engine's box unrounded.
    const auto exact = observation.pixelBox(TextRange{7, 14}, image, 0);
    ASSERT_TRUE(exact);
    EXPECT_NEAR(exact->x, 100.4, 1e-9);
    EXPECT_NEAR(exact->y, 50.2, 1e-9);
    EXPECT_NEAR(exact->width, 80, 1e-9);
    EXPECT_NEAR(exact->height, 12, 1e-9);
}

TEST(OCRObservation, PixelBoxIsAbsentWithoutAUsableAnswer)
{
    const Size image{100, 100};
    OCRObservation withoutHandle;
    withoutHandle.string = "abc";
    EXPECT_EQ(withoutHandle.pixelBox(TextRange{0, 3}, image, 3), std::nullopt);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Result<std::optional<Rect>, std::string>> answers{
        std::optional<Rect>{},                          // no box
        failure(std::string("engine failed")),          // error
        std::optional<Rect>(Rect{nan, 0, 0.1, 0.1}),    // not a number
        std::optional<Rect>(Rect{0, 0, INFINITY, 0.1}), // not finite
    };
    for (const auto& answer : answers) {
        EXPECT_EQ(observationAnswering(answer).pixelBox(TextRange{0, 3}, image, 3), std::nullopt);
    }
}

TEST(OCRObservation, CopiesShareTheHandle)
{
    const auto observation = observationAnswering(std::optional<Rect>(Rect{0, 0, 1, 1}));
    const OCRObservation copy = observation;
    EXPECT_EQ(copy.recognizedText.get(), observation.recognizedText.get());
}

TEST(SymbolBoxesText, BoxOfARangeIsTheUnionOfTheSymbolsItMeets)
{
    const auto text = twoWords();
    expectBox(text.boundingBox(TextRange{0, 2}), Rect{0.0, 0.5, 0.2, 0.1});
    expectBox(text.boundingBox(TextRange{1, 4}), Rect{0.1, 0.5, 0.3, 0.1}); // across the gap
    expectBox(text.boundingBox(TextRange{4, 5}), Rect{0.4, 0.5, 0.1, 0.1});
}

TEST(SymbolBoxesText, RangesMeetingNoSymbolHaveNoBox)
{
    const auto text = twoWords();
    for (const TextRange range : {TextRange{2, 3}, TextRange{1, 1}, TextRange{5, 5}}) {
        const auto answer = text.boundingBox(range);
        ASSERT_TRUE(answer.ok());
        EXPECT_FALSE(answer.value().has_value()) << range.start << "-" << range.end;
    }
}

TEST(SymbolBoxesText, ARangeWithUncoveredCharactersIsAnError)
{
    // "abc": the engine gave no symbol for "c"; a box from "a" and "b" would leave it visible.
    const SymbolBoxesText text("abc", {{0, 1, Rect{0.0, 0.5, 0.1, 0.1}}, {1, 2, Rect{0.1, 0.5, 0.1, 0.1}}});
    EXPECT_FALSE(text.boundingBox(TextRange{0, 3}).ok());
    EXPECT_TRUE(text.boundingBox(TextRange{0, 2}).ok());
    EXPECT_FALSE(text.boundingBox(TextRange{2, 1}).ok());  // inverted
    EXPECT_FALSE(text.boundingBox(TextRange{0, 99}).ok()); // beyond the line
}

TEST(SymbolBoxesText, MultiByteSymbolsAreMetByAnyOfTheirBytes)
{
    // "é" is two bytes.
    const SymbolBoxesText text("xé", {{0, 1, Rect{0.0, 0.5, 0.1, 0.1}}, {1, 3, Rect{0.1, 0.5, 0.1, 0.1}}});
    expectBox(text.boundingBox(TextRange{1, 3}), Rect{0.1, 0.5, 0.1, 0.1});
    expectBox(text.boundingBox(TextRange{0, 3}), Rect{0.0, 0.5, 0.2, 0.1});
}
