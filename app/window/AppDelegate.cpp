#include "window/AppDelegate.h"

#include <cstdio>

#include <QFile>
#include <QFileInfo>

#include "editor/EditorModel.h"
#include "render/ImageDecoder.h"

namespace tarnveil {

bool AppDelegate::openFiles(EditorModel& model, const QStringList& files)
{
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        auto decoded = ImageDecoder::read(QFile::encodeName(path).toStdString());
        if (decoded.ok()) {
            model.load(decoded.value(), EditorModel::defaultImageScale, path);
            return true;
        }
        std::fprintf(stderr, "tarnveil: %s\n", decoded.error().c_str());
    }
    return false;
}

} // namespace tarnveil
