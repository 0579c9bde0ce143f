#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QColorSpace>
#include <QImage>

#include "render/Exporter.h"
#include "render/RedactionEngine.h"

using namespace tarnveil;

namespace {

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at)
{
    return (std::uint32_t(std::uint8_t(bytes[at])) << 24) | (std::uint32_t(std::uint8_t(bytes[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(bytes[at + 2])) << 8) | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

/// The chunk types of a PNG file in order; empty when the signature is wrong.
std::vector<std::string> pngChunks(const QByteArray& bytes)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n")) {
        return {};
    }
    std::vector<std::string> chunks;
    qsizetype at = 8;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t length = bigEndian(bytes, at);
        chunks.push_back(bytes.mid(at + 4, 4).toStdString());
        at += 12 + qsizetype(length);
    }
    EXPECT_EQ(at, bytes.size()) << "trailing bytes after the last chunk";
    return chunks;
}

/// The markers of a JPEG file up to the start of the scan.
std::vector<int> jpegMarkers(const QByteArray& bytes)
{
    std::vector<int> markers;
    qsizetype at = 2;
    EXPECT_TRUE(bytes.startsWith("\xff\xd8"));
    while (at + 4 <= bytes.size() && std::uint8_t(bytes[at]) == 0xff) {
        const int marker = std::uint8_t(bytes[at + 1]);
        markers.push_back(marker);
        if (marker == 0xda) {
            break;
        }
        at += 2 + ((std::uint8_t(bytes[at + 2]) << 8) | std::uint8_t(bytes[at + 3]));
    }
    return markers;
}

/// A translucent image that carries every kind of metadata Qt can attach.
QImage imageWithMetadata()
{
    QImage image(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgba(x * 4, y * 5, 90, x < 32 ? 255 : 0));
        }
    }
    image.setText("Comment", "hidden value 10.1.2.3");
    image.setText("Author", "someone");
    image.setDotsPerMeterX(5000);
    image.setDotsPerMeterY(5000);
    image.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    return image;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(ExporterTest, PngHoldsOnlyOpaqueRgbPixels)
{
    const auto bytes = Exporter::encode(imageWithMetadata(), Exporter::Format::png());
    ASSERT_TRUE(bytes.ok());
    const auto chunks = pngChunks(*bytes);
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front(), "IHDR");
    EXPECT_EQ(chunks.back(), "IEND");
    for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i], "IDAT");
    }
    EXPECT_EQ(bigEndian(*bytes, 16), 64u); // width
    EXPECT_EQ(bigEndian(*bytes, 20), 48u); // height
    EXPECT_EQ(int((*bytes)[24]), 8);       // bit depth
    EXPECT_EQ(int((*bytes)[25]), 2);       // colour type: RGB, no alpha

    // The pixels survive; transparent ones come out black.
    const QImage decoded = QImage::fromData(*bytes, "PNG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_FALSE(decoded.hasAlphaChannel());
    EXPECT_EQ(decoded.pixel(10, 10), qRgb(40, 50, 90));
    EXPECT_EQ(decoded.pixel(40, 10), qRgb(0, 0, 0));
}

TEST(ExporterTest, JpegHoldsNoExifXmpOrColourProfile)
{
    const auto bytes = Exporter::encode(imageWithMetadata(), Exporter::Format::jpeg(0.8));
    ASSERT_TRUE(bytes.ok());
    const auto markers = jpegMarkers(*bytes);
    ASSERT_FALSE(markers.empty());
    EXPECT_EQ(markers.back(), 0xda);
    for (const int marker : markers) {
        // Only the JFIF header among the application segments (APP1 holds EXIF and XMP, APP2
        // holds ICC profiles); no comment segment; baseline frames only.
        EXPECT_TRUE(marker == 0xe0 || marker < 0xe0 || marker > 0xef) << std::hex << marker;
        EXPECT_NE(marker, 0xfe);
        EXPECT_NE(marker, 0xc2);
    }
    EXPECT_NE(std::find(markers.begin(), markers.end(), 0xc0), markers.end());
    EXPECT_FALSE(QImage::fromData(*bytes, "JPEG").isNull());
}

