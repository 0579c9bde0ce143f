#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

namespace tarnveil {

class EditorModel;

/// The editor window's main menu: File, Edit, Redact, Session and Help. Every command calls
/// an operation of the model; the enabled states and the inspector item's title follow the
/// model. The shortcuts act anywhere in the window; text fields keep the keys they edit with
/// and the canvas keeps its own keys (Delete among them) while it has the focus.
class TarnveilCommands : public QMenuBar {
    Q_OBJECT

public:
    explicit TarnveilCommands(EditorModel& model, QWidget* parent = nullptr);

    /// The item with that object name ("openImage", "copyRedacted", …), or null.
    QAction* item(const QString& objectName) const;

signals:
    /// "Capture Screenshot" was chosen; screen capture answers it.
    void captureRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const QString& objectName, const QKeySequence& shortcut);
    void makeFileMenu();
    void makeEditMenu();
    void makeRedactMenu();
    void makeSessionMenu();
    void makeHelpMenu();
    void openImage();
    void startNewSession();
    void retranslate();
    void refreshImage();
    void refreshSelection();
    void refreshInspector();

    EditorModel& model_;
    QMenu* file_ = nullptr;
    QMenu* edit_ = nullptr;
    QMenu* redact_ = nullptr;
    QMenu* chromeScrub_ = nullptr;
    QMenu* session_ = nullptr;
    QMenu* help_ = nullptr;
};

} // namespace tarnveil
