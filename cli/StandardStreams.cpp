#include "StandardStreams.h"

#include <cerrno>
#include <cstring>

namespace tarnveil::cli::StandardStreams {

Result<QByteArray, std::string> readAll(std::FILE* input)
{
    QByteArray bytes;
    char chunk[1 << 16];
    while (true) {
        const std::size_t count = std::fread(chunk, 1, sizeof chunk, input);
        if (count > 0) {
            if (std::size_t(bytes.size()) + count > maximumInputBytes) {
                return failure("standard input: more than " + std::to_string(maximumInputBytes / (1024 * 1024)) +
                               " MB, which is no screenshot");
            }
            bytes.append(chunk, qsizetype(count));
        }
        if (count < sizeof chunk) {
            if (std::ferror(input)) {
                return failure(std::string("standard input: ") + std::strerror(errno));
            }
            break;
        }
    }
    return bytes;
}

Result<void, std::string> writeAll(const QByteArray& bytes, std::FILE* output)
{
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), output) != std::size_t(bytes.size()) ||
        std::fflush(output) != 0) {
        return failure(std::string("standard output: ") + std::strerror(errno));
    }
    return {};
}

} // namespace tarnveil::cli::StandardStreams
