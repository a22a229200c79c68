#pragma once

#include <QTreeWidget>
#include <functional>

struct FileManagerDrag;
struct TPlayItem;

// The file manager's song list: one row per song of the shown category, in
// store order. Columns: number, "Title&FileName" (the path until the tag is
// read), "Artist", "Album", play count, "File" (what every action reads) and
// "Shortcut". Rows are dragged as their category and positions (and as a
// shell file list for the desktop); what may be dropped is asked of the owner.
class SongList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { NumberColumn = 0, TitleColumn, ArtistColumn, AlbumColumn, CountColumn, FileColumn, ShortcutColumn };

    explicit SongList(QWidget* parent = nullptr);

    // Replaces every row by the songs' paths (painting held).
    void Fill(const QList<TPlayItem>& songs);
    void AppendSong(int number, const QString& file);
    // Title, artist, album, play count and shortcut of a row whose tag was read.
    void ShowSong(int row, const TPlayItem& song, int playCount, const QString& shortcut);
    void ShowShortcut(int row, const QString& shortcut);
    void MoveRow(int from, int to);
    void Renumber();
    QString FileOf(int row) const;
    // Selected rows in list order.
    QList<int> SelectedRows() const;
    QStringList SelectedFiles() const;
    void SelectOnly(int row);

    // The category the rows belong to, for drags.
    int category = -1;
    std::function<bool(const FileManagerDrag&, int row)> canDrop;
    std::function<void(const FileManagerDrag&, int row)> dropped;
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
    int rowAt(const QPoint& position) const;
    bool accepts(QDropEvent* event);
};
