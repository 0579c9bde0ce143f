#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>

#include "render/ImageDecoder.h"
#include "support/PngBytes.h"

using namespace tarnveil;

namespace {

QByteArray pngOf(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::string pathIn(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    return path;
}

} // namespace

TEST(ImageDecoder, ReadsAnImageAndSaysInOneLineWhyItCannotReadOthers)
{
    QTemporaryDir dir;
    const QByteArray png = pngOf(64, 48);
    const auto good = ImageDecoder::read(pathIn(dir, "good.png", png));
    ASSERT_TRUE(good.ok()) << good.error();
    EXPECT_EQ(good->size(), QSize(64, 48));

    // A header claiming 20000 x 20000 pixels: refused before any pixel is decoded.
    const std::string header = tarnveil::testing::pngHeaderOnly(20000, 20000);
    const QByteArray bomb(header.data(), qsizetype(header.size()));

    struct Case {
        const char* what;
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {"missing", dir.filePath("missing.png").toStdString(), "No such file"},
        {"a folder", dir.path().toStdString(), "not a regular file"},
        {"empty", pathIn(dir, "empty.png", {}), "the file is empty"},
        {"text", pathIn(dir, "text.png", "just some text"), "not an image"},
        {"truncated", pathIn(dir, "truncated.png", png.left(png.size() / 2)), "truncated or corrupt"},
        {"decompression bomb", pathIn(dir, "bomb.png", bomb), "too large"},
    };
    for (const auto& c : cases) {
        const auto result = ImageDecoder::read(c.path);
        ASSERT_FALSE(result.ok()) << c.what;
        EXPECT_NE(result.error().find(c.message), std::string::npos) << c.what << ": " << result.error();
        EXPECT_EQ(result.error().find('\n'), std::string::npos) << c.what;
    }
}

namespace {

/// Left half red, right half blue: easy to recognise after any lossy format or rotation.
QImage halves(QImage::Format format, int width = 40, int height = 20)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            image.setPixel(x, y, qRgb(0, 0, 255));
        }
    }
    return format == QImage::Format_Indexed8 ? image.convertToFormat(format, Qt::ThresholdDither)
                                             : image.convertToFormat(format);
}

bool near(QRgb pixel, QRgb expected)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= 24 && std::abs(qGreen(pixel) - qGreen(expected)) <= 24 &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= 24;
}

std::string written(const QTemporaryDir& dir, const char* name, const QImage& image, const char* format,
                    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QImageWriter writer(path, format);
    writer.setTransformation(transformation);
    writer.setQuality(100);
    EXPECT_TRUE(writer.write(image)) << name << ": " << writer.errorString().toStdString();
    return path.toStdString();
}

std::string fixture(const char* name)
{
    return std::string(TARNVEIL_SOURCE_DIR) + "/tests/render/fixtures/" + name;
}

} // namespace

TEST(ImageDecoder, ReadsTheFormatsScreenshotsComeIn)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        std::string path;
        QSize size;
    };
    const QImage greyHalves = halves(QImage::Format_Grayscale8);
    const Case cases[] = {
        {"PNG, 8-bit", written(dir, "rgb.png", halves(QImage::Format_RGB32), "png"), {40, 20}},
        {"PNG, 16-bit", written(dir, "deep.png", halves(QImage::Format_RGBA64), "png"), {40, 20}},
        {"PNG, palette", written(dir, "palette.png", halves(QImage::Format_Indexed8), "png"), {40, 20}},
        {"PNG, alpha", written(dir, "alpha.png", halves(QImage::Format_ARGB32), "png"), {40, 20}},
        {"JPEG", written(dir, "photo.jpg", halves(QImage::Format_RGB32), "jpeg"), {40, 20}},
        {"JPEG, CMYK", fixture("cmyk.jpg"), {40, 20}},
        {"GIF, first frame of two", fixture("animated.gif"), {16, 8}},
        {"WebP", written(dir, "browser.webp", halves(QImage::Format_RGB32), "webp"), {40, 20}},
        {"TIFF", written(dir, "scan.tif", halves(QImage::Format_RGB32), "tiff"), {40, 20}},
        {"BMP", written(dir, "old.bmp", halves(QImage::Format_RGB32), "bmp"), {40, 20}},
    };
    for (const Case& c : cases) {
        const auto image = ImageDecoder::read(c.path);
        ASSERT_TRUE(image.ok()) << c.name << ": " << image.error();
        ASSERT_EQ(image->size(), c.size) << c.name;
        if (c.size == QSize(16, 8)) {
            EXPECT_TRUE(near(image->pixel(8, 4), qRgb(0, 255, 0))) << c.name << ": the first frame is lime";
            continue;
        }
        EXPECT_TRUE(near(image->pixel(5, 10), qRgb(255, 0, 0))) << c.name;
        EXPECT_TRUE(near(image->pixel(35, 10), qRgb(0, 0, 255))) << c.name;
    }
    // A grey PNG stays grey.
    const auto grey = ImageDecoder::read(written(dir, "grey.png", greyHalves, "png"));
    ASSERT_TRUE(grey.ok()) << grey.error();
    EXPECT_EQ(grey->pixel(5, 10), greyHalves.pixel(5, 10));
}

TEST(ImageDecoder, TurnsAJpegUprightAsItsOrientationSays)
{
    // Cameras and phones store the picture as the sensor saw it and say how to turn it; the
    // image is redacted and exported as the user sees it.
    QTemporaryDir dir;
    const std::string path =
        written(dir, "phone.jpg", halves(QImage::Format_RGB32), "jpeg", QImageIOHandler::TransformationRotate90);
    const auto image = ImageDecoder::read(path);
    ASSERT_TRUE(image.ok()) << image.error();
    ASSERT_EQ(image->size(), QSize(20, 40));
    EXPECT_TRUE(near(image->pixel(10, 5), qRgb(255, 0, 0))) << "red on top after a quarter turn clockwise";
    EXPECT_TRUE(near(image->pixel(10, 35), qRgb(0, 0, 255)));
}
