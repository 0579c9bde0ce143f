#include "window/InspectorPlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>

#include "window/IconLabel.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

constexpr int iconSide = 30;

} // namespace

InspectorPlaceholder::InspectorPlaceholder(const char* symbol, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(6);
    column->addStretch(2);
    auto* icon = new IconLabel(SymbolIcons::icon(symbol), iconSide, this);
    icon->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(icon, 0, Qt::AlignHCenter);
    column->addSpacing(6);
    title_ = new QLabel(this);
    QFont titleFont = font();
    titleFont.setPointSizeF(font().pointSizeF() + 2);
    titleFont.setWeight(QFont::DemiBold);
    title_->setFont(titleFont);
    title_->setAlignment(Qt::AlignHCenter);
    title_->setWordWrap(true);
    column->addWidget(title_);
    caption_ = new QLabel(this);
    caption_->setForegroundRole(QPalette::PlaceholderText);
    caption_->setAlignment(Qt::AlignHCenter);
    caption_->setWordWrap(true);
    column->addWidget(caption_);
    column->addStretch(3);
}

void InspectorPlaceholder::setTexts(const QString& title, const QString& caption)
{
    title_->setText(title);
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

QString InspectorPlaceholder::title() const
{
    return title_->text();
}

QString InspectorPlaceholder::caption() const
{
    return caption_->text();
}

} // namespace tarnveil
