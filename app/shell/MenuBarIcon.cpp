#include "shell/MenuBarIcon.h"

#include <array>
#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarnveil::MenuBarIcon {

namespace {

constexpr qreal width = 18.0;
constexpr qreal height = 15.0;
constexpr qreal barHeight = 3.2;
constexpr qreal cornerRadius = 0.8;
constexpr qreal barLeft = 1.0;

struct Bar {
    qreal bottom; // measured from the symbol's bottom edge
    qreal length;
};

constexpr std::array<Bar, 3> bars = {{{10.4, 16.0}, {5.9, 11.5}, {1.4, 14.5}}};

QPainterPath barsPath()
{
    QPainterPath path;
    for (const Bar& bar : bars) {
        // Top-left origin: a bar whose bottom edge is `bottom` above the symbol's bottom.
        const QRectF rect(barLeft, height - bar.bottom - barHeight, bar.length, barHeight);
        path.addRoundedRect(rect, cornerRadius, cornerRadius);
    }
    return path;
}

} // namespace

QImage draw(qreal scale)
{
    QImage image(int(std::ceil(width * scale)), int(std::ceil(height * scale)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = barsPath();
    painter.setPen(QPen(QColor(0, 0, 0, 150), 0.6));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawPath(path);
    return image;
}

QIcon icon()
{
    QIcon result;
    for (const qreal scale : {1.0, 2.0, 3.0}) {
        result.addPixmap(QPixmap::fromImage(draw(scale)));
    }
    result.setIsMask(true);
    return result;
}

} // namespace tarnveil::MenuBarIcon
