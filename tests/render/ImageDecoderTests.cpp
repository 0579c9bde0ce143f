#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

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
