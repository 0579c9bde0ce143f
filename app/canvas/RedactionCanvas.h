#pragma once

#include <QScrollArea>

namespace tarnveil {

class EditorModel;

/// The canvas area of the editor window: the screenshot at the model's zoom inside a scroll
/// area, centred while it is smaller than the viewport, with the region overlays on top.
class RedactionCanvas : public QScrollArea {
    Q_OBJECT

public:
    explicit RedactionCanvas(EditorModel& model, QWidget* parent = nullptr);

private:
    EditorModel& model_;
};

} // namespace tarnveil
