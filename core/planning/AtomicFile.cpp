#include "planning/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

} // namespace

Result<void, std::string> write(const std::filesystem::path& path, std::string_view bytes,
                                std::filesystem::perms permissions)
{
    if (path.filename().empty()) {
        return failure("cannot write " + path.string() + ": not a file name");
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    // A hidden name beside the target, so that the rename stays within one file system.
    std::string hiddenName(".");
    hiddenName += path.filename().string();
    hiddenName += ".XXXXXX";
    std::string pattern = (folder / hiddenName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return failure(reason("cannot create a temporary file beside", path));
    }
    const std::filesystem::path temporary(name.data());
    const auto abandon = [&](std::string message) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure(std::move(message));
    };
    if (::fchmod(fd, static_cast<mode_t>(permissions)) != 0) {
        return abandon(reason("cannot set the permissions of", temporary));
    }
    if (!writeAll(fd, bytes)) {
        return abandon(reason("cannot write", temporary));
    }
    if (::fsync(fd) != 0) {
        return abandon(reason("cannot flush", temporary));
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

} // namespace tarnveil::AtomicFile
