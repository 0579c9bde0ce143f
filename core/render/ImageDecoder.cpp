#include "render/ImageDecoder.h"

#include <system_error>

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

namespace tarnveil::ImageDecoder {

namespace {

/// The first image `reader` holds, turned upright and in sRGB, or why not; `name` starts
/// every message.
Result<QImage, std::string> decode(QImageReader& reader, const std::string& name)
{
    QImageReader::setAllocationLimit(allocationLimitMegabytes);
    // Turned as the file's orientation says (a camera's or phone's picture stored sideways):
    // the image is read, redacted and exported the way the user sees it.
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return failure(name + ": not an image in a format this program reads");
    }
    const QSize size = reader.size();
    if (size.isValid() && double(size.width()) * size.height() * 4 > double(allocationLimitMegabytes) * 1024 * 1024) {
        return failure(name + ": the image is too large (" + std::to_string(size.width()) + " x " +
                       std::to_string(size.height()) + " pixels; at most " + std::to_string(allocationLimitMegabytes) +
                       " MB of pixels are decoded)");
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return failure(name + ": cannot decode the image, it may be truncated or corrupt (" +
                       reader.errorString().toStdString() + ")");
    }
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb)) {
        image.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
    }
    return image;
}

} // namespace

Result<QImage, std::string> read(const std::filesystem::path& path)
{
    const std::string name = path.string();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) {
        return failure(name + ": " + error.message());
    }
    if (!std::filesystem::is_regular_file(status)) {
        return failure(name + ": not a regular file");
    }
    if (std::filesystem::file_size(path, error) == 0 && !error) {
        return failure(name + ": the file is empty");
    }
    QImageReader reader(QString::fromStdString(name));
    return decode(reader, name);
}

Result<QImage, std::string> fromBytes(const QByteArray& bytes, const std::string& name)
{
    if (bytes.isEmpty()) {
        return failure(name + ": no bytes");
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader, name);
}

} // namespace tarnveil::ImageDecoder
