#pragma once

#include <QWidget>

#include "capture/FrozenScreen.h"

namespace tarnveil {

class SelectorView;

/// A frameless window that covers one display exactly and stays above everything else,
/// holding the display's `SelectorView`. On X11 the window manager is bypassed so that panels
/// and docks are covered too; on Wayland, where clients cannot place windows, it is shown full
/// screen on its display.
class SelectorWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SelectorWindow(const FrozenScreen& screen);

    SelectorView* view() const { return view_; }
    /// Shows the window on its display, above all others; `takeKeys` makes it the one that
    /// receives Escape.
    void present(bool takeKeys);

signals:
    void selected(const QRectF& globalRect);
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SelectorView* view_ = nullptr;
    QRect geometry_;
    QPointer<QScreen> screen_;
};

} // namespace tarnveil
