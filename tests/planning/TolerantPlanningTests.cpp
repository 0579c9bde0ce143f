#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ocr/Geometry.h"
#include "ocr/SymbolBoxesText.h"
#include "planning/RedactionPlanner.h"

using namespace tarnveil;

namespace {

const Size imageSize{1024, 1024};

/// A recognised line at row `row` (20 pixels high, rows 30 pixels apart) starting at x =
/// `left`, every byte 8 pixels wide and boxed.
OCRObservation line(const std::string& text, int row, double left = 0)
{
    const double top = 30.0 * row;
    OCRObservation observation;
    observation.string = text;
    observation.confidence = 0.9f;
    observation.pixelBoundingBox = Rect{left, top, 8.0 * static_cast<double>(text.size()), 20};
    observation.normalizedBoundingBox = Geometry::normalizedRect(observation.pixelBoundingBox, imageSize);
    std::vector<SymbolBoxesText::Symbol> symbols;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') {
            symbols.push_back({i, i + 1, Geometry::normalizedRect(Rect{left + 8.0 * i, top, 8, 20}, imageSize)});
        }
    }
    observation.recognizedText = std::make_shared<SymbolBoxesText>(text, std::move(symbols));
    return observation;
}

Profile without(std::string detectorID)
{
    Profile profile = Profile::publicBlog();
    profile.enabledDetectorIDs.erase(detectorID);
    return profile;
}

class TolerantPlanningTest : public testing::Test {
protected:
    std::vector<RedactionRegion> plan(std::vector<OCRObservation> observations,
                                      const Profile& profile = Profile::publicBlog())
    {
        return planner.plan(OCRResult{std::move(observations), imageSize}, profile, vocabulary);
    }

    /// Checks that `region` spans exactly bytes [start, start + length) of a line at x = 0.
    static void expectSpan(const RedactionRegion& region, std::size_t start, std::size_t length)
    {
        EXPECT_DOUBLE_EQ(region.rect.x, 8.0 * static_cast<double>(start));
        EXPECT_DOUBLE_EQ(region.rect.width, 8.0 * static_cast<double>(length));
    }

    std::shared_ptr<const DetectorRegistry> registry = DetectorRegistry::makeDefault(Profile::publicBlog().allowlist({}));
    RedactionPlanner planner{registry, 0};
    SessionVocabulary vocabulary;
};

} // namespace

TEST_F(TolerantPlanningTest, MisreadValuesAreRedactedUnderTheirDetector)
{
    struct Case {
        std::string text;
        std::string value;
        std::string detectorID;
    };
    const std::vector<Case> cases{
        {"aws ASIAZZJ2IGKOUSPIXS5QP", "ASIAZZJ2IGKOUSPIXS5QP", "awsAccessKey"},
        {"maps Alza8Bq3kLm9Xw2Pz7Vr5Ty1Nc4Qd6Hj0Ks-Ue", "Alza8Bq3kLm9Xw2Pz7Vr5Ty1Nc4Qd6Hj0Ks-Ue", "googleAPIKey"},
        {"peer 54,107.202.14 joined", "54,107.202.14", "ipv4"},
        {"user S-1-5-2l-3623811015-3361044348-30300820-1013", "S-1-5-2l-3623811015-3361044348-30300820-1013",
         "windowsSID"},
        {"nic 74.35-AF-26-F4-35 up", "74.35-AF-26-F4-35", "macAddress"},
    };
    for (const auto& c : cases) {
        const auto regions = plan({line(c.text, 0)});
        ASSERT_EQ(regions.size(), 1u) << c.text;
        const auto detector = registry->detector(c.detectorID);
        EXPECT_EQ(regions[0].category, detector->category()) << c.text;
        EXPECT_EQ(regions[0].severity, detector->severity()) << c.text;
        EXPECT_EQ(regions[0].value, c.value) << c.text;
        expectSpan(regions[0], c.text.find(c.value), c.value.size());
    }
    // Twins run only for the detectors the profile enables.
    EXPECT_TRUE(plan({line("peer 54,107.202.14 joined", 0)}, without("ipv4")).empty());
}

TEST_F(TolerantPlanningTest, DecoysStayVisible)
{
    const std::vector<std::string> decoys{
        "loopback 127,0.0.1 and ::1, docs 192,0.2.15 and 2001:db8::7",
        "release v1.2.3 and 10.4.1-rc2 at 12:30:45 on 2024-03-15 10:22:33",
        "see https://docs.example.com/v2/users and README.md",
        "commit a1b2c3d fixes 9f8e7d6c5b4a",
        "masked sk_live_•••• and ****1234",
        "C:\\Users\\Pub1ic\\Documents\\readme.txt and C:\\Users\\Default\\NTUSER.DAT",
        "Remember to rotate the staging credentials on Friday",
        "Nothing to commit, working tree clean",
    };
    std::vector<OCRObservation> observations;
    for (std::size_t i = 0; i < decoys.size(); ++i) {
        observations.push_back(line(decoys[i], static_cast<int>(i)));
    }
    const auto regions = plan(observations);
    for (const auto& region : regions) {
        ADD_FAILURE() << "covered: " << region.value.value_or("");
    }
}

