#pragma once

#include <QToolBar>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QToolButton;

namespace tarnveil {

class BurnButton;
class EditorModel;

/// The toolbar across the editor window, in this order: Capture, Paste, the profile picker,
/// the Chrome Scrub menu, zoom out / fit / zoom in, BURN, the Appearance menu and the
/// inspector toggle. Controls that need an image are disabled without one.
class EditorToolBar final : public QToolBar {
    Q_OBJECT

public:
    /// Zoom steps of the buttons: one step is a factor of 1.25, within 0.1 to 8.
    static constexpr double zoomStep = 1.25;
    static constexpr double minimumZoom = 0.1;
    static constexpr double maximumZoom = 8.0;
    static constexpr int profilePickerWidth = 160;

    explicit EditorToolBar(EditorModel& model, QWidget* parent = nullptr);

    QAction* captureAction() const { return capture_; }
    QAction* pasteAction() const { return paste_; }
    QComboBox* profilePicker() const { return profile_; }
    QToolButton* chromeScrubButton() const { return chromeScrub_; }
    QMenu* chromeScrubMenu() const { return chromeScrubMenu_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* fitAction() const { return fit_; }
    QAction* zoomInAction() const { return zoomIn_; }
    BurnButton* burnButton() const { return burn_; }
    QToolButton* appearanceButton() const { return appearance_; }
    QMenu* appearanceMenu() const { return appearanceMenu_; }
    QAction* inspectorAction() const { return inspector_; }

signals:
    /// The Capture button was pressed.
    void captureRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* addButton(const char* symbol, const QString& objectName, bool showsText);
    void makeProfilePicker();
    void makeChromeScrubMenu();
    void makeAppearanceMenu();
    void retranslate();
    void refreshImage();
    void refreshProfile();
    void refreshTheme();
    void refreshInspector();
    void profileChosen(int index);

    EditorModel& model_;
    QAction* capture_ = nullptr;
    QAction* paste_ = nullptr;
    QComboBox* profile_ = nullptr;
    QToolButton* chromeScrub_ = nullptr;
    QMenu* chromeScrubMenu_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* fit_ = nullptr;
    QAction* zoomIn_ = nullptr;
    BurnButton* burn_ = nullptr;
    QToolButton* appearance_ = nullptr;
    QMenu* appearanceMenu_ = nullptr;
    QAction* themeSection_ = nullptr;
    QActionGroup* themes_ = nullptr;
    QAction* inspector_ = nullptr;
};

} // namespace tarnveil
