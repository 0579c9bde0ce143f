#include "window/RoundedPanel.h"

#include <QPainter>

namespace tarnveil {

RoundedPanel::RoundedPanel(qreal radius, QWidget* parent) : QWidget(parent), radius_(radius) {}

void RoundedPanel::setColors(std::optional<QColor> fill, std::optional<QColor> border)
{
    fill_ = fill;
    border_ = border;
    update();
}

void RoundedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_.value_or(palette().color(QPalette::Mid)), 1));
    painter.setBrush(fill_.value_or(palette().color(QPalette::AlternateBase)));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_, radius_);
}

} // namespace tarnveil
