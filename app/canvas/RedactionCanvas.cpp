#include "canvas/RedactionCanvas.h"

#include "editor/EditorModel.h"

namespace tarnveil {

RedactionCanvas::RedactionCanvas(EditorModel& model, QWidget* parent)
    : QScrollArea(parent)
    , model_(model)
{
}

} // namespace tarnveil
