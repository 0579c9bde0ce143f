#pragma once

#include <QMainWindow>

namespace tarnveil {

class EditorModel;

/// The one editor window: toolbar, region list, canvas area with its status bar, inspector.
class EditorWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit EditorWindow(EditorModel& model, QWidget* parent = nullptr);

private:
    EditorModel& model_;
};

} // namespace tarnveil
