#include "render/Exporter.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>

#include <QPainter>
#include <jpeglib.h>
#include <png.h>

#include "planning/AtomicFile.h"

namespace tarnveil {

namespace {

// libpng and libjpeg report errors with longjmp. The functions that call setjmp below hold no
// object with a destructor, so the jump skips no clean-up; exceptions never cross the C code.

void appendPngBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<QByteArray*>(png_get_io_ptr(png));
    bool appended = true;
    try {
        bytes->append(reinterpret_cast<const char*>(data), qsizetype(length));
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended) {
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) {}

void quietPngWarning(png_structp, png_const_charp) {}

/// 8-bit RGB, unfiltered rows, no interlacing, and no chunk but IHDR, IDAT and IEND: nothing is put into the
/// info structure besides the header.
bool writePng(const QImage& rgb, QByteArray& bytes, int level)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, quietPngWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &bytes, appendPngBytes, flushNothing);
    png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, level);
    // No row prediction: on screenshots (flat areas, text) unfiltered rows deflate both faster
    // and smaller than libpng's adaptive filter choice (measured in bench/BurnBench.cpp).
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < rgb.height(); ++y) {
        png_write_row(png, rgb.constScanLine(y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

struct JpegErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failJpeg(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void quietJpegMessage(j_common_ptr) {}

/// Baseline JPEG with the standard JFIF header (no density) and nothing else: no EXIF, XMP,
/// ICC or comment marker is written. `buffer` is allocated by libjpeg; the caller frees it,
/// also after a failure.
bool encodeJpeg(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct compressor;
    JpegErrorManager errors;
    compressor.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failJpeg;
    errors.manager.output_message = quietJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&compressor);
        return false;
    }
    jpeg_create_compress(&compressor);
    jpeg_mem_dest(&compressor, buffer, size);
    compressor.image_width = JDIMENSION(rgb.width());
    compressor.image_height = JDIMENSION(rgb.height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(rgb.constScanLine(int(compressor.next_scanline)));
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}

/// JPEG quality from 1 to 100 for a quality from 0 to 1; out-of-range values are clamped and
/// a NaN counts as the best quality.
int jpegQuality(double quality)
{
    if (std::isnan(quality)) {
        quality = 1;
    }
    quality = std::clamp(quality, 0.0, 1.0);
    return std::max(1, int(std::lround(quality * 100)));
}

/// The process's file-creation mask, read without changing it (umask() would, for a moment,
/// for every thread); 077 when it cannot be read.
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 077;
}

} // namespace

std::optional<QImage> Exporter::flattenOpaque(const QImage& image)
{
    if (image.isNull()) {
        return std::nullopt;
    }
    QImage opaque;
    if (!image.hasAlphaChannel()) {
        opaque = image.convertToFormat(QImage::Format_RGB888);
    } else {
        QImage canvas(image.width(), image.height(), QImage::Format_RGB32);
        if (canvas.isNull()) {
            return std::nullopt;
        }
        canvas.fill(Qt::black);
        {
            QPainter painter(&canvas);
            painter.drawImage(QRect(0, 0, image.width(), image.height()), image);
        }
        opaque = canvas.convertToFormat(QImage::Format_RGB888);
    }
    if (opaque.isNull() || opaque.size() != image.size()) {
        return std::nullopt;
    }
    return opaque;
}

Result<QByteArray, Exporter::ExportError> Exporter::encode(const QImage& image, const Format& format)
{
    if (format.kind() == Format::Kind::png) {
        return encodePng(image, pngCompressionLevel);
    }
    const auto opaque = flattenOpaque(image);
    if (!opaque) {
        return failure(ExportError::flattenFailed);
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = encodeJpeg(*opaque, jpegQuality(format.quality()), &buffer, &size);
    QByteArray bytes;
    if (encoded) {
        try {
            bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
        } catch (const std::bad_alloc&) {
            std::free(buffer);
            return failure(ExportError::encodeFailed);
        }
    }
    std::free(buffer);
    if (!encoded) {
        return failure(ExportError::encodeFailed);
    }
    return bytes;
}

Result<QByteArray, Exporter::ExportError> Exporter::encodePng(const QImage& image, int compressionLevel)
{
    const auto opaque = flattenOpaque(image);
    if (!opaque) {
        return failure(ExportError::flattenFailed);
    }
    QByteArray bytes;
    if (!writePng(*opaque, bytes, std::clamp(compressionLevel, 0, 9))) {
        return failure(ExportError::encodeFailed);
    }
    return bytes;
}

Result<void, Exporter::WriteError> Exporter::write(const QImage& image, const std::filesystem::path& path,
                                                   const Format& format)
{
    const auto bytes = encode(image, format);
    if (!bytes) {
        return failure(WriteError(bytes.error()));
    }
    const auto permissions = std::filesystem::perms(0666 & ~currentUmask());
    const auto written =
        AtomicFile::write(path, std::string_view(bytes->constData(), std::size_t(bytes->size())), permissions);
    if (!written) {
        return failure(WriteError(written.error()));
    }
    return {};
}

std::string Exporter::describe(const WriteError& error)
{
    if (const auto* message = std::get_if<std::string>(&error)) {
        return *message;
    }
    return std::get<ExportError>(error) == ExportError::flattenFailed ? "cannot make an opaque copy of the image"
                                                                      : "cannot encode the image";
}

} // namespace tarnveil
