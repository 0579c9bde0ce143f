#include "window/SegmentButton.h"

#include <QPainter>
#include <QPainterPath>

namespace tarnveil {

namespace {

constexpr qreal radius = 5;
constexpr int horizontalPadding = 8;
constexpr int verticalPadding = 4;

} // namespace

SegmentButton::SegmentButton(const QString& text, Position position, QWidget* parent)
    : QAbstractButton(parent), position_(position)
{
    setText(text);
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SegmentButton::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + horizontalPadding * 2, fontMetrics().height() + verticalPadding * 2};
}

QSize SegmentButton::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 8, fontMetrics().height() + verticalPadding * 2};
}

void SegmentButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool roundLeft = position_ == Position::first || position_ == Position::only;
    const bool roundRight = position_ == Position::last || position_ == Position::only;

    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(box, radius, radius);
    if (!roundLeft) {
        shape.addRect(QRectF(box.left(), box.top(), box.width() / 2, box.height()));
    }
    if (!roundRight) {
        shape.addRect(QRectF(box.center().x(), box.top(), box.width() / 2, box.height()));
    }
    shape = shape.simplified();

    const QPalette& colours = palette();
    QColor fill = colours.color(QPalette::Button);
    QColor ink = colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (isChecked()) {
        fill = colours.color(QPalette::Highlight);
        ink = colours.color(QPalette::HighlightedText);
    } else if (isDown()) {
        fill = fill.darker(115);
    } else if (underMouse()) {
        fill = fill.lighter(112);
    }
    painter.setPen(QPen(colours.color(QPalette::Mid), 1));
    painter.setBrush(fill);
    painter.drawPath(shape);

    painter.setPen(ink);
    QFont font = this->font();
    font.setWeight(isChecked() ? QFont::DemiBold : QFont::Normal);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, text());

    if (hasFocus()) {
        painter.setPen(QPen(colours.color(QPalette::Highlight).lighter(130), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
}

} // namespace tarnveil
