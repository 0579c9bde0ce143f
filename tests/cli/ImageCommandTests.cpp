#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include <QImage>
#include <nlohmann/json.hpp>

#include "cli/CliRun.h"

using tarnveil::testing::readFile;
using tarnveil::testing::runCli;
using tarnveil::testing::writeFile;

namespace {

namespace fs = std::filesystem;

/// The screenshot shipped with the sources: a dark terminal holding fake secrets.
const fs::path sample = fs::path(TARNVEIL_SOURCE_DIR) / "samples" / "terminal.png";

/// What `scan` and `redact` must find in the sample, read reliably at its size.
const std::set<std::string> sampleCategories{"awsAccessKey", "awsSecretKey", "creditCard", "iban", "phoneE164"};

class ImageCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tarnveil-image-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        fs::copy_file(sample, file("shot.png"));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    static std::set<std::string> categoriesOf(const nlohmann::json& scan)
    {
        std::set<std::string> categories;
        for (const auto& region : scan["regions"]) {
            categories.insert(region["category"].get<std::string>());
        }
        return categories;
    }

    static unsigned permissionsOf(const std::string& path)
    {
        struct stat status {};
        return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 0777u) : 0;
    }

    fs::path dir_;
};

/// Regions without their random ids, for comparing two plans of one image.
nlohmann::json withoutIds(nlohmann::json regions)
{
    for (auto& region : regions) {
        region.erase("id");
    }
    return regions;
}

} // namespace

TEST_F(ImageCommandTest, ScanPrintsTheImageItsLinesAndItsRegions)
{
    const auto run = runCli({"scan", file("shot.png"), "--save-ocr", file("ocr.json")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto scan = nlohmann::json::parse(run.out);
    const QImage image(QString::fromStdString(file("shot.png")));
    EXPECT_EQ(scan["image"]["path"], file("shot.png"));
    EXPECT_EQ(scan["image"]["width"], image.width());
    EXPECT_EQ(scan["image"]["height"], image.height());
    EXPECT_EQ(scan["profile"], "pentest-report");
    for (const auto& category : sampleCategories) {
        EXPECT_TRUE(categoriesOf(scan).count(category)) << category << " in " << run.out;
    }
    ASSERT_GE(scan["lines"].size(), 10u);
    double lastTop = -1;
    for (const auto& line : scan["lines"]) {
        EXPECT_GT(line["box"]["y"].get<double>(), lastTop - 6);
        lastTop = line["box"]["y"].get<double>();
        EXPECT_TRUE(line["source"] == "native" || line["source"] == "upscaled");
        EXPECT_GE(line["confidence"].get<double>(), 0);
        EXPECT_LE(line["box"]["x"].get<double>() + line["box"]["width"].get<double>(), image.width());
    }

    // The saved recognition plans to the same regions, and is readable by its owner only.
    EXPECT_EQ(permissionsOf(file("ocr.json")), 0600u);
    const auto plan = runCli({"plan", file("ocr.json")});
    ASSERT_EQ(plan.status, 0) << plan.err;
    EXPECT_EQ(withoutIds(nlohmann::json::parse(plan.out)["regions"]), withoutIds(scan["regions"]));
}

TEST_F(ImageCommandTest, ScanAndRedactRefuseBadInputInOneLine)
{
    writeFile(dir_ / "text.png", "not an image");
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"scan"}, "needs an image"},
        {{"scan", file("shot.png"), file("shot.png")}, "one image"},
        {{"scan", file("missing.png")}, "No such file"},
        {{"scan", file("text.png")}, "not an image"},
        {{"scan", file("shot.png"), "--save-ocr", file("shot.png")}, "refusing"},
        {{"scan", file("shot.png"), "--profile", "nope"}, "nope"},
        {{"redact"}, "at least one image"},
        {{"redact", file("shot.png"), file("text.png"), "-o", file("out.png")}, "-o takes one image"},
        {{"redact", file("shot.png"), "-o", file("a.png"), "--out-dir", file("")}, "cannot be used together"},
        {{"redact", file("shot.png"), "-o", file("shot.png")}, "refusing"},
        {{"redact", file("shot.png"), "--mapping", file("shot.png")}, "refusing"},
        {{"redact", file("shot.png"), "--out-dir", file("text.png")}, "not a folder"},
        {{"redact", "-", file("shot.png"), "--out-dir", file("out")}, "must be the only image"},
        {{"redact", "-"}, "needs -o"},
        {{"redact", "-", "-o", "-"}, "standard input"},
        {{"redact", file("shot.png"), "--out-dir", file("text.png/below")}, "cannot create the folder"},
    };
    for (const auto& c : cases) {
        const auto run = runCli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(readFile(dir_ / "shot.png"), readFile(sample));
}

