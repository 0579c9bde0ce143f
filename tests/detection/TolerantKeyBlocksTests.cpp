#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detection/TolerantKeyBlocks.h"

using tarnveil::TolerantKeyBlocks::coveredLines;
using tarnveil::TolerantKeyBlocks::isBase64Row;

namespace {

// Rows of a key body, 64 characters each.
const std::vector<std::string> body{
    "MIIEvQIBADANBgkqhkiG9w0BAQEFAASCBKcwggSjAgEAAoIBAQC7VJTUt9Us8cKj",
    "MzEfYyjiWA4R4/M2bS1GB4t7NXp98C3SC6dVMvDuictGeurT8jNbvJZHtCSuYEvu",
    "NMoSfm76oqFvAp8Gy0iz5sxjZmSnXyCdPEovGhLa0VzMaQ8s+CLOyS56YyCFGeJZ",
    "qgtzJ6GR3eqoYSW9b9UMvkBpZODSctWSNGj3P7jRFDO5VoTwCQAWbFnOjDfH5Ulg",
};

std::vector<std::size_t> keysOf(const std::map<std::size_t, std::string>& covered)
{
    std::vector<std::size_t> keys;
    for (const auto& entry : covered) {
        keys.push_back(entry.first);
    }
    return keys;
}

} // namespace

TEST(TolerantKeyBlocks, ABlockClippedAtBothEndsIsCoveredWhole)
{
    // The window cut off both markers: only body rows and a short last row remain visible,
    // between ordinary lines.
    std::vector<std::string> lines{"$ cat deploy.key"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back("Hk2LmN0pQ7rS5tUv==");
    lines.push_back("$ ls -la");
    const auto covered = coveredLines(lines);
    EXPECT_EQ(keysOf(covered), (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(covered.at(1), covered.at(5));
    EXPECT_EQ(covered.at(1).substr(0, body[0].size()), body[0]);

    // Three rows are enough, two are not.
    EXPECT_EQ(coveredLines({body[0], body[1], body[2]}).size(), 3u);
    EXPECT_TRUE(coveredLines({body[0], body[1]}).empty());
}

TEST(TolerantKeyBlocks, MisreadMarkersAndRowsStillMakeABlock)
{
    // Dashes lost and look-alikes in the marker, a stray space and a "|" in a body row.
    const std::vector<std::string> lines{
        "BEGlN RSA PRlVATE KEY",
        body[0],
        "MzEfYyjiWA4R4/M2bS1GB4t7 NXp98C3SC6dVMvD|ictGeurT8jNbvJZHtCSuYEvu",
        "END RSA PRIVATE KEY",
        "next line",
    };
    EXPECT_EQ(keysOf(coveredLines(lines)), (std::vector<std::size_t>{0, 1, 2, 3}));
}

TEST(TolerantKeyBlocks, RowsThatAreNotAKeyBodyStayVisible)
{
    // Lengths too far apart, prose, a table of hashes with spaces, rows without digits.
    EXPECT_TRUE(coveredLines({body[0], body[1].substr(0, 44), body[2]}).empty());
    EXPECT_TRUE(coveredLines({"Nothing to commit, working tree clean", "All checks passed on the main branch",
                              "Please review the migration before merging"})
                    .empty());
    EXPECT_TRUE(coveredLines({"9f86d081 884c7d65 9a2feaa0 c55ad015 a3bf4f1b 2b0b822c", "9f86d081 884c7d65 9a2feaa0 c55ad015 a3bf4f1b 2b0b822c",
                              "9f86d081 884c7d65 9a2feaa0 c55ad015 a3bf4f1b 2b0b822c"})
                    .empty());
    EXPECT_FALSE(isBase64Row("=============================================="));
    EXPECT_FALSE(isBase64Row("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUV"));
    EXPECT_TRUE(isBase64Row("  " + body[0] + "  "));
}
