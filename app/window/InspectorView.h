#pragma once

#include <QWidget>

class QScrollArea;
class QStackedWidget;

namespace tarnveil {

class EditorModel;
class InspectorPlaceholder;
class RegionForm;

/// The right column of the editor window. It follows the selection live: the form of the
/// one selected region, "No selection" when nothing (or only a region that no longer
/// exists) is selected, and the count when several are.
class InspectorView final : public QWidget {
    Q_OBJECT

public:
    enum class State { noSelection, oneRegion, severalRegions };

    explicit InspectorView(EditorModel& model, QWidget* parent = nullptr);

    State state() const { return state_; }
    RegionForm* form() const { return form_; }
    InspectorPlaceholder* noSelection() const { return noSelection_; }
    InspectorPlaceholder* severalSelected() const { return severalSelected_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    EditorModel& model_;
    State state_ = State::noSelection;
    QStackedWidget* stack_ = nullptr;
    InspectorPlaceholder* noSelection_ = nullptr;
    InspectorPlaceholder* severalSelected_ = nullptr;
    QScrollArea* formArea_ = nullptr;
    RegionForm* form_ = nullptr;
};

} // namespace tarnveil
