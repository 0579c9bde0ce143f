#include "window/EditorWindow.h"

#include "canvas/RedactionCanvas.h"
#include "editor/EditorModel.h"

namespace tarnveil {

EditorWindow::EditorWindow(EditorModel& model, QWidget* parent)
    : QMainWindow(parent)
    , model_(model)
{
    setCentralWidget(new RedactionCanvas(model_, this));
    resize(1320, 860);
    setMinimumSize(1080, 720);
}

} // namespace tarnveil
