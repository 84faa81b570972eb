#pragma once

#include "imagetools/RgbImage.h"

#include <cstddef>
#include <optional>

namespace quorlex {

struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Thumbnails in cells of one size, as many to a row as the width holds (at least one), each
// row centred; a picture keeps a margin of 3 pixels inside its cell. Under each cell there may be
// a caption line, which makes the rows that much taller.
class ThumbnailGrid {
public:
    static constexpr int kMargin = 3;

    ThumbnailGrid(int areaWidth, PixelSize cell, size_t count, int captionHeight = 0);

    int columns() const { return m_columns; }
    // A thumbnail's whole place, caption included.
    CellRect Cell(size_t index) const;
    // Where its picture goes: the cell inside the margin.
    CellRect Picture(size_t index) const;
    // Its caption line under the cell, inside the margin's width.
    CellRect Caption(size_t index) const;
    // The height all rows take.
    int height() const;
    // The index of the cell under a point, if any.
    std::optional<size_t> CellAt(int x, int y) const;

    // The picture's size inside a cell: scaled down, keeping its proportions, to fit within
    // the margin; never enlarged, never smaller than one pixel.
    static PixelSize Fit(PixelSize picture, PixelSize cell);

private:
    int RowLeft(size_t row) const;

    PixelSize m_cell;
    int m_captionHeight;
    int m_rowHeight;
    size_t m_count;
    int m_areaWidth;
    int m_columns;
};

} // namespace quorlex
