#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStyleFactory>

#include "editor/EditorModel.h"
#include "ocr/engine/OpenMPThreadLimit.h"
#include "render/ImageDecoder.h"
#include "window/EditorWindow.h"

namespace {

/// Loads the first of `files` that decodes as an image; the files before it that do not are
/// named on standard error, the files after it are left alone.
void openFirstImage(tarnveil::EditorModel& model, const QStringList& files)
{
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        auto decoded = tarnveil::ImageDecoder::read(QFile::encodeName(path).toStdString());
        if (decoded.ok()) {
            model.load(decoded.value(), tarnveil::EditorModel::defaultImageScale, path);
            return;
        }
        std::fprintf(stderr, "tarnveil: %s\n", decoded.error().c_str());
    }
}

} // namespace

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
    openFirstImage(model, files);
    return application.exec();
}
