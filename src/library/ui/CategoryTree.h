#pragma once

#include <QTreeWidget>
#include <functional>

struct FileManagerDrag;
class TPlay;

// The file manager's tree of categories: "Playlist" (the user's categories)
// and "System Category" (kind 1) with one node per category; each node
// carries its category id, the roots TreeNode::PlaylistRoot and SystemRoot.
// A category node can be dragged; what may be dropped where is asked of the
// owner.
class CategoryTree : public QTreeWidget {
    Q_OBJECT
public:
    enum Image { CategoryImage = 0, ShownImage = 1, SystemImage = 2, PlaylistImage = 3 };

    explicit CategoryTree(QWidget* parent = nullptr);

    // The two roots and a node per category of kind 0 or 1, in store order,
    // all expanded.
    void Build(const TPlay& play);
    QTreeWidgetItem* AddCategoryNode(int id, const QString& name, int kind);
    void RemoveCategoryNode(int id);
    QTreeWidgetItem* NodeOf(int id) const;
    static int DataOf(const QTreeWidgetItem* item);
    // The selected node's data, TreeNode::None when nothing is selected.
    int SelectedNode() const;
    void SetImage(int id, Image image);

    // Whether a drag may be dropped on the node with this data, and the drop.
    std::function<bool(const FileManagerDrag&, int node)> canDrop;
    std::function<void(const FileManagerDrag&, int node)> dropped;
    std::function<void()> deletePressed;
    std::function<void()> focused;

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QIcon image(Image which) const;
    int nodeAt(const QPoint& position) const;
    bool accepts(QDropEvent* event);

    QTreeWidgetItem* playlistRoot_ = nullptr;
    QTreeWidgetItem* systemRoot_ = nullptr;
};

// The light cream of a list or tree that has the focus.
void ShowFocusColour(QWidget* view, bool focused);
