#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detection/AlignedRuns.h"
#include "detection/MachineTextRuns.h"
#include "detection/TokenExtent.h"

using namespace tarnveil;

namespace {

std::vector<std::string> runTexts(const std::string& line)
{
    std::vector<std::string> texts;
    for (const auto& run : MachineTextRuns::find(line)) {
        texts.push_back(line.substr(run.range.start, run.range.length()) + (run.afterKeyWord ? " [key]" : ""));
    }
    return texts;
}

} // namespace

TEST(MachineTextRuns, GeneratedTextIsMachineLikeWordsAndIdentifiersAreNot)
{
    const std::vector<std::string> machine{
        "O1WRXWnhSM+QP7mVjrjv8xE6mz88RexpKc8eaAWG",
        "Zk8Q2mW7xR4tY9pL3nB6vC1s",
        "9f86d081884c7d659a2feaa0c55ad015",  // 32 hex digits
        "deadbeef00112233",                 // 16 hex digits
        "AKIAZZJ2IGK0USPIXS5Q",             // upper case and digits
        "MIIEpAIBAAKCAQEA75xa+Zq9w/8Hn2Lk==",
    };
    for (const auto& run : machine) {
        EXPECT_TRUE(MachineTextRuns::isMachineLike(run)) << run;
    }
    const std::vector<std::string> notMachine{
        "docker-compose-2024-03-15", "build_2024_final_release", "getUserProfileById", "a1b2c3d4e5f6",
        "12345678901234567890",      "Deployment",               "photo-0042",         "C0ffeeShopOpensAtNine",
        "x86_64-linux-gnu-gcc-12",
    };
    for (const auto& run : notMachine) {
        EXPECT_FALSE(MachineTextRuns::isMachineLike(run)) << run;
    }
}

TEST(MachineTextRuns, KeyNamesBeforeARunAreRecognised)
{
    using Runs = std::vector<std::string>;
    EXPECT_EQ(runTexts("API_KEY=Zk8Q2mW7xR4tY9pL3nB6vC1s"), Runs{"Zk8Q2mW7xR4tY9pL3nB6vC1s [key]"});
    EXPECT_EQ(runTexts("\"client_secret\": \"q8Hn2Lk9Wm4Zx7Pc3Vb6Tj1R\","), Runs{"q8Hn2Lk9Wm4Zx7Pc3Vb6Tj1R [key]"});
    EXPECT_EQ(runTexts("X-Auth-Token: 7Fq2Lm9Wx4Zk8Pc3Vb6Tj1RrYs"), Runs{"7Fq2Lm9Wx4Zk8Pc3Vb6Tj1RrYs [key]"});
    EXPECT_EQ(runTexts("sessionId=Q2w8Xc4vBn7Ty0pLkJh5gFd3"), Runs{"Q2w8Xc4vBn7Ty0pLkJh5gFd3 [key]"});
    EXPECT_EQ(runTexts("apikey Q2w8Xc4vBn7Ty0pLkJh5gFd3"), Runs{"Q2w8Xc4vBn7Ty0pLkJh5gFd3 [key]"});
    EXPECT_EQ(runTexts("artifact sha256 9f86d081884c7d659a2feaa0c55ad015"),
              Runs{"9f86d081884c7d659a2feaa0c55ad015 [key]"});
    // Padding belongs to the run; a key name is no part of it.
    EXPECT_EQ(runTexts("token: dXNlcjpwYXNzd29yZDEyMzQ1Ng=="), Runs{"dXNlcjpwYXNzd29yZDEyMzQ1Ng== [key]"});
    // A stray space splits a token, not its context.
    EXPECT_EQ(runTexts("secret: O1WRXWnhSM+QP7mVj rjv8xE6mz88RexpKc8eaAWG"),
              Runs{"O1WRXWnhSM+QP7mVj rjv8xE6mz88RexpKc8eaAWG [key]"});
    // Curly quotes join a name to its value; a "-" read for "=" does too.
    EXPECT_EQ(runTexts("$env:AW55ECRETACCESSKEY = “9GbkzhQT3NdaUCGLP/wk6ELHXS5Ly+yQdhhi”"),
              Runs{"9GbkzhQT3NdaUCGLP/wk6ELHXS5Ly+yQdhhi [key]"});
    EXPECT_EQ(runTexts("OPENAI_API_KEY-sk-dIOMLngAVATurWqxoCEJr0B1QHWmJ6Jpuwre"),
              Runs{"sk-dIOMLngAVATurWqxoCEJr0B1QHWmJ6Jpuwre [key]"});
    // A "]" read for a "J" does not cut the run short.
    EXPECT_EQ(runTexts("token: gho_GRu3HNoxXf]1iIHA6U7dPw2Zja18hzLqSscajj"),
              Runs{"gho_GRu3HNoxXf]1iIHA6U7dPw2Zja18hzLqSscajj [key]"});
    // A symbol read inside a token joins its pieces however short; a filler word may stand
    // between the key name and its value.
    EXPECT_EQ(runTexts("sha1 hash: ab7#f876e15262a0551c6b386e0de117226ac815"),
              Runs{"ab7#f876e15262a0551c6b386e0de117226ac815 [key]"});
    EXPECT_EQ(runTexts("the new token is ghp_ANFFQHCISFVxvotBp6CmexKwiL 1leYO1tbiipC"),
              Runs{"ghp_ANFFQHCISFVxvotBp6CmexKwiL 1leYO1tbiipC [key]"});
    EXPECT_EQ(runTexts("AWS_SECRET_ACCESS_KEY=1k3vqJfMur TUhgw9zz4MCZHded+TOdRxBS12f IbG"),
              Runs{"1k3vqJfMur TUhgw9zz4MCZHded+TOdRxBS12f IbG [key]"});
    // No key name: the run is found, but not as a key's value.
    EXPECT_EQ(runTexts("monkey Q2w8Xc4vBn7Ty0pLkJh5gFd3"), Runs{"Q2w8Xc4vBn7Ty0pLkJh5gFd3"});
    EXPECT_EQ(runTexts("paid Q2w8Xc4vBn7Ty0pLkJh5gFd3"), Runs{"Q2w8Xc4vBn7Ty0pLkJh5gFd3"});
    // Words joined by a space are never one token.
    EXPECT_EQ(runTexts("token: Deployment finished2024 without errors"), Runs{});
}

