#pragma once

#include <QMainWindow>

class QSplitter;
class QStackedWidget;

namespace tarnveil {

class TarnveilCommands;
class EditorModel;
class EditorToolBar;
class EmptyStateView;
class InspectorView;
class RedactionCanvas;
class RegionListView;
class StatusBarView;
class UnsafeStylePrompt;

/// The one editor window: the toolbar across the top; below it the region list on the left,
/// the canvas (or, without an image, the empty state) over the status bar in the middle, and
/// the inspector on the right while the model shows it. The whole window takes dropped
/// images and image files. The window follows the model's theme with its palette.
/// The canvas keys also work while the region list has the keyboard focus.
class EditorWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int defaultWidth = 1320;
    static constexpr int defaultHeight = 860;
    static constexpr int minimumWidth = 1080;
    static constexpr int minimumHeight = 720;
    static constexpr int sidebarMinimumWidth = 230;
    static constexpr int sidebarIdealWidth = 264;
    static constexpr int sidebarMaximumWidth = 340;
    static constexpr int inspectorMinimumWidth = 300;
    static constexpr int inspectorIdealWidth = 340;
    static constexpr int inspectorMaximumWidth = 440;

    explicit EditorWindow(EditorModel& model, QWidget* parent = nullptr);

    TarnveilCommands* mainMenu() const { return menuBar_; }
    EditorToolBar* toolBar() const { return toolBar_; }
    RegionListView* regionList() const { return regionList_; }
    InspectorView* inspector() const { return inspector_; }
    RedactionCanvas* canvas() const { return canvas_; }
    EmptyStateView* emptyState() const { return emptyState_; }
    StatusBarView* statusBarView() const { return statusBar_; }
    UnsafeStylePrompt* unsafeStylePrompt() const { return unsafeStylePrompt_; }
    /// True while the canvas (not the empty state) fills the canvas area.
    bool showsCanvas() const;

signals:
    /// The Capture button or the Capture Screenshot command was chosen; screen capture answers it.
    void captureRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* makeCanvasArea();
    void applyTheme();
    void refreshImage();
    void refreshInspectorVisibility();
    /// Hands the canvas keys (1 to 4, Space, Delete) pressed in the region list to the canvas,
    /// so that rows chosen in the list can be restyled, previewed and deleted from there.
    bool forwardCanvasKey(QEvent* event);

    EditorModel& model_;
    TarnveilCommands* menuBar_ = nullptr;
    EditorToolBar* toolBar_ = nullptr;
    QSplitter* columns_ = nullptr;
    RegionListView* regionList_ = nullptr;
    QStackedWidget* canvasStack_ = nullptr;
    RedactionCanvas* canvas_ = nullptr;
    EmptyStateView* emptyState_ = nullptr;
    StatusBarView* statusBar_ = nullptr;
    InspectorView* inspector_ = nullptr;
    UnsafeStylePrompt* unsafeStylePrompt_ = nullptr;
    /// A Space press went to the canvas and its release has not yet.
    bool spaceForwarded_ = false;
};

} // namespace tarnveil
