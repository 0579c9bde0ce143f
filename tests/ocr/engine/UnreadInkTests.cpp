#include <gtest/gtest.h>

#include "ocr/engine/UnreadInk.h"

using namespace tarnveil;

namespace {

RecognizedWord wordAt(double left, double right)
{
    RecognizedWord word;
    word.box = Rect{left, 100, right - left, 12};
    word.symbols.push_back({"x", Rect{left, 100, right - left, 12}});
    return word;
}

/// One row of words spanning the given pixel ranges (source pixels).
LineReading reading(std::initializer_list<std::pair<double, double>> spans)
{
    RecognizedRow row;
    for (const auto& [left, right] : spans) {
        row.words.push_back(wordAt(left, right));
    }
    row.box = Rect{row.words.front().box.minX(), 100, row.words.back().box.maxX() - row.words.front().box.minX(), 12};
    return {{row}, {}};
}

} // namespace

TEST(UnreadInk, OuterWordsTakeTheInkTheEngineLeftUnread)
{
    // A dump line whose closing "::" the engine dropped: the line's ink ends 20 pixels after
    // the last word (bitmap at half the source's scale), the line is 7 bitmap pixels high.
    LineReading dump = reading({{40, 300}, {310, 600}});
    UnreadInk::reach(dump, PixelBox{18, 50, 310, 57}, 2.0);
    const RecognizedRow& row = dump.rows.front();
    EXPECT_DOUBLE_EQ(row.words.back().box.maxX(), 620);
    EXPECT_DOUBLE_EQ(row.words.back().box.minX(), 310);
    EXPECT_DOUBLE_EQ(row.words.front().box.minX(), 36);
    EXPECT_DOUBLE_EQ(row.words.front().box.maxX(), 300);
    EXPECT_DOUBLE_EQ(row.box.maxX(), 620);
    EXPECT_DOUBLE_EQ(row.box.minX(), 36);
}

TEST(UnreadInk, WordsThatHoldTheInkOrAFarGapStayAsTheyAre)
{
    struct Case {
        const char* what;
        PixelBox line;
    };
    // Source pixels = bitmap pixels; the line is 10 pixels high, so the reach is 30 pixels.
    const Case cases[]{
        {"ink inside the words", PixelBox{45, 0, 595, 10}},
        {"a gap wider than the reach holds another word", PixelBox{0, 0, 640, 10}},
        {"an empty line box", PixelBox{}},
    };
    for (const Case& c : cases) {
        LineReading line = reading({{40, 300}, {310, 600}});
        UnreadInk::reach(line, c.line, 1.0);
        EXPECT_DOUBLE_EQ(line.rows.front().words.back().box.maxX(), 600) << c.what;
        EXPECT_DOUBLE_EQ(line.rows.front().words.front().box.minX(), 40) << c.what;
    }
    LineReading nothingRead;
    UnreadInk::reach(nothingRead, PixelBox{0, 0, 100, 10}, 1.0);
    EXPECT_TRUE(nothingRead.rows.empty());
}