TEST(AlignedRuns, ConsecutiveRunsAtOneLeftEdgeFormAColumn)
{
    using Candidate = AlignedRuns::Candidate;
    // Four table rows 20 px high, 30 px apart; the third row's run starts 12 px further right
    // (within one line height); then a run far off to the right on row 4.
    const std::vector<Candidate> column{{0, 400, 0, 20}, {1, 402, 30, 20}, {2, 412, 60, 20},
                                        {3, 401, 90, 20}, {3, 900, 90, 20}};
    EXPECT_EQ(AlignedRuns::inColumns(column), (std::vector<std::size_t>{0, 1, 2, 3}));

    // Two rows are not a column; a gap in the lines breaks the chain; so does a large jump.
    EXPECT_TRUE(AlignedRuns::inColumns({{0, 400, 0, 20}, {1, 400, 30, 20}}).empty());
    EXPECT_TRUE(AlignedRuns::inColumns({{0, 400, 0, 20}, {1, 400, 30, 20}, {3, 400, 90, 20}}).empty());
    EXPECT_TRUE(AlignedRuns::inColumns({{0, 400, 0, 20}, {1, 400, 300, 20}, {2, 400, 330, 20}}).empty());
    EXPECT_TRUE(AlignedRuns::inColumns({{0, 100, 0, 20}, {1, 400, 30, 20}, {2, 700, 60, 20}}).empty());
}

TEST(TokenExtent, SecretsGrowToTheWholeToken)
{
    struct Case {
        std::string line;
        std::string found; // a part of the token, as a detector reported it
        std::string grown;
    };
    const std::vector<Case> cases{
        // Cut at a misread character, either side.
        {"key ghp_Ab3dE¢f9Hk2LmN0pQ7rS5tUvWx1yZa8Bc4De end", "ghp_Ab3dE", "ghp_Ab3dE¢f9Hk2LmN0pQ7rS5tUvWx1yZa8Bc4De"},
        {"key xK9|mP2qR7sT4vW8yZ1bC5dF end", "mP2qR7sT4vW8yZ1bC5dF", "xK9|mP2qR7sT4vW8yZ1bC5dF"},
        // Padding and base64 symbols are part of it.
        {"auth: dXNlcjpw/YXNz+d29yZA== ok", "dXNlcjpw", "dXNlcjpw/YXNz+d29yZA=="},
        // Spaces, quotes, ":", "." and the "=" of an assignment stop it.
        {"API_KEY=\"sk-abc123def456\" next", "sk-abc123", "sk-abc123def456"},
        {"password=hunter2 done", "hunter2", "hunter2"},
        {"eyJhbGci.eyJzdWIi.sig", "eyJzdWIi", "eyJzdWIi"},
        {"host: ab12cd34", "ab12", "ab12cd34"},
        {"Bearer ILmWkAHThmvRI3TG4fLtHC}fqXtisOiJHY ok", "ILmWkAHThmvRI3TG4fLtHC", "ILmWkAHThmvRI3TG4fLtHC}fqXtisOiJHY"},
    };
    for (const auto& c : cases) {
        const auto start = c.line.find(c.found);
        ASSERT_NE(start, std::string::npos) << c.line;
        const TextRange grown = TokenExtent::grown(c.line, {start, start + c.found.size()});
        EXPECT_EQ(c.line.substr(grown.start, grown.length()), c.grown) << c.line;
    }
}
