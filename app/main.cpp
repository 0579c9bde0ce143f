#include <QApplication>
#include <QFile>
#include <QStyleFactory>

#include "editor/EditorModel.h"
#include "ocr/engine/OpenMPThreadLimit.h"
#include "window/EditorWindow.h"
#include "window/ImageFileOpener.h"

int main(int argc, char** argv)
{
    tarnveil::OpenMPThreadLimit::restartWithSingleThreadIfUnset(argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnveil"));
    QApplication::setApplicationName(QStringLiteral("Tarnveil"));
    // The themes bring their own palettes; Fusion draws every control from the palette.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }

    tarnveil::EditorModel& model = tarnveil::EditorModel::shared();
    tarnveil::EditorWindow window(model);
    // Screen capture is not wired yet: the Capture button's request goes nowhere.
    window.show();

    // QApplication has taken its own options out of argv.
    QStringList files;
    for (int index = 1; index < argc; ++index) {
        files.append(QFile::decodeName(argv[index]));
    }
    tarnveil::ImageFileOpener::openFirst(model, files);
    return application.exec();
}
