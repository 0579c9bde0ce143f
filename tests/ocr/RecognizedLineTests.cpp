#include <gtest/gtest.h>

#include "ocr/Geometry.h"
#include "ocr/RecognizedLineBuilder.h"
#include "ocr/RowJoiner.h"

using namespace tarnveil;

namespace {

const Size imageSize{1000, 500};

/// A word of monospaced glyphs 10 pixels apart, each 8 pixels wide, starting at `x` on the row
/// whose top is `top`.
RecognizedWord word(const std::string& text, double x, double top = 100, double height = 20)
{
    RecognizedWord result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        result.symbols.push_back({std::string(1, text[i]), Rect{x + 10.0 * double(i), top, 8, height}});
    }
    result.box = Rect{x, top, 10.0 * double(text.size()) - 2, height};
    return result;
}

RecognizedRow row(std::vector<RecognizedWord> words, float confidence = 0.9f)
{
    RecognizedRow result;
    result.confidence = confidence;
    for (auto& w : words) {
        result.box = result.box.standardWidth() > 0 ? Geometry::unionOf(result.box, w.box) : w.box;
        result.words.push_back(std::move(w));
    }
    return result;
}

Rect pixelBoxOf(const OCRObservation& line, std::size_t start, std::size_t end)
{
    return *line.pixelBox(TextRange{start, end}, imageSize, 0);
}

} // namespace

TEST(RecognizedLineBuilder, JoinsWordsWithSingleSpacesAndMapsEveryByte)
{
    const auto line = RecognizedLineBuilder::build(row({word("key=abc", 10), word("ok", 200)}), imageSize,
                                                   OCRObservation::Source::upscaled);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->string, "key=abc ok");
    EXPECT_EQ(line->source, OCRObservation::Source::upscaled);
    EXPECT_FLOAT_EQ(line->confidence, 0.9f);
    EXPECT_NEAR(line->pixelBoundingBox.minX(), 10, 1e-9);
    EXPECT_NEAR(line->pixelBoundingBox.maxX(), 218, 1e-9);
    // The gap is a space: a range across it takes both words.
    const Rect both = pixelBoxOf(*line, 0, 10);
    EXPECT_NEAR(both.minX(), 10, 1e-9);
    EXPECT_NEAR(both.maxX(), 218, 1e-9);
}

TEST(RecognizedLineBuilder, PartOfAWordIsCoveredGenerouslyButStaysInsideTheWord)
{
    // Symbol boxes can drift by a character, so "abc" of "key=abc" is widened by one mean
    // character width to the left, up to the word's end on the right, and never leaves the word.
    RecognizedWord w = word("key=abc", 10);
    w.symbols[4].box.y = 104; // a symbol box lower than its word still gets the word's height
    const auto line = RecognizedLineBuilder::build(row({w, word("next", 100)}), imageSize,
                                                   OCRObservation::Source::native);
    const Rect value = pixelBoxOf(*line, 4, 7);
    EXPECT_LT(value.minX(), 50);       // its first glyph starts at 50
    EXPECT_GE(value.minX(), 10);       // inside the word
    EXPECT_NEAR(value.maxX(), 78, 1e-9); // the word's end
    EXPECT_NEAR(value.minY(), 100, 1e-9);
    EXPECT_NEAR(value.maxY(), 124, 1e-9);
}

TEST(RecognizedLineBuilder, APartOfAWordJoinedAcrossALineBreakKeepsToItsOwnRow)
{
    // A token wrapped onto the next row and read (or repaired) as one word: its box spans both
    // rows, but the part on the first row must not cover the second row's text.
    RecognizedWord wrapped = word("token=AKIA", 600);
    wrapped.absorb(word("IOSFODNN7", 10, 126));
    const auto line = RecognizedLineBuilder::build(row({word("export", 500), wrapped}), imageSize,
                                                   OCRObservation::Source::native);
    ASSERT_TRUE(line);
    ASSERT_EQ(line->string, "export token=AKIAIOSFODNN7");
    const Rect first = pixelBoxOf(*line, 13, 17); // "AKIA", on the first row
    EXPECT_GE(first.minY(), 100 - 1e-9);
    EXPECT_LE(first.maxY(), 120 + 1e-9) << "not down into the next row";
    const Rect second = pixelBoxOf(*line, 17, 26); // "IOSFODNN7", on the next row
    EXPECT_GE(second.minY(), 126 - 1e-9);
    EXPECT_LE(second.maxY(), 146 + 1e-9);
    EXPECT_LE(second.maxX(), 10 + 90 + 1e-9) << "the last symbol keeps to its own row's end";
    // An ordinary word keeps its full height for every symbol, a low underscore included.
    const Rect plain = pixelBoxOf(*line, 0, 2);
    EXPECT_NEAR(plain.minY(), 100, 1e-9);
    EXPECT_NEAR(plain.maxY(), 120, 1e-9);
    RecognizedWord snake = word("a_b", 10);
    snake.symbols[1].box = Rect{20, 118, 8, 3};
    const auto one = RecognizedLineBuilder::build(row({snake}), imageSize, OCRObservation::Source::native);
    const Rect underscore = pixelBoxOf(*one, 1, 2);
    EXPECT_NEAR(underscore.minY(), 100, 1e-9);
    EXPECT_NEAR(underscore.maxY(), 121, 1e-9);
}

