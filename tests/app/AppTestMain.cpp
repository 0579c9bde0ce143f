#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>

namespace {

// Each test process gets its own home for settings, data, caches and the runtime socket, so
// tests that ctest runs side by side never read each other's stored choices or sockets, and
// none of them touches the user's own files.
std::filesystem::path privateHome()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnveil-app-tests-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    const std::filesystem::path home(pattern);
    ::setenv("HOME", home.c_str(), 1);
    for (const auto& [variable, folder] : {std::pair{"XDG_CONFIG_HOME", "config"}, std::pair{"XDG_DATA_HOME", "data"},
                                           std::pair{"XDG_CACHE_HOME", "cache"},
                                           std::pair{"XDG_RUNTIME_DIR", "runtime"}}) {
        const std::filesystem::path path = home / folder;
        std::filesystem::create_directory(path);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        ::setenv(variable, path.c_str(), 1);
    }
    return home;
}

} // namespace

// The editor tests drive the model headless. The offscreen platform gives fonts and an
// in-process clipboard without a display; a QApplication because the Qt platform services
// use widgets.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path home = privateHome();
    int result = 0;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
