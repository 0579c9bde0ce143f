#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include <QByteArray>
#include <QImage>

#include "detection/Result.h"

namespace tarnveil {

/// Turns a bitmap into the bytes of an image file that carries nothing but pixels: the
/// bitmap is first flattened into a fresh opaque RGB copy (transparency composed over black),
/// then encoded. A PNG holds only the IHDR, IDAT and IEND chunks (8-bit RGB, no alpha, no
/// resolution, text, colour profile or EXIF); a JPEG is baseline with a JFIF header and no
/// EXIF, XMP or ICC segment. Stateless; any thread may call it.
class Exporter {
public:
    /// The file type, and for JPEG its quality from 0 to 1.
    class Format {
    public:
        enum class Kind {
            jpeg,
            png,
        };

        /// JPEG at `quality`, clamped to 0…1 when encoding (a NaN counts as 1).
        static Format jpeg(double quality) { return Format(Kind::jpeg, quality); }
        static Format png() { return Format(Kind::png, 0); }

        Kind kind() const { return kind_; }
        /// The quality as given (JPEG only; 0 for PNG).
        double quality() const { return quality_; }

        /// Two JPEG formats are equal when their qualities are; PNG equals PNG.
        friend bool operator==(const Format&, const Format&) = default;

    private:
        Format(Kind kind, double quality) : kind_(kind), quality_(quality) {}

        Kind kind_;
        double quality_;
    };

    enum class ExportError {
        flattenFailed, ///< the opaque copy could not be made
        encodeFailed,  ///< the encoder failed
    };

    /// Why `write` failed: the encoder's error, or the file system's message.
    using WriteError = std::variant<ExportError, std::string>;

    /// The zlib level of PNG output. Export runs on the interface thread, so this was chosen
    /// for speed as much as size (see bench/README.md).
    static constexpr int pngCompressionLevel = 3;

    /// An opaque Format_RGB888 copy of `image` at its pixel size, transparency composed over
    /// black; none when `image` is empty or the copy cannot be allocated.
    static std::optional<QImage> flattenOpaque(const QImage& image);

    /// The file bytes of `image` in `format`.
    static Result<QByteArray, ExportError> encode(const QImage& image, const Format& format);

    /// The PNG bytes of `image` at zlib level `compressionLevel` (0 to 9); `encode` uses
    /// `pngCompressionLevel`. Other levels are for measuring the trade-off.
    static Result<QByteArray, ExportError> encodePng(const QImage& image, int compressionLevel);

    /// Encodes `image` and replaces the file at `path` atomically with the bytes: readers see
    /// the old file or the whole new one, never a part. The file gets the usual permissions
    /// (0666 less the process's umask).
    static Result<void, WriteError> write(const QImage& image, const std::filesystem::path& path,
                                          const Format& format);

    /// A one-line description of a write error.
    static std::string describe(const WriteError& error);
};

} // namespace tarnveil