TEST(ExporterTest, JpegQualityIsClampedToZeroToOne)
{
    const QImage image = imageWithMetadata();
    const auto encoded = [&](double quality) { return *Exporter::encode(image, Exporter::Format::jpeg(quality)); };
    EXPECT_EQ(encoded(1.7), encoded(1.0));
    EXPECT_EQ(encoded(-0.2), encoded(0.0));
    EXPECT_EQ(encoded(NAN), encoded(1.0));
    EXPECT_NE(encoded(0.3), encoded(0.9));
    EXPECT_LT(encoded(0.1).size(), encoded(1.0).size());
}

TEST(ExporterTest, FormatsCompareByKindAndQuality)
{
    using Format = Exporter::Format;
    EXPECT_EQ(Format::jpeg(0.8), Format::jpeg(0.8));
    EXPECT_NE(Format::jpeg(0.8), Format::jpeg(0.7));
    EXPECT_NE(Format::jpeg(0.8), Format::png());
    EXPECT_EQ(Format::png(), Format::png());
}

TEST(ExporterTest, EmptyImageFailsToFlatten)
{
    const auto bytes = Exporter::encode(QImage(), Exporter::Format::png());
    ASSERT_FALSE(bytes.ok());
    EXPECT_EQ(bytes.error(), Exporter::ExportError::flattenFailed);
    EXPECT_FALSE(Exporter::flattenOpaque(QImage()).has_value());
}

class ExporterWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("tarnveil-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

TEST_F(ExporterWriteTest, ReplacesAnExistingFileWhole)
{
    const auto path = dir_ / "out.png";
    std::ofstream(path, std::ios::binary) << std::string(1 << 20, 'x');
    const QImage image = imageWithMetadata();
    ASSERT_TRUE(Exporter::write(image, path, Exporter::Format::png()).ok());
    const auto expected = *Exporter::encode(image, Exporter::Format::png());
    EXPECT_EQ(readFile(path), expected.toStdString());
    // Nothing but the file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 1);
}

TEST_F(ExporterWriteTest, FollowsTheUmask)
{
    const mode_t previous = ::umask(027);
    const auto written = Exporter::write(imageWithMetadata(), dir_ / "masked.png", Exporter::Format::png());
    ::umask(previous);
    ASSERT_TRUE(written.ok());
    struct stat info {};
    ASSERT_EQ(::stat((dir_ / "masked.png").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ExporterWriteTest, FileSystemErrorsPassThroughAndLeaveNothing)
{
    const auto written = Exporter::write(imageWithMetadata(), dir_ / "missing" / "out.png", Exporter::Format::png());
    ASSERT_FALSE(written.ok());
    ASSERT_TRUE(std::holds_alternative<std::string>(written.error()));
    EXPECT_NE(Exporter::describe(written.error()).find("missing"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));

    const auto empty = Exporter::write(QImage(), dir_ / "empty.png", Exporter::Format::png());
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(std::get<Exporter::ExportError>(empty.error()), Exporter::ExportError::flattenFailed);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(ExporterWriteTest, HiddenPixelsUnderASolidRegionAreExactlyTheFillInTheFile)
{
    QImage source = imageWithMetadata();
    const auto burnt = RedactionEngine().burn(
        source, {RedactionRegion(RegionID::generate(), Rect{4.5, 4.5, 40, 20}, RedactionStyle::solid(FillColor::grey))});
    ASSERT_TRUE(burnt);
    const auto path = dir_ / "burnt.png";
    ASSERT_TRUE(Exporter::write(*burnt, path, Exporter::Format::png()).ok());
    const QImage decoded(QString::fromStdString(path.string()));
    ASSERT_EQ(decoded.size(), source.size());
    for (int y = 4; y < 25; ++y) {
        for (int x = 4; x < 45; ++x) {
            ASSERT_EQ(decoded.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
        }
    }
}
