#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "planning/AtomicFile.h"

using namespace tarnveil;
namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    AtomicFileTest() : folder(fs::temp_directory_path() / ("tarnveil-atomic-" + std::to_string(::getpid())))
    {
        fs::create_directories(folder);
    }
    ~AtomicFileTest() override { fs::remove_all(folder); }

    static std::string contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    /// Every name in the folder, hidden ones included.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    fs::path folder;
};

TEST_F(AtomicFileTest, CreatesOrReplacesTheFileWithItsPermissionsAndLeavesNothingElse)
{
    const fs::path file = folder / "out.png";
    ASSERT_TRUE(AtomicFile::write(file, "first").ok());
    EXPECT_EQ(contents(file), "first");
    ASSERT_TRUE(AtomicFile::write(file, "second, longer", fs::perms::owner_read | fs::perms::owner_write |
                                                              fs::perms::group_read)
                    .ok());
    EXPECT_EQ(contents(file), "second, longer");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777u, 0640u);
    EXPECT_EQ(names(), std::vector<std::string>{"out.png"}) << "no temporary file is left";
}

TEST_F(AtomicFileTest, AFailureSaysWhyAndLeavesTheOldFile)
{
    const fs::path file = folder / "keep.txt";
    ASSERT_TRUE(AtomicFile::write(file, "old").ok());
    const auto intoMissing = AtomicFile::write(folder / "missing" / "x.txt", "new");
    ASSERT_FALSE(intoMissing.ok());
    EXPECT_NE(intoMissing.error().find("missing"), std::string::npos) << intoMissing.error();
    fs::create_directory(folder / "taken");
    const auto overFolder = AtomicFile::write(folder / "taken", "new");
    ASSERT_FALSE(overFolder.ok());
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(names(), (std::vector<std::string>{"keep.txt", "taken"}));
}

TEST_F(AtomicFileTest, AWriterKilledHalfWayLeavesNoFileBehind)
{
    // A large write is still under way when the writer is killed.
    const std::string bytes(std::size_t(256) << 20, 'x');
    const fs::path file = folder / "big.png";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        (void)AtomicFile::write(file, bytes);
        ::_exit(0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the write ended before the kill; the test proves nothing";
    EXPECT_EQ(names(), std::vector<std::string>{}) << "nothing of the unfinished file is seen";
}

} // namespace
