#include "capture/SelectorView.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tarnveil {

SelectorView::SelectorView(const FrozenScreen& screen, QWidget* parent)
    : QWidget(parent)
    , image_(screen.image)
    , screenOrigin_(screen.geometry.topLeft())
{
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::optional<QRectF> SelectorView::selection() const
{
    if (!anchor_ || !current_) {
        return std::nullopt;
    }
    return QRectF(std::min(anchor_->x(), current_->x()), std::min(anchor_->y(), current_->y()),
                  std::abs(current_->x() - anchor_->x()), std::abs(current_->y() - anchor_->y()));
}

QString SelectorView::sizeText(const QRectF& rect)
{
    return QStringLiteral("%1 \u00D7 %2").arg(qint64(rect.width())).arg(qint64(rect.height()));
}

QColor SelectorView::outlineColor()
{
    return QColor::fromRgbF(1.0f, 0.42f, 0.21f);
}

QFont SelectorView::labelFont() const
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(labelFontPixels);
    font.setWeight(QFont::Medium);
    return font;
}

std::optional<QRectF> SelectorView::sizeLabelRect() const
{
    const std::optional<QRectF> rect = selection();
    if (!rect) {
        return std::nullopt;
    }
    const QFontMetricsF metrics(labelFont());
    const QSizeF size(metrics.horizontalAdvance(sizeText(*rect)), metrics.height());
    QRectF label(QPointF(rect->left(), rect->top() - labelGap - size.height()), size);
    // Above the rectangle unless its background would leave the top of the display.
    if (label.top() - labelPaddingY < 0) {
        label.moveTop(rect->bottom() + labelGap);
    }
    return label;
}

void SelectorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRectF(rect()), image_, QRectF(image_.rect()));
    const std::optional<QRectF> chosen = selection();
    QPainterPath dimmed;
    dimmed.addRect(QRectF(rect()));
    if (chosen) {
        QPainterPath hole;
        hole.addRect(*chosen);
        dimmed = dimmed.subtracted(hole);
    }
    painter.fillPath(dimmed, QColor::fromRgbF(0, 0, 0, float(dimOpacity)));
    if (!chosen) {
        return;
    }
    painter.setPen(QPen(outlineColor(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(chosen->adjusted(0.5, 0.5, -0.5, -0.5));

    const QRectF label = *sizeLabelRect();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(0, 0, 0, float(labelOpacity)));
    painter.drawRoundedRect(label.adjusted(-labelPaddingX, -labelPaddingY, labelPaddingX, labelPaddingY),
                            labelCornerRadius, labelCornerRadius);
    painter.setPen(Qt::white);
    painter.setFont(labelFont());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, sizeText(*chosen));
}

QPointF SelectorView::clamped(QPointF point) const
{
    // A drag that leaves the display still describes an area of this display.
    return {std::clamp(point.x(), 0.0, double(width())), std::clamp(point.y(), 0.0, double(height()))};
}

void SelectorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        clearDrag();
        emit cancelled();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        anchor_ = current_ = clamped(event->position());
        update();
    }
}

void SelectorView::mouseMoveEvent(QMouseEvent* event)
{
    if (anchor_) {
        current_ = clamped(event->position());
        update();
    }
}

void SelectorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<QRectF> chosen = selection();
    clearDrag();
    if (!chosen) {
        emit cancelled();
        return;
    }
    emit selected(chosen->translated(screenOrigin_));
}

void SelectorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        clearDrag();
        emit cancelled();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SelectorView::clearDrag()
{
    anchor_.reset();
    current_.reset();
    update();
}

} // namespace tarnveil
