#include "window/RegionTreeView.h"

#include <QMouseEvent>

namespace tarnveil {

RegionTreeView::RegionTreeView(QWidget* parent) : QTreeView(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setUniformRowHeights(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
}

QItemSelectionModel::SelectionFlags RegionTreeView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const
{
    if (index.isValid() && !index.flags().testFlag(Qt::ItemIsSelectable)) {
        return QItemSelectionModel::NoUpdate;
    }
    return QTreeView::selectionCommand(index, event);
}

void RegionTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem row = option;
    row.rect = QRect(0, option.rect.top(), viewport()->width(), option.rect.height());
    row.state.setFlag(QStyle::State_Selected, selectionModel() != nullptr && selectionModel()->isSelected(index));
    row.state.setFlag(QStyle::State_MouseOver, hovered_.isValid() && hovered_ == index);
    row.state.setFlag(QStyle::State_HasFocus, false);
    itemDelegateForIndex(index)->paint(painter, row, index);
}

void RegionTreeView::drawBranches(QPainter*, const QRect&, const QModelIndex&) const
{
    // Sections are always open; there is nothing to draw left of a row.
}

void RegionTreeView::setHovered(const QModelIndex& index)
{
    const QModelIndex shown = index.flags().testFlag(Qt::ItemIsSelectable) ? index : QModelIndex();
    if (QPersistentModelIndex(shown) == hovered_) {
        return;
    }
    const QModelIndex previous = hovered_;
    hovered_ = shown;
    if (previous.isValid()) {
        viewport()->update(visualRect(previous).adjusted(-viewport()->width(), 0, viewport()->width(), 0));
    }
    if (shown.isValid()) {
        viewport()->update(visualRect(shown).adjusted(-viewport()->width(), 0, viewport()->width(), 0));
    }
}

void RegionTreeView::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(indexAt(event->position().toPoint()));
    QTreeView::mouseMoveEvent(event);
}

void RegionTreeView::leaveEvent(QEvent* event)
{
    setHovered(QModelIndex());
    QTreeView::leaveEvent(event);
}

} // namespace tarnveil
