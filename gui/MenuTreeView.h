#pragma once

#include "menus/MenuTreeEdit.h"

#include <QTreeWidget>
#include <optional>

namespace quorlex {

// The editor tree: each item's caption, link and target in columns, the selected node in navy
// also without the focus, nodes dragged within the tree with a line where they will land, the
// outliner keys and a context menu. It changes nothing itself: drops, keys, double-clicks and
// menu entries go out as signals.
class MenuTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr const char* kNodeMimeType = "application/x-quorlex-menu-node";

    explicit MenuTreeView(QWidget* parent = nullptr);

    // Shows the tree. Nodes the user collapsed stay collapsed unless `expandEverything`.
    void Show(const MenuTree& tree, const std::optional<NodePath>& selected, bool expandEverything);
    void ExpandSelected();

    std::optional<NodePath> PathOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemAt(const NodePath& path) const;
    std::optional<NodePath> selectedPath() const;
    bool dropLineShown() const { return m_dropLine.has_value(); }
    // The press position in content coordinates, which a scroll does not change.
    int pressY() const { return m_pressY; }
    int ContentY(int viewportY) const;

signals:
    void dropped(std::optional<quorlex::NodePath> target, int pressY, int dropY);
    void addRequested();
    void editRequested();
    void deleteRequested();
    void moveRequested(quorlex::OutlineMove move);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowDropLine(const QPoint& at);
    void HideDropLine();
    void ShowContextMenu(const QPoint& at);
    int m_pressY = 0;
    std::optional<int> m_dropLine;
};

} // namespace quorlex
