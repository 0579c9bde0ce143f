#include "window/CapsuleLabel.h"

#include <QPainter>

#include "editor/AppColors.h"

namespace tarnveil {

namespace {

constexpr int horizontalPadding = 7;
constexpr int verticalPadding = 1;

} // namespace

CapsuleLabel::CapsuleLabel(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CapsuleLabel::setText(const QString& text)
{
    if (text_ != text) {
        text_ = text;
        setAccessibleName(text);
        updateGeometry();
        update();
    }
}

void CapsuleLabel::setColor(std::optional<QColor> color)
{
    color_ = color;
    update();
}

QSize CapsuleLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int height = metrics.height() + verticalPadding * 2;
    return {std::max(height, metrics.horizontalAdvance(text_) + horizontalPadding * 2), height};
}

QSize CapsuleLabel::minimumSizeHint() const
{
    return sizeHint();
}

void CapsuleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = color_.value_or(palette().color(QPalette::PlaceholderText));
    const QColor fill = color_ ? AppColors::withAlpha(*color_, 0.2)
                               : AppColors::withAlpha(palette().color(QPalette::WindowText), 0.09);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

} // namespace tarnveil
