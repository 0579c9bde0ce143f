#include <gtest/gtest.h>

#include <cstdlib>

#include <QGuiApplication>

// The rendering tests draw text, which needs a GUI application; the offscreen platform
// provides one without a display.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