TEST_F(TolerantPlanningTest, MachineTextAfterAKeyNameFailsClosed)
{
    const std::string text = "API_KEY=Zk8Q2mW7xR4tY9pL3nB6vC1s";
    const auto regions = plan({line(text, 0)});
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].category, DetectionCategory::apiKey);
    EXPECT_EQ(regions[0].severity, Severity::secret);
    EXPECT_EQ(regions[0].value, "Zk8Q2mW7xR4tY9pL3nB6vC1s");
    expectSpan(regions[0], 8, 24);

    // Without a key name, alone on its line, the same text stays; so it does when the profile
    // does not redact API keys.
    EXPECT_TRUE(plan({line("build Zk8Q2mW7xR4tY9pL3nB6vC1s", 0)}).empty());
    EXPECT_TRUE(plan({line(text, 0)}, without("apiKey")).empty());
}

TEST_F(TolerantPlanningTest, AColumnOfMachineTextFailsClosed)
{
    // A table whose header is out of view: every row's value starts at x = 96 (byte 12).
    const std::vector<std::string> rows{"alice       Q2w8Xc4vBn7Ty0pLkJh5gFd3 admin",
                                        "bob         Zk8Q2mW7xR4tY9pL3nB6vC1s user",
                                        "carol       7Fq2Lm9Wx4Zk8Pc3Vb6Tj1Rr guest"};
    std::vector<OCRObservation> observations;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        observations.push_back(line(rows[i], static_cast<int>(i)));
    }
    const auto regions = plan(observations);
    ASSERT_EQ(regions.size(), 3u);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        EXPECT_EQ(regions[i].category, DetectionCategory::apiKey);
        EXPECT_EQ(regions[i].value, rows[i].substr(12, 24));
        expectSpan(regions[i], 12, 24);
    }

    // Two rows are no column, nor are rows whose values start far apart.
    EXPECT_TRUE(plan({observations[0], observations[1]}).empty());
    EXPECT_TRUE(plan({line(rows[0], 0), line(rows[1], 1, 300), line(rows[2], 2, 600)}).empty());
}

TEST_F(TolerantPlanningTest, AKeyBlockWithoutMarkersIsCoveredLineByLine)
{
    const std::vector<std::string> lines{
        "$ cat id_deploy",
        "MIIEvQIBADANBgkqhkiG9w0BAQEFAASCBKcwggSjAgEAAoIBAQC7VJTUt9Us8cKj",
        "MzEfYyjiWA4R4/M2bS1GB4t7NXp98C3SC6dVMvDuictGeurT8jNbvJZHtCSuYEvu",
        "NMoSfm76oqFvAp8Gy0iz5sxjZmSnXyCdPEovGhLa0VzMaQ8s+CLOyS56YyCFGeJZ",
    };
    std::vector<OCRObservation> observations;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        observations.push_back(line(lines[i], static_cast<int>(i)));
    }
    const auto regions = plan(observations);
    ASSERT_EQ(regions.size(), 3u);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        EXPECT_EQ(regions[i].category, DetectionCategory::privateKey);
        EXPECT_EQ(regions[i].value, lines[1] + "\n" + lines[2] + "\n" + lines[3]);
        EXPECT_EQ(regions[i].rect, observations[i + 1].pixelBoundingBox);
    }
    EXPECT_EQ(regions[0].label, regions[2].label);
}

TEST_F(TolerantPlanningTest, SecretsCoverTheWholeTokenIdentifiersDoNot)
{
    // The exact digest rule stops where the recogniser read two letters into the digest.
    const std::string text = "to bob@acme.io hash 9f86d081884c7d659a2feaa0c55ad015zq sent";
    const auto regions = plan({line(text, 0)});
    ASSERT_EQ(regions.size(), 3u); // the address, its domain, the digest
    const auto& digest = regions.back();
    EXPECT_EQ(digest.category, DetectionCategory::hashBlob);
    EXPECT_EQ(digest.value, "9f86d081884c7d659a2feaa0c55ad015zq");
    expectSpan(digest, text.find("9f86"), 34);
    EXPECT_EQ(regions[0].value, "bob@acme.io");
    expectSpan(regions[0], 3, 11);
}
