#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

namespace tarnveil {

/// The tree of the region list: section headers that are never selected and never clear the
/// selection when clicked, region rows with the usual Ctrl and Shift selection. Rows are
/// drawn by the delegate alone (rounded selection, no branch lines).
class RegionTreeView final : public QTreeView {
    Q_OBJECT

public:
    explicit RegionTreeView(QWidget* parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHovered(const QModelIndex& index);

    QPersistentModelIndex hovered_;
};

} // namespace tarnveil
