#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QStandardPaths>

// The editor tests drive the model headless. The offscreen platform gives fonts and an
// in-process clipboard without a display; a QApplication because the Qt platform services
// use widgets. Test mode keeps settings and standard folders away from the user's own.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
