#include "window/MenuToolButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tarnveil {

namespace {

constexpr int chevronWidth = 7;
constexpr int chevronGap = 5;

} // namespace

MenuToolButton::MenuToolButton(QWidget* parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setAutoRaise(true);
}

QSize MenuToolButton::sizeHint() const
{
    const QSize base = QToolButton::sizeHint();
    return {base.width() + chevronWidth + chevronGap, base.height()};
}

QSize MenuToolButton::minimumSizeHint() const
{
    return sizeHint();
}

void MenuToolButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.features &= ~(QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup);

    const bool raised = option.state & (QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    if (raised && isEnabled()) {
        painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
    }
    QStyleOptionToolButton label = option;
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    label.rect = rect().adjusted(margin / 2, 0, -(chevronWidth + chevronGap), 0);
    painter.drawControl(QStyle::CE_ToolButtonLabel, label);

    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const qreal right = width() - chevronGap - 1;
    const qreal middle = height() / 2.0 + 1;
    QPainterPath chevron;
    chevron.moveTo(right - chevronWidth, middle - 2);
    chevron.lineTo(right - chevronWidth / 2.0, middle + 1.5);
    chevron.lineTo(right, middle - 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}

} // namespace tarnveil
