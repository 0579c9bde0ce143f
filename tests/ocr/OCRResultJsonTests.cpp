#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ocr/OCRResultJson.h"
#include "ocr/SymbolBoxesText.h"

using namespace tarnveil;

namespace {

const std::string twoLines = R"({
  "imageSize": {"width": 1000, "height": 500},
  "observations": [
    {"string": "token=ab", "confidence": 0.93, "source": "native",
     "normalizedBoundingBox": {"x": 0.1, "y": 0.8, "width": 0.3, "height": 0.02},
     "symbols": [{"start": 6, "end": 7, "box": {"x": 0.2, "y": 0.8, "width": 0.01, "height": 0.02}},
                 {"start": 7, "end": 8, "box": {"x": 0.21, "y": 0.8, "width": 0.01, "height": 0.02}}]},
    {"string": "no symbols here", "confidence": 0.5, "source": "upscaled",
     "normalizedBoundingBox": {"x": 0, "y": 0, "width": 1, "height": 0.1}}
  ]})";

/// `twoLines` with the first occurrence of `from` replaced by `to`.
std::string twoLinesWith(const std::string& from, const std::string& to)
{
    std::string text = twoLines;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(OCRResultJson, ReadsLinesBoxesAndSymbols)
{
    const auto result = OCRResultJson::decode(twoLines);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result->imageSize, (Size{1000, 500}));
    ASSERT_EQ(result->observations.size(), 2u);

    const auto& first = result->observations[0];
    EXPECT_EQ(first.string, "token=ab");
    EXPECT_FLOAT_EQ(first.confidence, 0.93f);
    EXPECT_EQ(first.source, OCRObservation::Source::native);
    EXPECT_EQ(first.normalizedBoundingBox, (Rect{0.1, 0.8, 0.3, 0.02}));
    EXPECT_NEAR(first.pixelBoundingBox.x, 100, 1e-9);
    EXPECT_NEAR(first.pixelBoundingBox.y, 90, 1e-9);
    EXPECT_NEAR(first.pixelBoundingBox.width, 300, 1e-9);
    EXPECT_NEAR(first.pixelBoundingBox.height, 10, 1e-9);
    ASSERT_TRUE(first.recognizedText);
    const auto ab = first.pixelBox(TextRange{6, 8}, result->imageSize, 0);
    ASSERT_TRUE(ab);
    EXPECT_NEAR(ab->x, 200, 1e-9);
    EXPECT_NEAR(ab->width, 20, 1e-9);

    const auto& second = result->observations[1];
    EXPECT_EQ(second.source, OCRObservation::Source::upscaled);
    EXPECT_FALSE(second.recognizedText);
}

TEST(OCRResultJson, WritesWhatItReads)
{
    const auto first = OCRResultJson::decode(twoLines);
    ASSERT_TRUE(first.ok());
    const auto text = OCRResultJson::encode(*first);
    ASSERT_TRUE(text.ok()) << text.error();
    EXPECT_NE(text->find("\"confidence\":0.93"), std::string::npos) << *text;
    const auto again = OCRResultJson::decode(*text);
    ASSERT_TRUE(again.ok()) << again.error();
    ASSERT_EQ(again->observations.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(again->observations[i].string, first->observations[i].string);
        EXPECT_EQ(again->observations[i].confidence, first->observations[i].confidence);
        EXPECT_EQ(again->observations[i].normalizedBoundingBox, first->observations[i].normalizedBoundingBox);
        EXPECT_EQ(again->observations[i].source, first->observations[i].source);
    }
    const auto* symbols = dynamic_cast<const SymbolBoxesText*>(again->observations[0].recognizedText.get());
    ASSERT_NE(symbols, nullptr);
    EXPECT_EQ(symbols->symbols(),
              dynamic_cast<const SymbolBoxesText&>(*first->observations[0].recognizedText).symbols());
    EXPECT_FALSE(again->observations[1].recognizedText);
}

