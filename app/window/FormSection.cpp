#include "window/FormSection.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tarnveil {

namespace {

/// The rounded panel behind a section's rows.
class Panel final : public QWidget {
public:
    explicit Panel(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.setBrush(palette().color(QPalette::AlternateBase));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
};

} // namespace

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
    auto* panel = new Panel(this);
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
