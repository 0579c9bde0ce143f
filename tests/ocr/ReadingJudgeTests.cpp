#include <gtest/gtest.h>

#include "ocr/ReadingJudge.h"

using namespace tarnveil;

TEST(ReadingJudge, ExactFindingsOutweighTolerantOnesAndBothOutweighNone)
{
    // "host " takes bytes 0 to 5; the address is the word after it.
    const TextRange word{5, 16};
    const std::size_t exact = ReadingJudge::claim("host 10.20.30.40 up", word);
    const std::size_t tolerant = ReadingJudge::claim("host 10,20.30.40 up", word);
    const std::size_t none = ReadingJudge::claim("host 10;2O;3O;4O up", word);
    EXPECT_GT(exact, tolerant);
    EXPECT_GT(tolerant, none);
    EXPECT_EQ(none, 0u);
    // Findings elsewhere in the line do not count for the word.
    EXPECT_EQ(ReadingJudge::claim("mail alice@corp.example.io plain", TextRange{27, 32}), 0u);
}
