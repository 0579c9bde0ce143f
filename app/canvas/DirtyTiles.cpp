#include "canvas/DirtyTiles.h"

#include <algorithm>

namespace tarnveil {

DirtyTiles::DirtyTiles(const QRect& area, int tileSize)
    : area_(area),
      tileSize_(std::max(tileSize, 1)),
      columns_(area.isEmpty() ? 0 : (area.width() + tileSize_ - 1) / tileSize_),
      rows_(area.isEmpty() ? 0 : (area.height() + tileSize_ - 1) / tileSize_),
      tiles_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), false)
{
}

void DirtyTiles::add(const QRect& rect)
{
    const QRect part = rect.intersected(area_);
    if (part.isEmpty()) {
        return;
    }
    const int firstColumn = (part.left() - area_.left()) / tileSize_;
    const int lastColumn = (part.right() - area_.left()) / tileSize_;
    const int firstRow = (part.top() - area_.top()) / tileSize_;
    const int lastRow = (part.bottom() - area_.top()) / tileSize_;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const std::size_t index = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                                      static_cast<std::size_t>(column);
            if (!tiles_[index]) {
                tiles_[index] = true;
                ++marked_;
            }
        }
    }
}

double DirtyTiles::coveredShare() const
{
    return tiles_.empty() ? 0.0 : static_cast<double>(marked_) / static_cast<double>(tiles_.size());
}

QRegion DirtyTiles::region() const
{
    QRegion region;
    for (int row = 0; row < rows_; ++row) {
        int column = 0;
        while (column < columns_) {
            const std::size_t base = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_);
            if (!tiles_[base + static_cast<std::size_t>(column)]) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < columns_ && tiles_[base + static_cast<std::size_t>(column)]) {
                ++column;
            }
            const QRect run(area_.left() + start * tileSize_, area_.top() + row * tileSize_,
                            (column - start) * tileSize_, tileSize_);
            // Rows are added from the top, runs from the left: each joins the region at its end.
            region += run.intersected(area_);
        }
    }
    return region;
}

} // namespace tarnveil
