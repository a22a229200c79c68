#include "FileManagerRules.h"

#include "TPlay.h"

namespace {

const TPlayCategory* categoryOf(const TPlay& play, int node) {
    return node >= 0 ? play.Category(node) : nullptr;
}

bool writable(const TPlay& play, int node) {
    const TPlayCategory* category = categoryOf(play, node);
    return category && !category->ReadOnly;
}

} // namespace

TreeActionStates TreeSelectionStates(const TPlay& play, int node) {
    TreeActionStates states;
    if (node == TreeNode::PlaylistRoot) {
        states.newCategory = true;
        return states;
    }
    const TPlayCategory* category = categoryOf(play, node);
    if (!category)
        return states;
    // Categories of kind 0 hang under "Playlist"; only there can the user
    // make, rename or delete one.
    states.newCategory = category->Kind == 0;
    states.rename = states.remove = states.newCategory && !category->Fixed;
    states.view = true;
    return states;
}

ListActionStates ListSelectionStates(int selectedRows, int rows) {
    return {selectedRows > 0, selectedRows == 1, rows > 0};
}

bool AcceptRowsOnRow(const TPlay& play, int treeCategory, int targetRow, bool targetSelected, int rows) {
    return writable(play, treeCategory) && targetRow >= 0 && targetRow < rows && !targetSelected;
}

bool AcceptRowsOnNode(const TPlay& play, int node, int shown) {
    return writable(play, node) && node != shown;
}

bool AcceptNodeOnNode(const TPlay& play, int dragged, int target) {
    const TPlayCategory* source = categoryOf(play, dragged);
    return source && source->Kind == 0 && !source->ReadOnly && target != dragged && writable(play, target);
}

bool AcceptNodeOnList(const TPlay& play, int dragged, int shown) {
    return writable(play, dragged) && dragged != shown;
}

QList<QPair<int, int>> RowMoves(const QList<int>& selected, int target) {
    QList<QPair<int, int>> moves;
    if (selected.isEmpty() || target < 0)
        return moves;
    if (selected.first() > target) {
        // Upwards: the i-th row goes to target + i; the rows it passes move
        // down, which leaves the later (lower) selected rows where they are.
        for (int i = 0; i < selected.size(); ++i)
            if (selected[i] != target + i)
                moves.append({selected[i], target + i});
        return moves;
    }
    // Downwards: the rows above the target go to it one after another, each
    // pushing the previous one up by one, so the block ends at the target in
    // its order; rows below the target follow right after it.
    int above = 0;
    int below = 0;
    for (const int row : selected) {
        if (row <= target) {
            const int from = row - above++;
            if (from != target)
                moves.append({from, target});
        } else {
            const int to = target + 1 + below++;
            if (row != to)
                moves.append({row, to});
        }
    }
    return moves;
}

int ScrollUpTarget(const QList<int>& selected) {
    return !selected.isEmpty() && selected.first() > 0 ? selected.first() - 1 : -1;
}

int ScrollDownTarget(const QList<int>& selected, int rows) {
    if (selected.isEmpty())
        return -1;
    int row = selected.first();
    for (const int s : selected) {
        if (s != row)
            break;
        ++row;
    }
    return row < rows ? row : -1;
}