TEST(RecognizedLineBuilder, SymbolsWithoutTextOrBoxesAreHandled)
{
    RecognizedWord w = word("ab", 10);
    w.symbols.push_back({"", Rect{30, 100, 8, 20}}); // no text: ignored
    w.symbols.push_back({"c", Rect{}});              // no box: the whole word
    const auto line = RecognizedLineBuilder::build(row({w}), imageSize, OCRObservation::Source::native);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->string, "abc");
    EXPECT_NEAR(pixelBoxOf(*line, 2, 3).minX(), 10, 1e-9);

    RecognizedRow empty;
    empty.words.push_back(RecognizedWord{Rect{0, 0, 10, 10}, {{"", Rect{0, 0, 5, 5}}}});
    EXPECT_FALSE(RecognizedLineBuilder::build(empty, imageSize, OCRObservation::Source::native));
}

TEST(RecognizedLineBuilder, EveryBoxStaysInsideTheImageEvenForWordsOutsideIt)
{
    // Found by fuzzing: a word wholly outside the image kept its outside box, so a finding in
    // it gave a region that lay off the image.
    const Rect image{0, 0, imageSize.width, imageSize.height};
    for (const double x : {-400.0, 1300.0}) {
        const auto line = RecognizedLineBuilder::build(row({word("aaaa", x, -300), word("inside", 100)}), imageSize,
                                                       OCRObservation::Source::native);
        ASSERT_TRUE(line);
        ASSERT_EQ(line->string, "aaaa inside");
        const auto inImage = [&image](const Rect& box) {
            return box.minX() >= image.minX() && box.maxX() <= image.maxX() && box.minY() >= image.minY() &&
                   box.maxY() <= image.maxY();
        };
        EXPECT_TRUE(inImage(line->pixelBoundingBox)) << x;
        for (std::size_t start = 0; start < line->string.size(); ++start) {
            const auto box = line->pixelBox(TextRange{start, start + 1}, imageSize, 0);
            if (box) {
                EXPECT_TRUE(inImage(*box)) << x << ": byte " << start;
            }
        }
    }
}

TEST(RowJoiner, JoinsThePiecesOfOneRowLeftToRight)
{
    // The engine cut one log row into three pieces (and listed them out of order) and read
    // another row below it whole.
    std::vector<RecognizedRow> rows;
    rows.push_back(row({word("INFO", 200)}, 0.8f));
    rows.push_back(row({word("09:14:02", 100)}, 0.9f));
    rows.push_back(row({word("below", 100, 140)}, 0.5f));
    rows.push_back(row({word("[main]", 260), word("started", 330)}, 0.7f));
    const auto joined = RowJoiner::joined(rows);
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0].text(), "09:14:02 INFO [main] started");
    EXPECT_EQ(joined[1].text(), "below");
    // Weighted by symbols: 4 at 0.8, 8 at 0.9, 13 at 0.7.
    EXPECT_NEAR(joined[0].confidence, (4 * 0.8 + 8 * 0.9 + 13 * 0.7) / 25, 1e-6);
    EXPECT_NEAR(joined[0].box.minX(), 100, 1e-9);
}

TEST(RowJoiner, KeepsApartWhatIsNotOneRow)
{
    struct Case {
        const char* what;
        RecognizedRow right;
    };
    const Case cases[] = {
        {"too far to the right", row({word("far", 78 + 2.5 * 20 + 5)})},
        {"another row", row({word("low", 80, 112)})},
        {"text three times as tall", row({word("big", 80, 60, 60)})},
    };
    for (const auto& c : cases) {
        const auto joined = RowJoiner::joined({row({word("left", 40)}), c.right});
        EXPECT_EQ(joined.size(), 2u) << c.what;
    }
}

TEST(RowJoiner, MendsSpacesTheEngineGuessedInsideTokens)
{
    // Monospaced: a gap of less than a character cell is no space, a whole cell is.
    RecognizedRow split = row({word("deploy", 0), word("by", 70), word("alice.", 100), word("jensen@corp.io", 164),
                               word("from", 312)});
    EXPECT_EQ(RowJoiner::withSplitWordsJoined(split).text(), "deploy by alice.jensen@corp.io from");

    // Proportional (no common pitch): a gap far narrower than the row's usual one is no space.
    RecognizedRow prose;
    double x = 0;
    for (const auto& [text, width, gap] : std::vector<std::tuple<std::string, double, double>>{
             {"Session", 70, 6}, {"09:", 18, 1}, {"47:12", 45, 6}, {"expired", 60, 6}, {"today", 52, 0}}) {
        RecognizedWord w;
        w.box = Rect{x, 100, width, 20};
        for (std::size_t i = 0; i < text.size(); ++i) {
            w.symbols.push_back({std::string(1, text[i]), Rect{x + width * double(i) / double(text.size()), 100, 4, 20}});
        }
        prose.words.push_back(w);
        prose.box = Rect{0, 100, x + width, 20};
        x += width + gap;
    }
    EXPECT_EQ(RowJoiner::withSplitWordsJoined(prose).text(), "Session 09:47:12 expired today");
}
