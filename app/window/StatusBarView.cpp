#include "window/StatusBarView.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "editor/EditorModel.h"
#include "editor/AppColors.h"
#include "window/BusyIndicator.h"
#include "window/ElidedLabel.h"

namespace tarnveil {

namespace {

constexpr int barHeight = 30;

QFont monospaced(const QFont& base, QFont::Weight weight)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() - 0.5 : 9.5);
    font.setWeight(weight);
    return font;
}

} // namespace

StatusBarView::StatusBarView(EditorModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("statusBar"));
    setFixedHeight(barHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(8);

    prompt_ = new QLabel(QStringLiteral(">"), this);
    prompt_->setFont(monospaced(font(), QFont::Bold));
    row->addWidget(prompt_);
    busy_ = new BusyIndicator(this);
    row->addWidget(busy_);
    status_ = new ElidedLabel(this);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setFont(monospaced(font(), QFont::Normal));
    row->addWidget(status_, 1);
    keys_ = new QLabel(this);
    keys_->setObjectName(QStringLiteral("keyHint"));
    keys_->setFont(monospaced(font(), QFont::Normal));
    keys_->setForegroundRole(QPalette::PlaceholderText);
    row->addWidget(keys_);

    connect(&model_, &EditorModel::statusChanged, this, &StatusBarView::refreshStatus);
    connect(&model_, &EditorModel::isProcessingChanged, this, &StatusBarView::refreshProcessing);
    connect(&model_, &EditorModel::imageChanged, this, &StatusBarView::refreshImage);
    connect(&model_, &EditorModel::themeChanged, this, &StatusBarView::refreshTheme);
    refreshStatus();
    refreshProcessing();
    refreshImage();
    refreshTheme();
}

QString StatusBarView::statusText() const
{
    return status_->text();
}

QString StatusBarView::keyHint() const
{
    return keys_->text();
}

bool StatusBarView::showsKeyHint() const
{
    return !keys_->isHidden();
}

bool StatusBarView::showsBusyIndicator() const
{
    return !busy_->isHidden();
}

QColor StatusBarView::promptColor() const
{
    return prompt_->palette().color(QPalette::WindowText);
}

void StatusBarView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        refreshStatus();
        refreshImage();
    }
    QWidget::changeEvent(event);
}

void StatusBarView::refreshStatus()
{
    status_->setText(model_.status().text());
}

void StatusBarView::refreshProcessing()
{
    busy_->setVisible(model_.isProcessing());
}

void StatusBarView::refreshImage()
{
    keys_->setText(tr("[space] preview   [1-4] style   [alt] protect"));
    keys_->setVisible(model_.image().has_value());
}

void StatusBarView::refreshTheme()
{
    QPalette palette = prompt_->palette();
    palette.setColor(QPalette::WindowText, AppColors::promptColor(model_.theme()));
    prompt_->setPalette(palette);
}

void StatusBarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
}

} // namespace tarnveil
