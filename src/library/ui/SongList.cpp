#include "SongList.h"

#include "CategoryTree.h"
#include "FileManagerDrag.h"
#include "SongTag.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>

SongList::SongList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("ListView"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setAllColumnsShowFocus(true);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(DragDrop);
    setHeaderLabels({QString(), tr("Title&FileName"), tr("Artist"), tr("Album"), QString(), tr("File"),
                     tr("Shortcut")});
    headerItem()->setTextAlignment(CountColumn, Qt::AlignRight);
    for (const auto& [column, width] : {std::pair{NumberColumn, 44}, {TitleColumn, 200}, {ArtistColumn, 100},
                                        {AlbumColumn, 100}, {CountColumn, 36}, {FileColumn, 260}})
        setColumnWidth(column, width);
}

namespace {
QTreeWidgetItem* newRow(int number, const QString& file) {
    auto* item = new QTreeWidgetItem({QString::number(number), file, QString(), QString(), QString(), file});
    item->setTextAlignment(SongList::CountColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

void SongList::Fill(const QList<TPlayItem>& songs) {
    setUpdatesEnabled(false);
    clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(songs.size());
    for (qsizetype i = 0; i < songs.size(); ++i)
        rows << newRow(static_cast<int>(i + 1), songs[i].FileName);
    addTopLevelItems(rows);
    setUpdatesEnabled(true);
}

void SongList::AppendSong(int number, const QString& file) {
    addTopLevelItem(newRow(number, file));
}

void SongList::ShowSong(int row, const TPlayItem& song, int playCount, const QString& shortcut) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    item->setText(TitleColumn, DisplayTitle(song));
    item->setText(ArtistColumn, TagText(song.Tag.Artist));
    item->setText(AlbumColumn, TagText(song.Tag.Album));
    item->setText(CountColumn, QString::number(playCount));
    ShowShortcut(row, shortcut);
}

void SongList::ShowShortcut(int row, const QString& shortcut) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    item->setText(ShortcutColumn, shortcut);
    // Rows whose file has a hot key carry the list's mark.
    item->setIcon(NumberColumn, shortcut.isEmpty() ? QIcon() : style()->standardIcon(QStyle::SP_MediaPlay));
}

void SongList::MoveRow(int from, int to) {
    if (from < 0 || to < 0 || from >= topLevelItemCount() || to >= topLevelItemCount())
        return;
    QTreeWidgetItem* item = takeTopLevelItem(from);
    insertTopLevelItem(to, item);
    item->setSelected(true);
}

void SongList::Renumber() {
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setText(NumberColumn, QString::number(row + 1));
}

QString SongList::FileOf(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(FileColumn) : QString();
}

QList<int> SongList::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList SongList::SelectedFiles() const {
    QStringList files;
    for (const int row : SelectedRows())
        files << FileOf(row);
    return files;
}

void SongList::SelectOnly(int row) {
    clearSelection();
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    }
}

void SongList::startDrag(Qt::DropActions) {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(FileManagerDrag::NewRowsData(category, rows, SelectedFiles()));
    // One page for one row, a stack for several.
    drag->setPixmap(style()
                        ->standardIcon(rows.size() > 1 ? QStyle::SP_FileDialogDetailedView : QStyle::SP_FileIcon)
                        .pixmap(24, 24));
    // Never offered as a move: a desktop file manager would move the song
    // files themselves out of their folder.
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

int SongList::rowAt(const QPoint& position) const {
    QTreeWidgetItem* item = itemAt(position);
    return item ? indexOfTopLevelItem(item) : -1;
}

bool SongList::accepts(QDropEvent* event) {
    const FileManagerDrag drag = FileManagerDrag::Read(*event->mimeData());
    const bool ok = canDrop && canDrop(drag, rowAt(event->position().toPoint()));
    if (ok) {
        event->setDropAction(drag.kind == FileManagerDrag::Link ? Qt::LinkAction : Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return ok;
}

void SongList::dragEnterEvent(QDragEnterEvent* event) {
    event->accept();
}

void SongList::dragMoveEvent(QDragMoveEvent* event) {
    accepts(event);
}

void SongList::dropEvent(QDropEvent* event) {
    if (!accepts(event))
        return;
    if (dropped)
        dropped(FileManagerDrag::Read(*event->mimeData()), rowAt(event->position().toPoint()));
}

void SongList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && deletePressed) {
        deletePressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void SongList::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    ShowFocusColour(this, true);
    if (focused)
        focused();
}

void SongList::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    ShowFocusColour(this, false);
}
