#include "window/ElidedLabel.h"

#include <QPainter>

namespace tarnveil {

ElidedLabel::ElidedLabel(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString& text)
{
    if (text_ == text) {
        return;
    }
    // One line: line breaks of a status text become spaces.
    text_ = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    setToolTip(text_);
    setAccessibleName(text_);
    updateGeometry();
    update();
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode)
{
    mode_ = mode;
    update();
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text_, mode_, width());
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, shownText());
}

} // namespace tarnveil
