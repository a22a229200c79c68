#pragma once

#include <QList>
#include <QPair>

class TPlay;

// Data of the category tree's nodes: a category's id, or one of the roots.
namespace TreeNode {
constexpr int PlaylistRoot = -1; // "Playlist": the user's categories (kind 0)
constexpr int SystemRoot = -2;   // "System Category": kind 1
constexpr int None = -3;         // nothing selected
} // namespace TreeNode

// Actions that follow the tree's selection.
struct TreeActionStates {
    bool newCategory = false;
    bool rename = false;
    bool remove = false;
    bool view = false;
    bool operator==(const TreeActionStates&) const = default;
};
// The selected node (a TreeNode value or a category id) decides: a root offers
// a new category under "Playlist" only; a category offers a new sibling under
// "Playlist", renaming and deleting when it is a user category that is not
// fixed, and showing it always.
TreeActionStates TreeSelectionStates(const TPlay& play, int node);

// Actions that follow the song list's selection.
struct ListActionStates {
    bool remove = false;  // also copy address, copy file, property, scroll up and down
    bool hotKey = false;  // the hot-key editor: exactly one row
    bool save = false;    // the list has rows
    bool operator==(const ListActionStates&) const = default;
};
ListActionStates ListSelectionStates(int selectedRows, int rows);

// Drag rules. `treeCategory` is the category selected in the tree, `shown`
// the one the list shows.
// Song rows over a row of the list: the row exists and is not selected, and
// the tree's category takes changes.
bool AcceptRowsOnRow(const TPlay& play, int treeCategory, int targetRow, bool targetSelected, int rows);
// Song rows over a node: a writable category other than the shown one.
bool AcceptRowsOnNode(const TPlay& play, int node, int shown);
// A category node over another node: the dragged one is a writable user
// category, the target a different writable category. Roots are never
// dragged: they hold no songs of their own.
bool AcceptNodeOnNode(const TPlay& play, int dragged, int target);
// A category node over the list: the dragged one is writable and not the
// shown one.
bool AcceptNodeOnList(const TPlay& play, int dragged, int shown);

// The store's MoveSong calls (from, to) that bring the selected rows (in list
// order) to position `target`, keeping their order: moving down, the block
// ends at `target`; moving up, it starts there. Each pair is taken from the
// positions as they are when that call runs.
QList<QPair<int, int>> RowMoves(const QList<int>& selected, int target);
// Where "Scroll Up" moves the selection: one above its first row; -1 when
// the first row is selected.
int ScrollUpTarget(const QList<int>& selected);
// Where "Scroll Down" moves it: the first unselected row at or after its first
// row; -1 when the selection reaches the end.
int ScrollDownTarget(const QList<int>& selected, int rows);
