#include <gtest/gtest.h>

#include <QPainter>

#include "ocr/engine/BandSplitter.h"
#include "ocr/engine/GapInspector.h"
#include "ocr/engine/RecognitionPool.h"
#include "ocr/engine/ScreenshotPreparation.h"

using namespace tarnveil;

namespace {

QImage greyWithInkRows(int width, int height, const std::vector<std::pair<int, int>>& inkRows)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(255);
    for (const auto& [from, to] : inkRows) {
        for (int y = from; y < std::min(to, height); ++y) {
            std::fill_n(image.scanLine(y) + width / 4, width / 2, uchar(0));
        }
    }
    return image;
}

bool rowHasInk(const QImage& image, int y)
{
    const uchar* row = image.constScanLine(y);
    return std::any_of(row, row + image.width(), [](uchar v) { return v < 224; });
}

} // namespace

TEST(ScreenshotPreparation, AnyThemeBecomesDarkInkOnWhite)
{
    // Left half a dark theme with light text, right half a light theme with coloured text.
    QImage image(400, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 200, 100, QColor(30, 30, 30));
    painter.fillRect(200, 0, 200, 100, QColor(250, 250, 250));
    painter.fillRect(50, 45, 60, 6, QColor(220, 220, 220));
    painter.fillRect(250, 45, 60, 6, QColor(0, 0, 200));
    painter.end();

    const auto prepared = ScreenshotPreparation::prepare(image, 1.0);
    ASSERT_EQ(prepared.bitmap.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(prepared.bitmap.size(), image.size());
    const auto grey = [&](int x, int y) { return qGray(prepared.bitmap.pixel(x, y)); };
    EXPECT_GT(grey(20, 20), 240);  // dark background → white
    EXPECT_GT(grey(300, 80), 240); // light background → white
    EXPECT_LT(grey(80, 48), 40);   // light text → black
    EXPECT_LT(grey(280, 48), 40);  // blue text → black

    const auto enlarged = ScreenshotPreparation::prepare(image, 2.0);
    EXPECT_EQ(enlarged.bitmap.size(), QSize(800, 200));
    EXPECT_DOUBLE_EQ(enlarged.scale, 2.0);
}

TEST(BandSplitter, CutsOnlyThroughRowsWithoutInk)
{
    // Text rows of 14 pixels every 20 pixels over 2000 rows.
    std::vector<std::pair<int, int>> rows;
    for (int y = 3; y + 14 < 2000; y += 20) {
        rows.emplace_back(y, y + 14);
    }
    const QImage image = greyWithInkRows(1000, 2000, rows);
    const auto bands = BandSplitter::bands(image, 400'000);
    ASSERT_GE(bands.size(), 4u);
    EXPECT_EQ(bands.front().top, 0);
    EXPECT_EQ(bands.back().bottom, 2000);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_LT(bands[i].top, bands[i].bottom);
        if (i > 0) {
            EXPECT_EQ(bands[i].top, bands[i - 1].bottom);
            EXPECT_FALSE(rowHasInk(image, bands[i].top)) << "cut at " << bands[i].top;
        }
    }

    // Nowhere to cut, or too small to be worth it: one band.
    EXPECT_EQ(BandSplitter::bands(greyWithInkRows(1000, 2000, {{0, 2000}}), 400'000).size(), 1u);
    EXPECT_EQ(BandSplitter::bands(greyWithInkRows(200, 200, {{3, 17}, {23, 37}}), 1000).size(), 1u);
}

TEST(GapInspector, PutsBackAnUnderscoreOnlyWhereTheGapHoldsALowStroke)
{
    // Two words on a row from y = 100 to 120; the gap runs from x = 60 to 80.
    const auto rowWith = [] {
        RecognizedRow row;
        row.box = Rect{0, 100, 140, 20};
        row.words.push_back({Rect{0, 100, 60, 20}, {{"max", Rect{0, 100, 60, 20}}}});
        row.words.push_back({Rect{80, 100, 60, 20}, {{"size", Rect{80, 100, 60, 20}}}});
        return row;
    };
    struct Case {
        const char* what;
        int inkTop;
        int inkBottom;
        std::size_t words;
    };
    const Case cases[] = {
        {"a flat stroke at the bottom", 118, 120, 1},
        {"ink in the middle of the row", 105, 110, 2},
        {"nothing", 0, 0, 2},
    };
    for (const auto& c : cases) {
        QImage bitmap(200, 150, QImage::Format_Grayscale8);
        bitmap.fill(255);
        for (int y = c.inkTop; y < c.inkBottom; ++y) {
            std::fill_n(bitmap.scanLine(y) + 60, 20, uchar(0));
        }
        const auto row = GapInspector::withUnderscoresRestored(rowWith(), bitmap, 1.0);
        ASSERT_EQ(row.words.size(), c.words) << c.what;
        if (c.words == 1) {
            std::string text;
            for (const auto& symbol : row.words[0].symbols) {
                text += symbol.text;
            }
            EXPECT_EQ(text, "max_size");
        }
    }
}

TEST(RecognitionPool, RunsEveryJobOnItsThreadsAndWaitsForAll)
{
    RecognitionPool pool(2);
    std::atomic<int> done{0};
    std::vector<std::function<void()>> jobs;
    for (int i = 0; i < 50; ++i) {
        jobs.emplace_back([&] {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            ++done;
        });
    }
    pool.runAll(std::move(jobs));
    EXPECT_EQ(done, 50);
    pool.runAll({});
}
