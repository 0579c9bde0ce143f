#include <gtest/gtest.h>

#include <cstdlib>

#include <QGuiApplication>

// The portal tests talk to a fake portal on the session bus that run-on-private-bus.sh starts
// for them; the offscreen platform gives one display without a window system.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
