#include "window/FormSection.h"

#include <QLabel>
#include <QVBoxLayout>

#include "window/RoundedPanel.h"

namespace tarnveil {

FormSection::FormSection(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    heading_ = new QLabel(this);
    QFont headingFont = font();
    headingFont.setWeight(QFont::DemiBold);
    heading_->setFont(headingFont);
    heading_->setContentsMargins(4, 0, 0, 0);
    column->addWidget(heading_);
    auto* panel = new RoundedPanel(8, this);
    body_ = new QVBoxLayout(panel);
    body_->setContentsMargins(12, 10, 12, 10);
    body_->setSpacing(8);
    column->addWidget(panel);
}

void FormSection::setTitle(const QString& title)
{
    heading_->setText(title);
}

QString FormSection::title() const
{
    return heading_->text();
}

} // namespace tarnveil
