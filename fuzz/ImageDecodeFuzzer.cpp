// Image bytes as the application and the command line decode them (PNG, JPEG, GIF, WebP,
// TIFF, BMP through Qt's readers): either a one-line failure or an image within the
// allocation limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QGuiApplication>

#include "FuzzCheck.h"
#include "render/ImageDecoder.h"

using namespace tarnveil;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto image = ImageDecoder::fromBytes(bytes, "fuzz");
    if (!image) {
        fuzz::check(image.error().find('\n') == std::string::npos, "the message is one line");
        return 0;
    }
    fuzz::check(!image->isNull(), "a decoded image has pixels");
    fuzz::check(double(image->width()) * image->height() * 4 <=
                    double(ImageDecoder::allocationLimitMegabytes) * 1024 * 1024,
                "within the allocation limit");
    return 0;
}
