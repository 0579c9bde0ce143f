#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QStringList>

class QSystemTrayIcon;

namespace tarnveil {

class AboutDialog;
class AreaCapture;
class EditorModel;
class EditorWindow;
class InterfaceLanguage;
class MenuBarContent;

/// The application around the editor: the one editor window, the tray item with its menu,
/// the interface language, the about sheet, and what happens to files handed to the
/// application and to a closed window. Closing the window keeps the process only while a
/// tray shows its item (otherwise nothing could bring the window back) and quits otherwise.
/// Capture, from the window or the tray item, runs the model's screen-area capture with the
/// screen source chosen for this desktop.
class TarnveilApp : public QObject {
    Q_OBJECT

public:
    /// Whether the desktop has a tray to show the item in; asked again at every close.
    using TrayAvailable = std::function<bool()>;

    explicit TarnveilApp(EditorModel& model, TrayAvailable trayAvailable = {}, QObject* parent = nullptr);
    ~TarnveilApp() override;

    EditorWindow& window() const { return *window_; }
    MenuBarContent& trayMenu() const { return *trayMenu_; }
    InterfaceLanguage& language() const { return *language_; }
    /// The about sheet while it is open, else null.
    AboutDialog* aboutDialog() const { return about_; }
    /// The stored interface language choice ("system", "de-DE", …).
    QString languageRaw() const;
    /// True while the tray item is shown.
    bool showsTrayItem() const;

    /// Brings the window forward (shows it again after a close) and loads the first of
    /// `files` that decodes as an image; the others are ignored.
    void openFiles(const QStringList& files);
    /// Shows the window again, restored and in front.
    void bringToFront();

signals:
    /// "Quit Tarnveil", or the window closed while no tray item could bring it back.
    void quitRequested();
    /// Capture was asked for from the window or the tray item (the model's capture follows).
    void captureRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeTrayItem();
    void showAbout();

    EditorModel& model_;
    TrayAvailable trayAvailable_;
    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<EditorWindow> window_;
    std::unique_ptr<MenuBarContent> trayMenu_;
    std::unique_ptr<AreaCapture> capture_;
    QSystemTrayIcon* tray_ = nullptr;
    AboutDialog* about_ = nullptr;
};

} // namespace tarnveil
