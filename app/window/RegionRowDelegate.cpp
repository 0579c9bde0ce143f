#include "window/RegionRowDelegate.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>

#include "editor/AppColors.h"
#include "window/RegionListModel.h"
#include "window/SeverityChip.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

constexpr int horizontalInset = 6;
constexpr int contentPadding = 8;
constexpr int chipGap = 8;
constexpr int lockSide = 14;
constexpr int selectionRadius = 6;

bool isGroup(const QModelIndex& index)
{
    return index.data(RegionListModel::RowKindRole).toInt() == int(RegionListModel::RowKind::group);
}

} // namespace

RegionRowDelegate::RegionRowDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
    const QFont base = QApplication::font();
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    chipFont_ = base;
    chipFont_.setPointSizeF(9);
    chipFont_.setBold(true);

    titleFont_ = fixed;
    titleFont_.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() : 10);
    titleFont_.setWeight(QFont::Medium);

    valueFont_ = fixed;
    valueFont_.setPointSizeF(std::max(7.5, titleFont_.pointSizeF() - 1.5));

    groupFont_ = base;
    groupFont_.setPointSizeF(std::max(8.0, (base.pointSizeF() > 0 ? base.pointSizeF() : 10) - 1));
    groupFont_.setWeight(QFont::DemiBold);

    lock_ = SymbolIcons::icon("lock.shield.fill", AppColors::systemGreen());
}

QSize RegionRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (isGroup(index)) {
        return {option.rect.width(), groupRowHeight};
    }
    const bool hasValue = !index.data(RegionListModel::ValueRole).toString().isEmpty();
    return {option.rect.width(), hasValue ? twoLineRowHeight : singleLineRowHeight};
}

void RegionRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (isGroup(index)) {
        paintGroup(painter, option, index);
    } else {
        paintRegion(painter, option, index);
    }
    painter->restore();
}

void RegionRowDelegate::paintGroup(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    const QRect area = option.rect.adjusted(horizontalInset + contentPadding, 0, -horizontalInset - contentPadding, 0);
    const QColor secondary = option.palette.color(QPalette::PlaceholderText);
    painter->setFont(groupFont_);
    const QFontMetrics metrics(groupFont_);
    const QString count = QString::number(index.data(RegionListModel::CountRole).toInt());
    const int countWidth = metrics.horizontalAdvance(count);
    const QRect textArea(area.left(), area.top() + 6, area.width(), area.height() - 6);

    painter->setPen(secondary);
    painter->drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, count);
    const QString title = metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                             area.width() - countWidth - chipGap);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, title);
}

int RegionRowDelegate::paintChip(QPainter* painter, const QString& text, const QColor& color, int left,
                                 int centerY) const
{
    const QFontMetrics metrics(chipFont_);
    // Every chip as wide as the widest, so titles and values line up.
    const int width = metrics.horizontalAdvance(QStringLiteral("SECRET")) + 8;
    const int height = metrics.height() + 1;
    const QRectF chip(left + 0.5, centerY - height / 2.0 + 0.5, width - 1, height - 1);
    painter->setPen(QPen(AppColors::withAlpha(color, 0.3), 0.5));
    painter->setBrush(AppColors::withAlpha(color, 0.16));
    painter->drawRoundedRect(chip, 3.5, 3.5);
    painter->setFont(chipFont_);
    painter->setPen(color);
    painter->drawText(chip, Qt::AlignCenter, text);
    return width;
}

void RegionRowDelegate::paintRegion(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool active = option.state.testFlag(QStyle::State_Active);
    const QRect row = option.rect.adjusted(horizontalInset, 1, -horizontalInset, -1);
    if (selected) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        if (!active) {
            highlight.setAlphaF(0.55f);
        }
        painter->setPen(Qt::NoPen);
        painter->setBrush(highlight);
        painter->drawRoundedRect(row, selectionRadius, selectionRadius);
    } else if (option.state.testFlag(QStyle::State_MouseOver)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(AppColors::withAlpha(option.palette.color(QPalette::WindowText), 0.06));
        painter->drawRoundedRect(row, selectionRadius, selectionRadius);
    }

    const QString value = index.data(RegionListModel::ValueRole).toString();
    const bool isProtected = index.data(RegionListModel::ProtectedRole).toBool();
    const QFontMetrics titleMetrics(titleFont_);
    const QFontMetrics valueMetrics(valueFont_);
    const int linesHeight = titleMetrics.height() + (value.isEmpty() ? 0 : valueMetrics.height() + 1);
    const int top = row.top() + (row.height() - linesHeight) / 2;
    const int titleCenter = top + titleMetrics.height() / 2;

    SeverityChip chip;
    chip.text = index.data(RegionListModel::ChipTextRole).toString();
    chip.tone = SeverityChip::Tone(index.data(RegionListModel::ChipToneRole).toInt());
    QColor chipColor = chip.color(option.palette);
    if (selected && chip.tone == SeverityChip::Tone::contextual) {
        chipColor = option.palette.color(QPalette::HighlightedText);
    }
    int left = row.left() + contentPadding;
    left += paintChip(painter, chip.text, chipColor, left, titleCenter) + chipGap;

    int right = row.right() - contentPadding;
    if (isProtected) {
        const QRect lockRect(right - lockSide + 1, titleCenter - lockSide / 2, lockSide, lockSide);
        lock_.paint(painter, lockRect);
        right -= lockSide + chipGap;
    }
    const int textWidth = std::max(0, right - left + 1);

    const QColor primary = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QColor secondary = option.palette.color(QPalette::PlaceholderText);
    if (selected) {
        secondary = AppColors::withAlpha(primary, 0.75);
    }
    painter->setFont(titleFont_);
    painter->setPen(primary);
    const QString title = titleMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textWidth);
    painter->drawText(QRect(left, top, textWidth, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter, title);

    if (!value.isEmpty()) {
        painter->setFont(valueFont_);
        painter->setPen(secondary);
        const QString shown = valueMetrics.elidedText(value, Qt::ElideMiddle, textWidth);
        painter->drawText(QRect(left, top + titleMetrics.height() + 1, textWidth, valueMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
}

} // namespace tarnveil
