#include "window/IconLabel.h"

#include <QPainter>

namespace tarnveil {

IconLabel::IconLabel(const QIcon& icon, int side, QWidget* parent) : QWidget(parent), icon_(icon)
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IconLabel::setIcon(const QIcon& icon)
{
    icon_ = icon;
    update();
}

void IconLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    icon_.paint(&painter, rect(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

} // namespace tarnveil
