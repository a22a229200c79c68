#pragma once

#include <QHash>
#include <QString>

class TPlay;

// The play counts as the file manager shows them in thousands of rows: the
// "count" file is read once and read again only when the player has changed
// a count since (or after Invalidate), instead of once per row.
class PlayCountCache {
public:
    int Count(const TPlay& play, const QString& fileName);
    // The next Count reads the file again (a category is shown anew, so edits
    // made by other programs are seen).
    void Invalidate() { valid_ = false; }

private:
    QHash<QString, int> counts_; // case-folded path -> count; the first key of a path counts
    int stamp_ = 0;
    bool valid_ = false;
};
