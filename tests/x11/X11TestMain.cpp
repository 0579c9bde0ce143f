#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "PatternWindow.h"

// The X11 capture test, or (with --pattern-window x y width height) the window it captures,
// run as a separate process so that it is another application's window.
int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "--pattern-window") == 0) {
        QApplication application(argc, argv);
        tarnveil::test::PatternWindow window(QRect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])));
        window.show();
        QTimer::singleShot(200, [] {
            std::puts("ready");
            std::fflush(stdout);
        });
        return application.exec();
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
