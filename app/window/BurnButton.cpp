#include "window/BurnButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "editor/AppColors.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

/// Room left around the pill for its glow.
constexpr int glowMargin = 4;
constexpr int flameSide = 14;
constexpr int horizontalPadding = 14;
constexpr int iconGap = 6;
constexpr int pillHeight = 26;

} // namespace

BurnButton::BurnButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setIcon(SymbolIcons::icon("flame.fill", QColor(Qt::white)));
    disabledIcon_ = SymbolIcons::icon("flame.fill");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QFont BurnButton::labelFont() const
{
    QFont font = this->font();
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    return font;
}

QSize BurnButton::sizeHint() const
{
    const QFontMetrics metrics(labelFont());
    const int width = horizontalPadding * 2 + flameSide + iconGap + metrics.horizontalAdvance(text());
    return {width + glowMargin * 2, pillHeight + glowMargin * 2};
}

QSize BurnButton::minimumSizeHint() const
{
    return sizeHint();
}

void BurnButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BurnButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void BurnButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF pill = QRectF(rect()).adjusted(glowMargin, glowMargin, -glowMargin, -glowMargin);
    const qreal radius = pill.height() / 2;
    const bool enabled = isEnabled();

    if (enabled) {
        // The glow: a few widening, fading outlines; cheaper than a blur and crisp at any scale.
        const double strength = isDown() ? 0.6 : (hovered_ ? 1.3 : 1.0);
        for (int ring = 1; ring <= glowMargin; ++ring) {
            const double alpha = strength * 0.22 * (1.0 - double(ring - 1) / glowMargin);
            painter.setPen(QPen(AppColors::withAlpha(AppColors::tvBurn(), alpha), 1.0));
            painter.setBrush(Qt::NoBrush);
            const QRectF ringRect = pill.adjusted(-ring + 0.5, -ring + 0.5, ring - 0.5, ring - 0.5);
            painter.drawRoundedRect(ringRect, radius + ring, radius + ring);
        }
    }

    QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
    if (enabled) {
        QColor top = AppColors::tvBurnLight();
        QColor bottom = AppColors::tvOrange();
        if (isDown()) {
            top = top.darker(115);
            bottom = bottom.darker(115);
        } else if (hovered_) {
            top = top.lighter(108);
            bottom = bottom.lighter(108);
        }
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
    } else {
        const QColor grey = palette().color(QPalette::Disabled, QPalette::Button);
        fill.setColorAt(0, grey.lighter(115));
        fill.setColorAt(1, grey);
    }
    painter.setPen(enabled ? QPen(AppColors::withAlpha(AppColors::tvBurnLight(), 0.9), 1.0)
                           : QPen(palette().color(QPalette::Mid), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const QFont font = labelFont();
    const QFontMetrics metrics(font);
    const int contentWidth = flameSide + iconGap + metrics.horizontalAdvance(text());
    const qreal left = pill.center().x() - contentWidth / 2.0;
    const QRect iconRect(qRound(left), qRound(pill.center().y() - flameSide / 2.0), flameSide, flameSide);
    const QColor ink = enabled ? QColor(Qt::white) : palette().color(QPalette::Disabled, QPalette::ButtonText);
    const QIcon& flame = enabled ? icon() : disabledIcon_;
    flame.paint(&painter, iconRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF textRect(left + flameSide + iconGap, pill.top(), metrics.horizontalAdvance(text()) + 2, pill.height());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(pill.adjusted(-1.5, -1.5, 1.5, 1.5), radius + 1.5, radius + 1.5);
    }
}

} // namespace tarnveil
