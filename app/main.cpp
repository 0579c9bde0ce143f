#include <QApplication>
#include <QFile>
#include <QStyleFactory>

#include "editor/EditorModel.h"
#include "ocr/engine/OpenMPThreadLimit.h"
#include "shell/SingleInstance.h"
#include "shell/TarnveilApp.h"
#include "window/EditorWindow.h"
#include "window/AppDelegate.h"

int main(int argc, char** argv)
{
    tarnveil::OpenMPThreadLimit::restartWithSingleThreadIfUnset(argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnveil"));
    QApplication::setApplicationName(QStringLiteral("Tarnveil"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnveil.Tarnveil"));

    // QApplication has taken its own options out of argv.
    QStringList files;
    for (int index = 1; index < argc; ++index) {
        files.append(QFile::decodeName(argv[index]));
    }
    // A second launch hands its files to the running instance and ends.
    tarnveil::SingleInstance instance;
    if (instance.start(files) == tarnveil::SingleInstance::Role::handedOver) {
        return 0;
    }

    // The themes bring their own palettes; Fusion draws every control from the palette.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    // The tray item keeps the process when the window closes; the shell decides.
    QApplication::setQuitOnLastWindowClosed(false);

    tarnveil::TarnveilApp app(tarnveil::EditorModel::shared());
    QObject::connect(&app, &tarnveil::TarnveilApp::quitRequested, &application, &QCoreApplication::quit);
    QObject::connect(&instance, &tarnveil::SingleInstance::filesReceived, &app, &tarnveil::TarnveilApp::openFiles);
    // Screen capture is not wired yet: capture requests go nowhere.
    app.window().show();
    tarnveil::AppDelegate::openFiles(tarnveil::EditorModel::shared(), files);
    return application.exec();
}
