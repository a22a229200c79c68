#include "CategoryTree.h"

#include "FileManagerDrag.h"
#include "FileManagerRules.h"
#include "TPlay.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>

void ShowFocusColour(QWidget* view, bool focused) {
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, focused ? QColor(0xFF, 0xFB, 0xF0) : view->style()->standardPalette().color(QPalette::Base));
    view->setPalette(palette);
}

CategoryTree::CategoryTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("TreeView"));
    setColumnCount(1);
    header()->hide();
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(DragDrop);
}

QIcon CategoryTree::image(Image which) const {
    switch (which) {
    case ShownImage:
        return style()->standardIcon(QStyle::SP_DirOpenIcon);
    case SystemImage:
        return style()->standardIcon(QStyle::SP_ComputerIcon);
    case PlaylistImage:
        return style()->standardIcon(QStyle::SP_DirHomeIcon);
    case CategoryImage:
        break;
    }
    return style()->standardIcon(QStyle::SP_DirIcon);
}

void CategoryTree::Build(const TPlay& play) {
    clear();
    playlistRoot_ = new QTreeWidgetItem(this, {tr("Playlist")});
    playlistRoot_->setData(0, Qt::UserRole, TreeNode::PlaylistRoot);
    playlistRoot_->setIcon(0, image(PlaylistImage));
    systemRoot_ = new QTreeWidgetItem(this, {tr("System Category")});
    systemRoot_->setData(0, Qt::UserRole, TreeNode::SystemRoot);
    systemRoot_->setIcon(0, image(SystemImage));
    for (const TPlayCategory* category : play.Categories())
        AddCategoryNode(category->Id, category->Name, category->Kind);
    expandAll();
}

QTreeWidgetItem* CategoryTree::AddCategoryNode(int id, const QString& name, int kind) {
    QTreeWidgetItem* root = kind == 0 ? playlistRoot_ : kind == 1 ? systemRoot_ : nullptr;
    if (!root)
        return nullptr;
    auto* node = new QTreeWidgetItem(root, {name});
    node->setData(0, Qt::UserRole, id);
    node->setIcon(0, image(CategoryImage));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    root->setExpanded(true);
    return node;
}

void CategoryTree::RemoveCategoryNode(int id) {
    delete NodeOf(id);
}

QTreeWidgetItem* CategoryTree::NodeOf(int id) const {
    for (QTreeWidgetItem* root : {playlistRoot_, systemRoot_})
        for (int i = 0; root && i < root->childCount(); ++i)
            if (DataOf(root->child(i)) == id)
                return root->child(i);
    return nullptr;
}

int CategoryTree::DataOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toInt() : TreeNode::None;
}

int CategoryTree::SelectedNode() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? TreeNode::None : DataOf(items.first());
}

void CategoryTree::SetImage(int id, Image which) {
    if (QTreeWidgetItem* node = NodeOf(id))
        node->setIcon(0, image(which));
}

void CategoryTree::startDrag(Qt::DropActions) {
    const int node = SelectedNode();
    if (node < 0)
        return; // the roots hold no songs of their own
    auto* drag = new QDrag(this);
    drag->setMimeData(FileManagerDrag::NewCategoryData(node));
    drag->setPixmap(currentItem()->icon(0).pixmap(16, 16));
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

int CategoryTree::nodeAt(const QPoint& position) const {
    return DataOf(itemAt(position));
}

bool CategoryTree::accepts(QDropEvent* event) {
    const FileManagerDrag drag = FileManagerDrag::Read(*event->mimeData());
    const bool ok = canDrop && canDrop(drag, nodeAt(event->position().toPoint()));
    if (ok) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return ok;
}

void CategoryTree::dragEnterEvent(QDragEnterEvent* event) {
    // Entering is always taken, so that moves over other nodes are asked about.
    event->accept();
}

void CategoryTree::dragMoveEvent(QDragMoveEvent* event) {
    accepts(event);
}

void CategoryTree::dropEvent(QDropEvent* event) {
    if (!accepts(event))
        return;
    if (dropped)
        dropped(FileManagerDrag::Read(*event->mimeData()), nodeAt(event->position().toPoint()));
}

void CategoryTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && deletePressed) {
        deletePressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CategoryTree::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    ShowFocusColour(this, true);
    if (focused)
        focused();
}

void CategoryTree::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    ShowFocusColour(this, false);
}
