#include "window/ToggleSwitch.h"

#include <QPainter>

namespace tarnveil {

namespace {

constexpr int trackWidth = 32;
constexpr int trackHeight = 18;
constexpr int gap = 10;

} // namespace

ToggleSwitch::ToggleSwitch(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ToggleSwitch::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + gap + trackWidth + 2,
            std::max(fontMetrics().height(), trackHeight) + 4};
}

void ToggleSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QRectF track(width() - trackWidth - 1, (height() - trackHeight) / 2.0, trackWidth, trackHeight);

    painter.setPen(colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect textRect(0, 0, int(track.left()) - gap, height());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()));

    const QColor on = colours.color(QPalette::Highlight);
    QColor off = colours.color(QPalette::WindowText);
    off.setAlphaF(0.22f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? on : off);
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const qreal knobSide = trackHeight - 4;
    const qreal knobX = isChecked() ? track.right() - 2 - knobSide : track.left() + 2;
    painter.setBrush(QColor(Qt::white));
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.drawEllipse(QRectF(knobX, track.top() + 2, knobSide, knobSide));

    if (hasFocus()) {
        painter.setPen(QPen(on.lighter(130), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(-2, -2, 2, 2), track.height() / 2 + 2, track.height() / 2 + 2);
    }
}

} // namespace tarnveil
