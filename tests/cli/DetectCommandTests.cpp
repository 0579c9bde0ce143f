#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliRun.h"

using tarnveil::testing::runCli;
using tarnveil::testing::writeFile;

namespace {

std::vector<nlohmann::json> findings(const std::string& out)
{
    std::vector<nlohmann::json> objects;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    return objects;
}

class DetectCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("tarnveil-detect-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        const auto path = dir_ / name;
        writeFile(path, bytes);
        return path.string();
    }

    std::filesystem::path dir_;
};

} // namespace

TEST_F(DetectCommandTest, PrintsOneJsonObjectPerFindingWithTheFieldsInOrder)
{
    const auto path = file("a.txt", "nothing here\nhost 10.20.30.40 up\n");
    const auto run = runCli({"detect", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"file\":\"" + path +
                           "\",\"line\":2,\"detector\":\"ipv4\",\"category\":\"ipv4\",\"severity\":\"identifier\","
                           "\"start\":5,\"end\":16,\"value\":\"10.20.30.40\"}\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(DetectCommandTest, ReadsStandardInputWithoutFilesAndForDash)
{
    for (const auto& arguments : {std::vector<std::string>{"detect"}, std::vector<std::string>{"detect", "-"}}) {
        const auto run = runCli(arguments, "mail bob@corp.io\n");
        ASSERT_EQ(run.status, 1);
        const auto objects = findings(run.out);
        ASSERT_EQ(objects.size(), 2u); // the e-mail address and the domain inside it (equal severity)
        EXPECT_EQ(objects[0]["file"], "-");
        EXPECT_EQ(objects[0]["detector"], "email");
        EXPECT_EQ(objects[0]["value"], "bob@corp.io");
    }
}

TEST_F(DetectCommandTest, ExitsZeroWhenNothingIsFound)
{
    const auto run = runCli({"detect"}, "just words\nand more words\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(DetectCommandTest, UnreadableFileIsNamedAndTheOthersAreStillScanned)
{
    const auto good = file("good.txt", "10.20.30.40\n");
    const auto missing = (dir_ / "missing.txt").string();
    const auto run = runCli({"detect", missing, good});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(missing), std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    ASSERT_EQ(findings(run.out).size(), 1u);
    EXPECT_EQ(findings(run.out)[0]["file"], good);
}

TEST_F(DetectCommandTest, LineNumbersRestartInEveryFileAndFollowInputOrder)
{
    const auto first = file("1.txt", "x\n10.0.0.1\n");
    const auto second = file("2.txt", "10.0.0.2\n");
    const auto objects = findings(runCli({"detect", first, second}).out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["line"], 2);
    EXPECT_EQ(objects[0]["file"], first);
    EXPECT_EQ(objects[1]["line"], 1);
    EXPECT_EQ(objects[1]["file"], second);
}

TEST_F(DetectCommandTest, DetectorsOptionRunsExactlyTheListedOnes)
{
    const std::string line = "alice@corp.io at 10.20.30.40 home /Users/alice\n";
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> detectors;
        bool warns;
    };
    const std::vector<Case> cases{
        {{"detect", "--detectors", "ipv4"}, {"ipv4"}, false},
        {{"detect", "--detectors=ipv4,macHomePath"}, {"ipv4", "macHomePath"}, false},
        {{"detect", "--detectors", ""}, {}, false},
        {{"detect", "--detectors", "ipv4,nope"}, {"ipv4"}, true},
        {{"detect", "--detectors", " ipv4 , email"}, {"email", "ipv4"}, false},
        {{"detect"}, {"email", "hostname", "ipv4"}, false}, // default set: no home paths
    };
    for (const auto& c : cases) {
        const auto run = runCli(c.arguments, line);
        std::vector<std::string> seen;
        for (const auto& object : findings(run.out)) {
            seen.push_back(object["detector"]);
        }
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        EXPECT_EQ(seen, c.detectors) << c.arguments.back();
        EXPECT_EQ(run.err.find("nope") != std::string::npos, c.warns) << run.err;
        EXPECT_EQ(run.status, c.detectors.empty() ? 0 : 1);
    }
}

TEST_F(DetectCommandTest, AllowlistOptions)
{
    EXPECT_EQ(runCli({"detect", "--detectors", "ipv4"}, "10.1.2.3\n").status, 1);
    EXPECT_EQ(runCli({"detect", "--detectors", "ipv4", "--suppress-rfc1918"}, "10.1.2.3\n").status, 0);
    EXPECT_EQ(runCli({"detect", "--detectors", "email", "--allow", "BOB@Corp.io"}, "bob@corp.IO\n").status, 0);
    EXPECT_EQ(runCli({"detect", "--detectors", "email", "--allow", "bob@corp.io", "--allow", "x"},
                     "eve@corp.io\n")
                  .status,
              1);
}

TEST_F(DetectCommandTest, OffsetsAreUtf8BytesOfTheLineWithoutItsBreak)
{
    // "é" is two bytes; one trailing "\r" is removed, a second one stays part of the line.
    const auto run = runCli({"detect", "--detectors", "ipv4"}, "café 10.0.0.1\r\n\xff 10.0.0.2\r\r\n");
    const auto objects = findings(run.out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["start"], 6);
    EXPECT_EQ(objects[0]["end"], 14);
    EXPECT_EQ(objects[1]["start"], 2); // the invalid byte still counts as one byte
    EXPECT_EQ(objects[1]["value"], "10.0.0.2");
}

TEST_F(DetectCommandTest, InvalidUtf8InAValueIsWrittenAsReplacementCharacter)
{
    const auto run = runCli({"detect", "--detectors", "passwordInContext"}, "password: ab\xfe\xff" "cd\n");
    const auto objects = findings(run.out);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]["start"], 10);
    EXPECT_EQ(objects[0]["end"], 16);
    EXPECT_EQ(objects[0]["value"], "ab\xEF\xBF\xBD\xEF\xBF\xBD" "cd");
}

TEST_F(DetectCommandTest, UsageErrorsExitTwoWithOneLine)
{
    for (const auto& arguments : {std::vector<std::string>{"detect", "--bogus"},
                                  std::vector<std::string>{"detect", "--allow"},
                                  std::vector<std::string>{"frobnicate"}, std::vector<std::string>{}}) {
        const auto run = runCli(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(DetectCommandTest, ManyLinesKeepInputOrderAcrossWorkers)
{
    std::string input;
    for (int i = 0; i < 20000; ++i) {
        input += "line " + std::to_string(i) + " host 10.0." + std::to_string(i / 250) + "." +
                 std::to_string(i % 250 + 1) + "\n";
    }
    const auto run = runCli({"detect", "--detectors", "ipv4"}, input);
    const auto objects = findings(run.out);
    ASSERT_EQ(objects.size(), 20000u);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        ASSERT_EQ(objects[i]["line"], i + 1);
    }
}
