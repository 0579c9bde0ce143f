// The application's one model. Kept apart so that the model itself needs only Qt Core and Gui;
// this file brings in the widget-based platform services.

#include "EditorModel.h"

#include "QtEditorPlatform.h"

namespace tarnveil {

EditorModel& EditorModel::shared()
{
    // Never destroyed: it must outlive every view, and the process ends with it.
    static EditorModel* const instance = new EditorModel(std::make_shared<QtEditorPlatform>());
    return *instance;
}

} // namespace tarnveil