TEST(OCRResultJson, NamesTheProblemInMalformedInput)
{
    struct Case {
        std::string json;
        std::string message;
    };
    const std::vector<Case> cases{
        {"", "invalid JSON"},
        {twoLines.substr(0, twoLines.size() / 2), "invalid JSON"},
        {"[1, 2]", "the top level must be an object"},
        {R"({"observations": []})", "missing key \"imageSize\""},
        {R"({"imageSize": {"width": 10}, "observations": []})", "missing key \"height\" in imageSize"},
        {R"({"imageSize": {"width": 0, "height": 5}, "observations": []})", "imageSize.width must be greater than 0"},
        {R"({"imageSize": {"width": "10", "height": 5}, "observations": []})", "imageSize.width must be a number"},
        {R"({"imageSize": {"width": 10, "height": 5}, "observations": {}})", "observations must be an array"},
        {twoLinesWith("\"confidence\": 0.93", "\"confidence\": \"high\""),
         "observations[0].confidence must be a number"},
        {twoLinesWith("\"confidence\": 0.5", "\"confidence\": 50"), "observations[1].confidence must be from 0 to 1"},
        {twoLinesWith("\"source\": \"native\"", "\"source\": \"Native\""), "observations[0].source must be"},
        {twoLinesWith("\"string\": \"no symbols here\", ", ""), "missing key \"string\" in observations[1]"},
        {twoLinesWith("\"width\": 0.3", "\"width\": null"),
         "observations[0].normalizedBoundingBox.width must be a number"},
        {twoLinesWith("\"x\": 0.1", "\"x\": 1e300"), "observations[0].normalizedBoundingBox.x is out of range"},
        {twoLinesWith("\"start\": 6, \"end\": 7", "\"start\": 7, \"end\": 7"),
         "observations[0].symbols[0] must start before it ends"},
        {twoLinesWith("\"end\": 8", "\"end\": 9"), "observations[0].symbols[1].end must be a whole number from 0 to 8"},
        {twoLinesWith("\"start\": 6", "\"start\": -1"), "observations[0].symbols[0].start must be a whole number"},
        {std::string(100, '[') + std::string(100, ']'), "nested deeper than 64 levels"},
        {twoLinesWith("token=ab", "token=\xff\xfe"), "invalid JSON"},
    };
    for (const auto& c : cases) {
        const auto result = OCRResultJson::decode(c.json);
        ASSERT_FALSE(result.ok()) << c.json;
        EXPECT_NE(result.error().find(c.message), std::string::npos) << "got: " << result.error();
        EXPECT_EQ(result.error().find('\n'), std::string::npos) << result.error();
    }
}

TEST(OCRResultJson, BoundsTheAmountOfText)
{
    const std::string longLine(OCRResultJson::maxLineBytes + 1, 'a');
    const auto result = OCRResultJson::decode(twoLinesWith("no symbols here", longLine));
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().find("observations[1].string is longer than"), std::string::npos) << result.error();
}

TEST(OCRResultJson, ReadsFilesAndReportsMissingOnes)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tarnveil-ocr-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "ocr.json";
    std::ofstream(path) << twoLines;
    const auto result = OCRResultJson::read(path);
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result->observations.size(), 2u);

    const auto missing = OCRResultJson::read(folder / "absent.json");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("absent.json"), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST(OCRResultJson, RefusesToWriteWhatCannotBeReadBack)
{
    OCRResult result;
    result.imageSize = Size{10, 10};
    OCRObservation line;
    line.string = "bad \xff byte";
    result.observations.push_back(line);
    EXPECT_FALSE(OCRResultJson::encode(result).ok());

    result.observations[0].string = "fine";
    result.observations[0].normalizedBoundingBox.x = std::numeric_limits<double>::infinity();
    const auto encoded = OCRResultJson::encode(result);
    ASSERT_FALSE(encoded.ok());
    EXPECT_NE(encoded.error().find("normalizedBoundingBox"), std::string::npos) << encoded.error();
}
