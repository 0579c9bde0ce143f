#pragma once

#include <QFont>
#include <QIcon>
#include <QStyledItemDelegate>

namespace tarnveil {

/// Draws the rows of the region list: section headers (title and count) and region rows
/// (severity chip, title, the value in small secondary text cut in the middle, the lock of a
/// protected region). Fonts are made once; painting does no allocation beyond the texts.
class RegionRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit RegionRowDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int groupRowHeight = 28;
    static constexpr int singleLineRowHeight = 30;
    static constexpr int twoLineRowHeight = 42;

private:
    void paintGroup(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintRegion(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    /// Draws the chip with its left edge at `left`, centred on `centerY`; returns its width.
    int paintChip(QPainter* painter, const QString& text, const QColor& color, int left, int centerY) const;

    QFont chipFont_;
    QFont titleFont_;
    QFont valueFont_;
    QFont groupFont_;
    QIcon lock_;
};

} // namespace tarnveil
