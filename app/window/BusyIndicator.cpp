#include "window/BusyIndicator.h"

#include <QPainter>

namespace tarnveil {

namespace {

/// A regular indicator of 16 points, drawn at 0.7 of that.
constexpr int side = 11;
constexpr int tickMilliseconds = 50;
constexpr int degreesPerTick = 30;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent)
{
    setFixedSize(side + 2, side + 2);
    tick_.setInterval(tickMilliseconds);
    connect(&tick_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + degreesPerTick) % 360;
        update();
    });
}

QSize BusyIndicator::sizeHint() const
{
    return {side + 2, side + 2};
}

void BusyIndicator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    tick_.start();
}

void BusyIndicator::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    tick_.stop();
}

void BusyIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor track = palette().color(QPalette::WindowText);
    track.setAlphaF(0.18f);
    painter.setPen(QPen(track, 1.6));
    painter.drawEllipse(box);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(box, -angle_ * 16, 100 * 16);
}

} // namespace tarnveil
