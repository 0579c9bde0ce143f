#pragma once

#include <vector>

#include <QRect>
#include <QRegion>

namespace tarnveil {

/// Collects many small areas to repaint on a grid of square tiles over `area`, so that the
/// repaint region stays a handful of rectangles however many areas were added: a region of
/// thousands of thin strips costs more to build and to clip against than the pixels it saves.
class DirtyTiles {
public:
    DirtyTiles(const QRect& area, int tileSize);

    /// Marks every tile that `rect` touches (the part outside the area is dropped).
    void add(const QRect& rect);

    bool isEmpty() const { return marked_ == 0; }
    /// The share of the area's tiles that are marked, 0 to 1.
    double coveredShare() const;
    /// The marked tiles, clipped to the area, as runs of tiles per row.
    QRegion region() const;

private:
    QRect area_;
    int tileSize_;
    int columns_;
    int rows_;
    std::vector<bool> tiles_;
    int marked_ = 0;
};

} // namespace tarnveil
