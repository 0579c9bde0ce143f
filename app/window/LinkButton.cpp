#include "window/LinkButton.h"

#include <QPainter>

namespace tarnveil {

LinkButton::LinkButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize LinkButton::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 4, fontMetrics().height() + 2};
}

void LinkButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor ink = palette().color(QPalette::Link);
    if (isDown()) {
        ink = ink.darker(130);
    }
    QFont font = this->font();
    font.setUnderline(hasFocus() || underMouse());
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace tarnveil
