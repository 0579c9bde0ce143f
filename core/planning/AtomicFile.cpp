#include "planning/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <vector>

namespace tarnveil::AtomicFile {

namespace {

std::string reason(std::string_view step, const std::filesystem::path& path)
{
    return std::string(step) + " " + path.string() + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

/// Makes the rename itself durable; a folder that cannot be synced does not undo the write.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

/// A hidden name beside the target, so that the rename stays within one file system.
std::string hiddenPattern(const std::filesystem::path& folder, const std::filesystem::path& path)
{
    return (folder / ("." + path.filename().string() + ".XXXXXX")).string();
}

/// The bytes with their permissions, flushed to disk; false with errno set on failure.
bool fill(int fd, std::string_view bytes, std::filesystem::perms permissions)
{
    return ::fchmod(fd, static_cast<mode_t>(permissions)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
}

/// Writes through a file without a name (O_TMPFILE): until it is complete and linked into the
/// folder nothing of it can be seen, and a process killed before that leaves nothing behind.
/// Links it to `path` directly when `path` does not exist yet; otherwise to a hidden name that
/// is then renamed over `path`. None when the file system has no unnamed files.
std::optional<Result<void, std::string>> writeUnnamed(const std::filesystem::path& folder,
                                                      const std::filesystem::path& path, std::string_view bytes,
                                                      std::filesystem::perms permissions)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
            return std::nullopt;
        }
        return Result<void, std::string>(failure(reason("cannot create a temporary file beside", path)));
    }
    const auto fail = [fd](std::string message) {
        ::close(fd);
        return Result<void, std::string>(failure(std::move(message)));
    };
    if (!fill(fd, bytes, permissions)) {
        return fail(reason("cannot write", path));
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        ::close(fd);
        syncFolder(folder);
        return Result<void, std::string>();
    }
    if (errno == ENOENT && !std::filesystem::exists("/proc/self/fd")) {
        // Without /proc an unnamed file cannot be given a name.
        ::close(fd);
        return std::nullopt;
    }
    if (errno != EEXIST) {
        return fail(reason("cannot create", path));
    }
    std::random_device random;
    std::string hidden;
    for (int attempt = 0;; ++attempt) {
        hidden = hiddenPattern(folder, path);
        for (std::size_t i = hidden.size() - 6; i < hidden.size(); ++i) {
            hidden[i] = "abcdefghijklmnopqrstuvwxyz0123456789"[random() % 36];
        }
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, hidden.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            break;
        }
        if (errno != EEXIST || attempt == 16) {
            return fail(reason("cannot create a temporary file beside", path));
        }
    }
    ::close(fd);
    if (::rename(hidden.c_str(), path.c_str()) != 0) {
        const std::string message = reason("cannot replace", path);
        ::unlink(hidden.c_str());
        return Result<void, std::string>(failure(message));
    }
    syncFolder(folder);
    return Result<void, std::string>();
}

/// Writes through a hidden temporary file beside `path` that is renamed over it.
Result<void, std::string> writeNamed(const std::filesystem::path& folder, const std::filesystem::path& path,
                                     std::string_view bytes, std::filesystem::perms permissions)
{
    std::string pattern = hiddenPattern(folder, path);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return failure(reason("cannot create a temporary file beside", path));
    }
    const std::filesystem::path temporary(name.data());
    if (!fill(fd, bytes, permissions)) {
        const std::string message = reason("cannot write", temporary);
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(message);
    }
    if (::close(fd) != 0) {
        const std::string message = reason("cannot close", temporary);
        ::unlink(temporary.c_str());
        return failure(message);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string message = reason("cannot replace", path);
        ::unlink(temporary.c_str());
        return failure(message);
    }
    syncFolder(folder);
    return {};
}

} // namespace

Result<void, std::string> write(const std::filesystem::path& path, std::string_view bytes,
                                std::filesystem::perms permissions)
{
    if (path.filename().empty()) {
        return failure("cannot write " + path.string() + ": not a file name");
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (auto unnamed = writeUnnamed(folder, path, bytes, permissions)) {
        return std::move(*unnamed);
    }
    return writeNamed(folder, path, bytes, permissions);
}

} // namespace tarnveil::AtomicFile
