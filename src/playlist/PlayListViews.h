#pragma once

#include <QString>
#include <QStringList>

// A list view that mirrors category DEFAULT (the skin's play-list views). Each
// row is "<number>. <title>" (ListRowText). A view destroyed before the store
// unregisters itself first (TPlay::UnregisterListView).
class PlayListView {
public:
    virtual ~PlayListView() = default;
    // Replace every row and focus one (-1: none).
    virtual void SetRows(const QStringList& rows, int focusedRow) = 0;
    virtual void AppendRow(const QString& row) = 0;
    // Remove a row; a selection now past the end moves to the last row.
    virtual void RemoveRow(int row) = 0;
    virtual void SetRowText(int row, const QString& text) = 0;
    // The row's song could not be played in this pass (drawn apart), or no longer.
    virtual void SetRowFailed(int row, bool failed) {}
    // The current song moved to another row (-1: none): focus that row.
    virtual void SetCurrentRow(int row) = 0;
    // The store is going away: forget it (no more calls follow).
    virtual void Detach() {}
};

// What the store tells the file manager window while it is open. Song-level
// calls arrive only for the category the window shows (ShownCategory).
class FileManagerSync {
public:
    virtual ~FileManagerSync() = default;
    // Id of the category the window lists, -1 when none.
    virtual int ShownCategory() const = 0;
    // A category was created (kind 0: under the play-list root, 1: under the
    // system root) or deleted.
    virtual void CategoryAdded(int id, const QString& name, int kind) {}
    virtual void CategoryDeleted(int id) {}
    virtual void SongAppended(int id, int position) {}
    virtual void SongDeleted(int id, int position) {}
    // The row moved and is to be selected.
    virtual void SongMoved(int id, int from, int to) {}
    // Title, artist, album, play count or hot key of the row changed.
    virtual void SongChanged(int id, int position) {}
    // Rows are to be numbered 1..n again.
    virtual void RowsRenumbered(int id) {}
    // The shown category changed as a whole (cleared, TOPTEN rebuilt): rebuild its rows.
    virtual void CategoryRebuilt(int id) {}
    // An add batch into category id has ended: refresh the view of it (this
    // replaces the store's own tag scan of DEFAULT while the window exists).
    virtual void AddBatchEnded(int id) {}
};
