#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

#include "cli/CliRun.h"
#include "support/PngBytes.h"

using tarnveil::testing::pngHeaderOnly;
using tarnveil::testing::readFile;
using tarnveil::testing::runCli;
using tarnveil::testing::writeFile;

namespace {

namespace fs = std::filesystem;

constexpr const char* solidRegion = R"({"regions": [
  {"id": "3f2b8c1e-5d4a-4e6b-9c7d-8e9f0a1b2c3d", "rect": {"x": 10.5, "y": 20.25, "width": 30, "height": 5.5},
   "style": {"kind": "solid", "fill": "white"}, "protected": false}]})";

class BurnCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tarnveil-burn-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        source_ = QImage(100, 60, QImage::Format_RGB32);
        for (int y = 0; y < source_.height(); ++y) {
            for (int x = 0; x < source_.width(); ++x) {
                source_.setPixel(x, y, qRgb(x * 2, y * 4, 7));
            }
        }
        ASSERT_TRUE(source_.save(path("in.png"), "PNG"));
        writeFile(dir_ / "regions.json", solidRegion);
    }
    void TearDown() override { fs::remove_all(dir_); }

    QString path(const std::string& name) const { return QString::fromStdString((dir_ / name).string()); }
    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
    QImage source_;
};

} // namespace

TEST_F(BurnCommandTest, BurnsTheRegionsIntoAMetadataFreePng)
{
    const auto run = runCli({"burn", file("in.png"), "--regions", file("regions.json"), "-o", file("out.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QImage out(path("out.png"));
    ASSERT_EQ(out.size(), source_.size());
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const bool hidden = x >= 10 && x < 41 && y >= 20 && y < 26;
            ASSERT_EQ(out.pixel(x, y), hidden ? qRgb(255, 255, 255) : source_.pixel(x, y)) << x << "," << y;
        }
    }
    const std::string bytes = readFile(dir_ / "out.png");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(bytes.find("tEXt"), std::string::npos);
    EXPECT_EQ(bytes.find("pHYs"), std::string::npos);
}

TEST_F(BurnCommandTest, WritesJpegAndReplacesAnExistingOutput)
{
    writeFile(dir_ / "out.jpg", std::string(100000, 'x'));
    const auto run = runCli({"burn", file("in.png"), "--regions", file("regions.json"), "-o", file("out.jpg"),
                             "--format", "jpeg", "--quality", "0.7"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readFile(dir_ / "out.jpg");
    EXPECT_EQ(bytes.substr(0, 2), "\xff\xd8");
    EXPECT_LT(bytes.size(), 100000u);
    EXPECT_FALSE(QImage(path("out.jpg")).isNull());
}

TEST_F(BurnCommandTest, AcceptsThePlanOutputAsItIs)
{
    writeFile(dir_ / "ocr.json", R"({"imageSize": {"width": 100, "height": 60}, "observations": [
      {"string": "gw 10.1.2.3", "confidence": 0.9, "source": "native",
       "normalizedBoundingBox": {"x": 0.1, "y": 0.5, "width": 0.6, "height": 0.2}}]})");
    const auto plan = runCli({"plan", file("ocr.json")});
    ASSERT_EQ(plan.status, 0) << plan.err;
    writeFile(dir_ / "plan.json", plan.out);
    const auto run = runCli({"burn", file("in.png"), "--regions", file("plan.json"), "-o", file("out.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(QImage(path("out.png")), source_.convertToFormat(QImage::Format_RGB888));
}

TEST_F(BurnCommandTest, RefusesToWriteOverTheInputImage)
{
    fs::create_symlink(dir_ / "in.png", dir_ / "link.png");
    fs::create_hard_link(dir_ / "in.png", dir_ / "hard.png");
    fs::create_directories(dir_ / "sub");
    const std::string original = readFile(dir_ / "in.png");
    for (const auto& [image, output] : std::vector<std::pair<std::string, std::string>>{
             {file("in.png"), file("in.png")},
             {file("link.png"), file("in.png")},
             {file("in.png"), file("link.png")},
             {file("in.png"), file("sub") + "/../in.png"},
             {file("in.png"), file("hard.png")},
         }) {
        const auto run = runCli({"burn", image, "--regions", file("regions.json"), "-o", output});
        EXPECT_EQ(run.status, 2) << image << " -> " << output;
        EXPECT_NE(run.err.find("refusing"), std::string::npos) << run.err;
        EXPECT_EQ(readFile(dir_ / "in.png"), original);
    }
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.png"));
}

TEST_F(BurnCommandTest, BadInputFailsWithOneLineAndWritesNothing)
{
    writeFile(dir_ / "bad.json", R"({"regions": [{"rect": {"x": 1}, "style": {"kind": "blur"}}]})");
    writeFile(dir_ / "notes.txt", "not an image at all");
    writeFile(dir_ / "bomb.png", pngHeaderOnly(60000, 60000));
    struct Case {
        std::string image;
        std::string regions;
        std::string message;
    };
    for (const auto& [image, regions, message] : std::vector<Case>{
             {file("in.png"), file("bad.json"), "missing key \"y\" in regions[0].rect"},
             {file("in.png"), file("missing.json"), "missing.json"},
             {file("notes.txt"), file("regions.json"), "notes.txt"},
             {file("absent.png"), file("regions.json"), "absent.png"},
             {file("bomb.png"), file("regions.json"), "too large"},
             {dir_.string(), file("regions.json"), "not a regular file"},
         }) {
        const auto run = runCli({"burn", image, "--regions", regions, "-o", file("out.png")});
        EXPECT_EQ(run.status, 2) << image;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(dir_ / "out.png")) << image;
    }
}

TEST_F(BurnCommandTest, UsageErrors)
{
    const std::string in = file("in.png");
    const std::string regions = file("regions.json");
    const std::string out = file("out.png");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"burn", in, "--regions", regions},
             {"burn", in, "-o", out},
             {"burn", "--regions", regions, "-o", out},
             {"burn", in, in, "--regions", regions, "-o", out},
             {"burn", in, "--regions", regions, "-o", out, "--format", "gif"},
             {"burn", in, "--regions", regions, "-o", out, "--format", "jpeg", "--quality", "high"},
             {"burn", in, "--regions", regions, "-o", out, "--quality", "nan"},
             {"burn", in, "--regions", regions, "-o", out, "--frobnicate"},
         }) {
        const auto run = runCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(dir_ / "out.png"));
    }
}
