#include "window/EmptyStateView.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "editor/AppColors.h"
#include "window/BlinkingCursor.h"
#include "window/RoundedPanel.h"
#include "window/ThemePalette.h"

namespace tarnveil {

namespace {

constexpr double wordMarkPointSize = 26;

QFont monospaced(double pointSize, QFont::Weight weight)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace

EmptyStateView::EmptyStateView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("emptyState"));
    auto* outer = new QVBoxLayout(this);
    outer->addStretch(1);
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    panel_ = new RoundedPanel(12, this);
    centred->addWidget(panel_);
    centred->addStretch(1);
    outer->addLayout(centred);
    outer->addStretch(1);

    auto* column = new QVBoxLayout(panel_);
    column->setContentsMargins(34, 26, 34, 26);
    column->setSpacing(10);

    wordMark_ = new QLabel(QStringLiteral("tarnveil"), panel_);
    QFont markFont = monospaced(wordMarkPointSize, QFont::Bold);
    markFont.setBold(true);
    wordMark_->setFont(markFont);
    column->addWidget(wordMark_);

    auto* promptLine = new QHBoxLayout;
    promptLine->setSpacing(8);
    const QFont promptFont = monospaced(13, QFont::Normal);
    promptSign_ = new QLabel(QStringLiteral(">"), panel_);
    promptSign_->setFont(monospaced(13, QFont::Bold));
    prompt_ = new QLabel(panel_);
    prompt_->setFont(promptFont);
    cursor_ = new BlinkingCursor(panel_);
    promptLine->addWidget(promptSign_);
    auto* typed = new QHBoxLayout;
    typed->setSpacing(4);
    typed->addWidget(prompt_);
    typed->addWidget(cursor_, 0, Qt::AlignVCenter);
    promptLine->addLayout(typed);
    promptLine->addStretch(1);
    column->addLayout(promptLine);

    column->addSpacing(6);
    hint_ = new QLabel(panel_);
    hint_->setFont(monospaced(10, QFont::Normal));
    column->addWidget(hint_);

    retranslate();
    applyColours();
}

void EmptyStateView::setTheme(AppTheme theme)
{
    theme_ = theme;
    applyColours();
}

void EmptyStateView::setReduceMotion(bool reduced)
{
    cursor_->setAnimated(!reduced);
}

QString EmptyStateView::promptText() const
{
    return promptSign_->text() + QLatin1Char(' ') + prompt_->text();
}

QString EmptyStateView::hintText() const
{
    return hint_->text();
}

void EmptyStateView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void EmptyStateView::retranslate()
{
    prompt_->setText(tr("awaiting input"));
    //: Two spaces on each side of each middle dot.
    hint_->setText(tr("Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot"));
}

void EmptyStateView::applyColours()
{
    const QColor background = AppColors::canvasBackground(theme_);
    const bool dark = ThemePalette::isDark(theme_);
    const QPalette themed = ThemePalette::of(theme_);
    QColor fill = dark ? background.lighter(135) : QColor(Qt::white);
    if (theme_ == AppTheme::hacker) {
        fill = QColor(0x03, 0x0b, 0x05);
    }
    panel_->setColors(fill, AppColors::withAlpha(themed.color(QPalette::WindowText), dark ? 0.12 : 0.14));

    auto colour = [](QLabel* label, const QColor& color) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    };
    colour(wordMark_, themed.color(QPalette::WindowText));
    colour(promptSign_, AppColors::promptColor(theme_));
    colour(prompt_, themed.color(QPalette::WindowText));
    colour(hint_, themed.color(QPalette::PlaceholderText));
    update();
}

void EmptyStateView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), AppColors::canvasBackground(theme_));
}

} // namespace tarnveil
