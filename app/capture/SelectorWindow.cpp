#include "capture/SelectorWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QVBoxLayout>
#include <QWindow>

#include "capture/SelectorView.h"

namespace tarnveil {

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

SelectorWindow::SelectorWindow(const FrozenScreen& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           (onWayland() ? Qt::WindowFlags() : Qt::BypassWindowManagerHint))
    , view_(new SelectorView(screen, this))
    , geometry_(screen.geometry)
    , screen_(screen.screen)
{
    setObjectName(QStringLiteral("selectorWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_, &SelectorView::selected, this, &SelectorWindow::selected);
    connect(view_, &SelectorView::cancelled, this, &SelectorWindow::cancelled);
}

void SelectorWindow::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the window manager, a compositor's shortcut): the selection is
    // cancelled rather than left waiting with the application's windows hidden.
    event->ignore();
    emit cancelled();
}

void SelectorWindow::present(bool takeKeys)
{
    if (screen_) {
        setScreen(screen_);
    }
    setGeometry(geometry_);
    if (onWayland()) {
        showFullScreen();
    } else {
        show();
    }
    raise();
    if (takeKeys) {
        activateWindow();
        view_->setFocus(Qt::OtherFocusReason);
        // A window that bypasses the window manager gets no keyboard focus from it.
        if (!onWayland()) {
            view_->grabKeyboard();
        }
    }
}

} // namespace tarnveil