TEST_F(ImageCommandTest, RedactReadsStandardInputAndWritesThePngToStandardOutput)
{
    const auto run = runCli({"redact", "-", "-o", "-"}, readFile(sample));
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage out = QImage::fromData(reinterpret_cast<const uchar*>(run.out.data()), int(run.out.size()), "PNG");
    ASSERT_FALSE(out.isNull()) << "standard output holds the PNG alone";
    const QImage source(QString::fromStdString(sample.string()));
    EXPECT_EQ(out.size(), source.size());
    EXPECT_NE(out.convertToFormat(QImage::Format_RGB32), source.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(readFile(file("shot.png")), readFile(sample)) << "nothing else was touched";
}

TEST_F(ImageCommandTest, RedactCreatesAMissingOutputFolderWithItsParents)
{
    const auto run = runCli({"redact", file("shot.png"), "--out-dir", file("new/deeper")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(dir_ / "new" / "deeper" / "shot-redacted.png"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const char* folder : {"new", "new/deeper"}) {
        EXPECT_EQ(permissionsOf(file(folder)), 0777u & ~unsigned(mask)) << folder;
    }
}

TEST_F(ImageCommandTest, RedactNeverWritesOverAnInputEvenThroughALink)
{
    fs::create_symlink(dir_ / "shot.png", dir_ / "link.png");
    fs::create_directories(dir_ / "out");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"redact", file("shot.png"), "-o", file("link.png")},
             {"redact", file("link.png"), "-o", file("out/../shot.png")},
             // Two inputs with one name would write one result over the other.
             {"redact", file("shot.png"), (dir_ / "out" / ".." / "shot.png").string(), "--out-dir", file("out")}}) {
        const auto run = runCli(arguments);
        EXPECT_EQ(run.status, 2) << run.err;
    }
    EXPECT_EQ(readFile(dir_ / "shot.png"), readFile(sample));
    EXPECT_TRUE(fs::is_empty(dir_ / "out"));
}

TEST_F(ImageCommandTest, RedactBurnsEveryImageSharesLabelsAndKeepsGoingPastABadOne)
{
    fs::copy_file(sample, file("again.png"));
    writeFile(dir_ / "broken.png", "not an image");
    QImage blank(400, 200, QImage::Format_RGB32);
    blank.fill(Qt::white);
    ASSERT_TRUE(blank.save(QString::fromStdString(file("blank.png"))));
    fs::create_directories(dir_ / "out");

    const auto run = runCli({"redact", file("shot.png"), file("broken.png"), file("again.png"), file("blank.png"),
                             "--out-dir", file("out"), "--profile", "client-demo", "--mapping", file("map.csv")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("broken.png"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("blank.png: nothing was detected"), std::string::npos) << run.err;

    // Every good image has its result; the redacted sample differs from its source, and is a
    // plain RGB PNG of the same size.
    for (const char* name : {"shot", "again", "blank"}) {
        const QImage out(QString::fromStdString((dir_ / "out" / (std::string(name) + "-redacted.png")).string()));
        ASSERT_FALSE(out.isNull()) << name;
        EXPECT_EQ(out.size(), QImage(QString::fromStdString(file(std::string(name) + ".png"))).size());
    }
    const QImage source(QString::fromStdString(file("shot.png")));
    const QImage redacted(QString::fromStdString((dir_ / "out" / "shot-redacted.png").string()));
    EXPECT_NE(redacted.convertToFormat(QImage::Format_RGB32), source.convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(fs::exists(dir_ / "out" / "broken-redacted.png"));

    // One vocabulary for the run: the same values in two images are one label each.
    const std::string mapping = readFile(dir_ / "map.csv");
    EXPECT_EQ(permissionsOf(file("map.csv")), 0600u);
    const auto first = mapping.find("AKIA");
    ASSERT_NE(first, std::string::npos) << mapping;
    EXPECT_EQ(mapping.find("AKIA", first + 1), std::string::npos) << mapping;
}

TEST_F(ImageCommandTest, RedactWritesBesideTheInputOrToTheNamedFile)
{
    auto run = runCli({"redact", file("shot.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir_ / "shot-redacted.png"));

    run = runCli({"redact", file("shot.png"), "-o", file("chosen.png")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir_ / "chosen.png"), readFile(dir_ / "shot-redacted.png"));
    EXPECT_EQ(run.err, "");
}
