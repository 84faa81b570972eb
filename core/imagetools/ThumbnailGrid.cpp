#include "imagetools/ThumbnailGrid.h"

#include <algorithm>

namespace quorlex {

ThumbnailGrid::ThumbnailGrid(int areaWidth, PixelSize cell, size_t count, int captionHeight)
    : m_cell(cell), m_captionHeight(std::max(0, captionHeight)), m_rowHeight(cell.height + m_captionHeight),
      m_count(count), m_areaWidth(areaWidth), m_columns(std::max(1, cell.width > 0 ? areaWidth / cell.width : 1)) {}

int ThumbnailGrid::RowLeft(size_t row) const {
    const size_t columns = static_cast<size_t>(m_columns);
    const size_t inRow = std::min(columns, m_count - row * columns);
    return std::max(0, (m_areaWidth - static_cast<int>(inRow) * m_cell.width) / 2);
}

CellRect ThumbnailGrid::Cell(size_t index) const {
    const size_t columns = static_cast<size_t>(m_columns);
    const size_t row = index / columns;
    const int column = static_cast<int>(index % columns);
    return {RowLeft(row) + column * m_cell.width, static_cast<int>(row) * m_rowHeight, m_cell.width, m_rowHeight};
}

CellRect ThumbnailGrid::Picture(size_t index) const {
    const CellRect cell = Cell(index);
    return {cell.x + kMargin, cell.y + kMargin, std::max(1, m_cell.width - 2 * kMargin),
            std::max(1, m_cell.height - 2 * kMargin)};
}

CellRect ThumbnailGrid::Caption(size_t index) const {
    const CellRect cell = Cell(index);
    return {cell.x + kMargin, cell.y + m_cell.height, std::max(1, m_cell.width - 2 * kMargin), m_captionHeight};
}

int ThumbnailGrid::height() const {
    const size_t columns = static_cast<size_t>(m_columns);
    return static_cast<int>((m_count + columns - 1) / columns) * m_rowHeight;
}

std::optional<size_t> ThumbnailGrid::CellAt(int x, int y) const {
    if (y < 0 || x < 0 || m_rowHeight <= 0 || m_cell.width <= 0)
        return std::nullopt;
    const size_t row = static_cast<size_t>(y / m_rowHeight);
    const size_t columns = static_cast<size_t>(m_columns);
    if (row * columns >= m_count)
        return std::nullopt;
    const int left = RowLeft(row);
    if (x < left)
        return std::nullopt;
    const size_t column = static_cast<size_t>((x - left) / m_cell.width);
    const size_t index = row * columns + column;
    if (column >= columns || index >= m_count)
        return std::nullopt;
    return index;
}

PixelSize ThumbnailGrid::Fit(PixelSize picture, PixelSize cell) {
    const int roomW = std::max(1, cell.width - 2 * kMargin);
    const int roomH = std::max(1, cell.height - 2 * kMargin);
    if (picture.width <= roomW && picture.height <= roomH)
        return picture;
    // Compare the two scale factors without rounding: w/roomW against h/roomH.
    const long long byWidth = static_cast<long long>(picture.width) * roomH;
    const long long byHeight = static_cast<long long>(picture.height) * roomW;
    PixelSize fitted;
    if (byWidth >= byHeight) {
        fitted.width = roomW;
        fitted.height = static_cast<int>(static_cast<long long>(picture.height) * roomW / picture.width);
    } else {
        fitted.height = roomH;
        fitted.width = static_cast<int>(static_cast<long long>(picture.width) * roomH / picture.height);
    }
    fitted.width = std::max(1, fitted.width);
    fitted.height = std::max(1, fitted.height);
    return fitted;
}

} // namespace quorlex
