#include "window/BlinkingCursor.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

#include "editor/AppColors.h"

namespace tarnveil {

BlinkingCursor::BlinkingCursor(QWidget* parent) : QWidget(parent), blink_(new QSequentialAnimationGroup(this))
{
    setFixedSize(cursorWidth, cursorHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (const auto& [from, to] : {std::pair{0.0, 1.0}, std::pair{1.0, 0.0}}) {
        auto* fade = new QPropertyAnimation(this, "opacity", blink_);
        fade->setStartValue(from);
        fade->setEndValue(to);
        fade->setDuration(halfPeriodMilliseconds);
        fade->setEasingCurve(QEasingCurve::InOutSine);
        blink_->addAnimation(fade);
    }
    blink_->setLoopCount(-1);
}

QSize BlinkingCursor::sizeHint() const
{
    return {cursorWidth, cursorHeight};
}

void BlinkingCursor::setAnimated(bool animated)
{
    animated_ = animated;
    startOrStop();
}

bool BlinkingCursor::isBlinking() const
{
    return blink_->state() == QAbstractAnimation::Running;
}

void BlinkingCursor::setOpacity(qreal opacity)
{
    if (opacity_ != opacity) {
        opacity_ = opacity;
        update();
    }
}

void BlinkingCursor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    startOrStop();
}

void BlinkingCursor::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    startOrStop();
}

void BlinkingCursor::startOrStop()
{
    if (animated_ && isVisible()) {
        if (!isBlinking()) {
            blink_->start();
        }
        return;
    }
    blink_->stop();
    setOpacity(1.0);
}

void BlinkingCursor::paintEvent(QPaintEvent*)
{
    if (opacity_ <= 0) {
        return;
    }
    QPainter painter(this);
    painter.setOpacity(opacity_);
    painter.fillRect(rect(), AppColors::tvOrange());
}

} // namespace tarnveil
