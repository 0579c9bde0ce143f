#include "window/WrappingButton.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarnveil {

namespace {

constexpr int sidePadding = 8;
constexpr int linePadding = 4;

} // namespace

WrappingButton::WrappingButton(QWidget* parent)
    : QPushButton(parent)
    , label_(new QLabel(this))
{
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(sidePadding, linePadding, sidePadding, linePadding);
    layout->addWidget(label_);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    followPalette();
}

void WrappingButton::setWrappedText(const QString& text)
{
    setText(text);
    label_->setText(text);
    updateGeometry();
}

int WrappingButton::heightForWidth(int width) const
{
    const int textHeight = label_->heightForWidth(std::max(1, width - 2 * sidePadding));
    return std::max(QPushButton::sizeHint().height(), textHeight + 2 * linePadding);
}

QSize WrappingButton::sizeHint() const
{
    const int width = QPushButton::sizeHint().width();
    return {width, heightForWidth(width)};
}

QSize WrappingButton::minimumSizeHint() const
{
    return {0, QPushButton::sizeHint().height()};
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    // The frame as the style draws it; the label child draws the text.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
}

void WrappingButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange) {
        followPalette();
    }
    QPushButton::changeEvent(event);
}

void WrappingButton::followPalette()
{
    QPalette palette = label_->palette();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    palette.setColor(QPalette::WindowText, this->palette().color(group, QPalette::ButtonText));
    label_->setPalette(palette);
}

} // namespace tarnveil
