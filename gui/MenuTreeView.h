#pragma once

#include "menus/MenuTreeEdit.h"

#include <QTreeWidget>
#include <optional>

namespace quorlex {

// The editor tree: every node's text as stored, the selected node in navy also without the
// focus, nodes dragged within the tree, and the outliner keys. It changes nothing itself:
// drops and keys go out as signals.
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
    void keyPressEvent(QKeyEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_pressY = 0;
};

} // namespace quorlex
