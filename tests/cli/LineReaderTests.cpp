#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "LineReader.h"

using tarnveil::cli::LineReader;

namespace {

std::vector<LineReader::Piece> readAll(const std::string& bytes, std::size_t maxPiece = LineReader::defaultMaxPiece)
{
    std::FILE* stream = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (bytes.empty()) {
        stream = std::tmpfile();
    }
    LineReader reader(stream, maxPiece);
    std::vector<LineReader::Piece> pieces;
    LineReader::Piece piece;
    while (reader.next(piece)) {
        pieces.push_back(piece);
    }
    std::fclose(stream);
    return pieces;
}

} // namespace

TEST(LineReader, SplitsAtLineFeedsAndRemovesOneCarriageReturn)
{
    const auto pieces = readAll("a\r\nb\r\r\n\nlast\r");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].text, "a");
    EXPECT_EQ(pieces[1].text, "b\r");
    EXPECT_EQ(pieces[2].text, "");
    EXPECT_EQ(pieces[3].text, "last");
    EXPECT_EQ(pieces[3].lineNumber, 4u);
}

TEST(LineReader, EmptyInputHasNoLinesAndAFinalBreakAddsNone)
{
    EXPECT_TRUE(readAll("").empty());
    EXPECT_EQ(readAll("one\n").size(), 1u);
}

TEST(LineReader, LongLinesComeInPiecesWithTheirOffsets)
{
    // 10 characters of two bytes each, with a limit of 5 bytes: pieces never split a character.
    std::string line;
    for (int i = 0; i < 10; ++i) {
        line += "\xC3\xA9";
    }
    const auto pieces = readAll(line + "\r\nnext\n", 5);
    std::string joined;
    std::size_t expectedOffset = 0;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].lineNumber, 1u);
        EXPECT_EQ(pieces[i].offset, expectedOffset);
        EXPECT_EQ(pieces[i].text.size() % 2, 0u) << "a piece split a character";
        EXPECT_EQ(pieces[i].continued, i + 2 < pieces.size());
        expectedOffset += pieces[i].text.size();
        joined += pieces[i].text;
    }
    EXPECT_EQ(joined, line); // the "\r" before the break is still removed
    EXPECT_EQ(pieces.back().text, "next");
    EXPECT_EQ(pieces.back().lineNumber, 2u);
}
