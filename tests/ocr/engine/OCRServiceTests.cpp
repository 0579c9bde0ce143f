#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "ocr/Geometry.h"
#include "ocr/engine/OCRService.h"

using namespace tarnveil;

namespace {

using Source = OCRObservation::Source;

OCRObservation line(const std::string& text, Rect box, float confidence, Source source)
{
    OCRObservation observation;
    observation.string = text;
    observation.pixelBoundingBox = box;
    observation.confidence = confidence;
    observation.source = source;
    return observation;
}

/// A pass that records what it was given and answers with the lines set for its source.
struct FakeEngine {
    std::vector<OCRObservation> native;
    std::vector<OCRObservation> upscaled;
    std::optional<std::string> nativeError;
    std::optional<std::string> upscaledError;

    std::mutex mutex;
    std::vector<std::pair<QSize, Size>> calls; // image given, size given

    OCRService::Pass pass()
    {
        return [this](const QImage& image, const Size& size, Source source)
                   -> Result<std::vector<OCRObservation>, std::string> {
            {
                std::lock_guard lock(mutex);
                calls.emplace_back(image.size(), size);
            }
            const auto& error = source == Source::native ? nativeError : upscaledError;
            if (error) {
                return failure(*error);
            }
            return source == Source::native ? native : upscaled;
        };
    }
};

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::vector<std::string> stringsOf(const OCRResult& result)
{
    std::vector<std::string> strings;
    for (const auto& observation : result.observations) {
        strings.push_back(observation.string);
    }
    return strings;
}

} // namespace

TEST(OCRService, EnlargesOnlyImagesNarrowerThanTheThreshold)
{
    for (const int width : {1599, 1600}) {
        FakeEngine engine;
        engine.native = {line("same", Rect{10, 10, 100, 20}, 0.5f, Source::native)};
        engine.upscaled = {line("same", Rect{10, 10, 100, 20}, 0.9f, Source::upscaled)};
        const auto result = OCRService(1600, 0.7, engine.pass()).recognizeText(blank(width, 40));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->imageSize, (Size{double(width), 40}));
        if (width == 1599) {
            // Both passes see the source's size; the second gets the copy enlarged twice, and
            // the better of the two readings of one line survives.
            ASSERT_EQ(engine.calls.size(), 2u);
            for (const auto& [image, size] : engine.calls) {
                EXPECT_EQ(size, (Size{1599, 40}));
                EXPECT_TRUE(image == QSize(1599, 40) || image == QSize(3198, 80));
            }
            ASSERT_EQ(result->observations.size(), 1u);
            EXPECT_EQ(result->observations[0].source, Source::upscaled);
        } else {
            // One pass, and no de-duplication of its own lines.
            EXPECT_EQ(engine.calls.size(), 1u);
            EXPECT_EQ(result->observations.size(), 1u);
        }
    }
}

TEST(OCRService, AnErrorInEitherPassIsTheWholeAnswer)
{
    for (const bool nativeFails : {true, false}) {
        FakeEngine engine;
        engine.native = {line("kept?", Rect{0, 0, 10, 10}, 0.9f, Source::native)};
        (nativeFails ? engine.nativeError : engine.upscaledError) = "engine broke";
        const auto result = OCRService(1600, 0.7, engine.pass()).recognizeText(blank(800, 100));
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error(), "engine broke");
    }
}

TEST(OCRService, DeduplicationKeepsTheBetterOfOverlappingLines)
{
    const Rect box{100, 100, 200, 20};
    struct Case {
        const char* what;
        OCRObservation second;
        bool survives;
    };
    // The first line (confidence 0.8, native) is always the survivor the second is held against.
    const Case cases[] = {
        {"same box, same confidence, later in the pool",
         line("b", box, 0.8f, Source::upscaled), false},
        {"IoU exactly 0.7 is not above the threshold",
         line("b", Rect{100, 100, 140, 20}, 0.5f, Source::upscaled), true},
        {"same row, horizontal IoU above 0.7, small 2-D IoU",
         line("b", Rect{100, 110, 180, 40}, 0.5f, Source::upscaled), false},
        {"same row, horizontal IoU exactly 0.7",
         line("b", Rect{100, 110, 140, 40}, 0.5f, Source::upscaled), true},
        {"another row", line("b", Rect{100, 130, 200, 20}, 0.5f, Source::upscaled), true},
    };
    for (const auto& c : cases) {
        const auto survivors = OCRService::deduplicated({line("a", box, 0.8f, Source::native), c.second}, 0.7);
        EXPECT_EQ(survivors.size(), c.survives ? 2u : 1u) << c.what;
        EXPECT_EQ(survivors.front().string, "a") << c.what;
    }
    // Confidence decides, whichever pass the line came from.
    const auto better = OCRService::deduplicated(
        {line("a", box, 0.6f, Source::native), line("b", box, 0.9f, Source::upscaled)}, 0.7);
    ASSERT_EQ(better.size(), 1u);
    EXPECT_EQ(better[0].string, "b");
}

TEST(OCRService, ReadingOrderTreatsTopsWithinSixPixelsAsOneRow)
{
    FakeEngine engine;
    engine.native = {
        line("lower row", Rect{0, 106.5, 50, 10}, 0.9f, Source::native),
        line("right", Rect{300, 6, 50, 10}, 0.9f, Source::native),
        line("left", Rect{10, 0, 50, 10}, 0.9f, Source::native),
        line("top row", Rect{500, 100, 50, 10}, 0.9f, Source::native),
    };
    const auto result = OCRService(0, 0.7, engine.pass()).recognizeText(blank(600, 200));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(stringsOf(*result), (std::vector<std::string>{"left", "right", "top row", "lower row"}));
}

TEST(OCRService, TheEnlargedCopyIsTwiceTheSizeOrNothing)
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    const QImage big = OCRService::upscaled(image, 2.0);
    ASSERT_EQ(big.size(), QSize(14, 10));
    EXPECT_EQ(QColor(big.pixel(7, 5)), QColor(10, 200, 30));
    EXPECT_TRUE(OCRService::upscaled(QImage(), 2.0).isNull());
    EXPECT_TRUE(OCRService::upscaled(image, std::nan("")).isNull());
}
