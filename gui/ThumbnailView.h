#pragma once

#include "imagetools/RgbImage.h"
#include "imagetools/ThumbnailText.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

class QPainter;

namespace quorlex {

class ThumbnailGrid;
struct ThumbnailBatch;

// Thumbnails of image files in cells of one size, rows centred, each with its file name under
// it and the file's sizes as its tool tip. The pictures are decoded at their thumbnail size on a
// thread pool, the visible ones first, and painted as they arrive; a file that cannot be read
// (within the JPEG decoder's limits) shows a marked tile that says why.
class ThumbnailView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ThumbnailView(QWidget* parent = nullptr);
    ~ThumbnailView() override;

    // The files to show and the one selected; loading starts once the view is shown.
    void SetFiles(const QStringList& paths, PixelSize cell, std::optional<int> selected);
    void SetCellSize(PixelSize cell);
    // Drops the pictures not decoded yet without waiting: running decodes stop at their next
    // scan or rows, and what they still produce is thrown away.
    void Stop();

    std::optional<int> selected() const { return m_selected; }
    int loadedCount() const { return m_loaded; }
    int count() const { return static_cast<int>(m_paths.size()); }
    // The cell of a thumbnail in viewport coordinates.
    QRect CellRect(int index) const;
    const QImage& thumbnail(int index) const { return m_tiles[index].image; }
    const ThumbnailTexts& texts(int index) const { return m_tiles[index].texts; }

signals:
    void selectionChanged(int index);
    void activated(int index);
    void thumbnailReady(int index);
    void allLoaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    struct Tile {
        QImage image;
        ThumbnailTexts texts;
    };

    int CaptionHeight() const;
    void PaintTile(QPainter& painter, int index);
    ThumbnailGrid Grid() const;
    std::optional<int> IndexAt(const QPoint& point) const;
    void Relayout();
    void ScrollTo(int index);
    void StartLoading();
    void Deliver(const std::shared_ptr<ThumbnailBatch>& batch, int index, const QImage& image,
                 const ThumbnailFacts& facts);

    QStringList m_paths;
    QVector<Tile> m_tiles;
    PixelSize m_cell{400, 100};
    std::optional<int> m_selected;
    bool m_pendingStart = false;
    int m_loaded = 0;
    std::shared_ptr<ThumbnailBatch> m_batch; // the decodes under way, if any
};

} // namespace quorlex
