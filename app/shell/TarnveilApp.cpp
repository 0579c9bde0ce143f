#include "shell/TarnveilApp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QSystemTrayIcon>

#include "capture/ScreenCapturer.h"
#include "capture/ScreenSources.h"
#include "editor/EditorModel.h"
#include "shell/AboutDialog.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MenuBarContent.h"
#include "shell/MenuBarIcon.h"
#include "window/EditorWindow.h"
#include "window/AppDelegate.h"

namespace tarnveil {

TarnveilApp::TarnveilApp(EditorModel& model, TrayAvailable trayAvailable, QObject* parent)
    : QObject(parent),
      model_(model),
      trayAvailable_(trayAvailable ? std::move(trayAvailable) : TrayAvailable(&QSystemTrayIcon::isSystemTrayAvailable)),
      language_(std::make_unique<InterfaceLanguage>()),
      window_(std::make_unique<EditorWindow>(model)),
      trayMenu_(std::make_unique<MenuBarContent>()),
      capture_(std::make_unique<ScreenCapturer>(ScreenSources::forThisDesktop()))
{
    QIcon icon;
    for (const char* size : {"32x32", "64x64", "256x256"}) {
        icon.addFile(QStringLiteral(":/app-icon/%1/apps/io.github.tarnveil.Tarnveil.png").arg(QLatin1String(size)));
    }
    QApplication::setWindowIcon(icon);
    window_->installEventFilter(this);
    connect(window_.get(), &EditorWindow::captureRequested, this, &TarnveilApp::captureRequested);
    model_.setAreaCapture(capture_.get());
    connect(this, &TarnveilApp::captureRequested, &model_, &EditorModel::captureScreenshot);
    connect(&model_, &EditorModel::showAboutChanged, this, &TarnveilApp::showAbout);
    makeTrayItem();
}

TarnveilApp::~TarnveilApp()
{
    model_.setAreaCapture(nullptr);
    delete tray_;
}

QString TarnveilApp::languageRaw() const
{
    return identifier(language_->choice());
}

bool TarnveilApp::showsTrayItem() const
{
    return tray_ != nullptr && tray_->isVisible() && trayAvailable_();
}

void TarnveilApp::makeTrayItem()
{
    connect(trayMenu_.get(), &MenuBarContent::captureRequested, this, [this] {
        bringToFront();
        emit captureRequested();
    });
    connect(trayMenu_.get(), &MenuBarContent::pasteRequested, this, [this] {
        bringToFront();
        model_.paste();
    });
    connect(trayMenu_.get(), &MenuBarContent::showRequested, this, &TarnveilApp::bringToFront);
    connect(trayMenu_.get(), &MenuBarContent::quitRequested, this, &TarnveilApp::quitRequested);

    tray_ = new QSystemTrayIcon(MenuBarIcon::icon());
    tray_->setContextMenu(trayMenu_.get());
    // A click on the item brings the window back, as tray items on Linux desktops do.
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
            bringToFront();
        }
    });
    tray_->setToolTip(QStringLiteral("Tarnveil"));
    if (trayAvailable_()) {
        tray_->show();
    }
}

void TarnveilApp::openFiles(const QStringList& files)
{
    bringToFront();
    AppDelegate::openFiles(model_, files);
}

void TarnveilApp::bringToFront()
{
    if (window_->isMinimized()) {
        window_->showNormal();
    } else {
        window_->show();
    }
    window_->raise();
    window_->activateWindow();
}

void TarnveilApp::showAbout()
{
    if (!model_.showAbout()) {
        if (about_ != nullptr) {
            about_->close();
        }
        return;
    }
    if (about_ != nullptr) {
        about_->raise();
        return;
    }
    bringToFront();
    about_ = new AboutDialog(*language_, window_.get());
    about_->setAttribute(Qt::WA_DeleteOnClose);
    connect(about_, &AboutDialog::checkForUpdatesRequested, this,
            [] { QDesktopServices::openUrl(AboutDialog::releaseNotesUrl()); });
    connect(about_, &QDialog::finished, this, [this] {
        about_ = nullptr;
        model_.setShowAbout(false);
    });
    about_->open();
}

bool TarnveilApp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_.get() && event->type() == QEvent::Close
        && AppDelegate::shouldTerminateAfterLastWindowClosed(showsTrayItem())) {
        // Without a tray item nothing could bring the window back: closing it quits.
        QMetaObject::invokeMethod(this, &TarnveilApp::quitRequested, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarnveil
