#include "PatternWindow.h"

#include <QPainter>

namespace tarnveil::test {

PatternWindow::PatternWindow(const QRect& geometry)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
    , picture_(geometry.size(), QImage::Format_RGB32)
{
    for (int y = 0; y < picture_.height(); ++y) {
        for (int x = 0; x < picture_.width(); ++x) {
            picture_.setPixel(x, y, colourAt(geometry.x() + x, geometry.y() + y));
        }
    }
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRgb PatternWindow::colourAt(int x, int y)
{
    return qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256);
}

void PatternWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
}

} // namespace tarnveil::test
