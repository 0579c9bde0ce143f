#pragma once

#include <QWidget>

namespace tarnveil::test {

/// A borderless window that paints a colour for every pixel of the X screen it covers, from
/// that pixel's position, so that a capture of any part of it can be checked exactly.
class PatternWindow final : public QWidget {
public:
    explicit PatternWindow(const QRect& geometry);

    /// The colour of the pixel at (x, y) in X screen coordinates.
    static QRgb colourAt(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace tarnveil::test
