#include <cstdlib>

#include <unistd.h>

#include <QApplication>

#include "editor/EditorModel.h"
#include "window/EditorWindow.h"

namespace {

/// Tesseract's OpenMP runtime reads its thread limit once, when the library loads; with more
/// than one thread per recognition it is several times slower on small machines. The program
/// therefore starts itself again with the limit set; if that fails it goes on, only slower.
void limitOpenMPThreads(char** argv)
{
    if (std::getenv("OMP_THREAD_LIMIT") != nullptr) {
        return;
    }
    ::setenv("OMP_THREAD_LIMIT", "1", 1);
    ::execv("/proc/self/exe", argv);
}

} // namespace

int main(int argc, char** argv)
{
    limitOpenMPThreads(argv);
    QApplication application(argc, argv);
    tarnveil::EditorWindow window(tarnveil::EditorModel::shared());
    window.show();
    return application.exec();
}
