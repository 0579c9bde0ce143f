#pragma once

#include <QMenu>

class QAction;

namespace tarnveil {

/// The tray item's menu: Capture Region, Paste from Clipboard, Show Tarnveil, Quit Tarnveil.
/// It only says what was chosen; the application brings the window forward and acts.
class MenuBarContent : public QMenu {
    Q_OBJECT

public:
    explicit MenuBarContent(QWidget* parent = nullptr);

    /// The item with that object name ("captureRegion", "pasteFromClipboard", "showTarnveil",
    /// "quitTarnveil"), or null.
    QAction* item(const QString& objectName) const;

signals:
    void captureRequested();
    void pasteRequested();
    void showRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* addItem(const char* objectName, const QKeySequence& shortcut, void (MenuBarContent::*signal)());
    void retranslate();
};

} // namespace tarnveil
