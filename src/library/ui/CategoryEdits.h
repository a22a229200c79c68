#pragma once

#include <QStringList>

struct FileManagerDrag;
class Messenger;
class TPlay;

// The file manager's changes of a category's songs that need no widget: the
// read-only refusal, one add batch with its messages, and what a drop on a
// category node means.
class CategoryEdits {
public:
    CategoryEdits(TPlay& play, Messenger& messenger) : play_(play), messenger_(messenger) {}

    // Shows "The current Category disallows the user modification." and
    // returns true when the category does not take the user's changes.
    bool RefuseReadOnly(int id) const;
    // One add batch of the files into the category; refused with the
    // read-only message, or while another batch runs with the busy message.
    void AddTo(int id, const QStringList& files) const;
    QStringList FilesOf(int id) const;
    // The files of some rows of a category (positions past its end are skipped).
    QStringList FilesOf(int id, const QList<int>& rows) const;

    // Rows or a category node dragged over a node, with `shown` the listed category.
    bool CanDropOnNode(const FileManagerDrag& drag, int node, int shown) const;
    // Adds the dragged rows' files, or all songs of the dragged category, to the node's.
    void DropOnNode(const FileManagerDrag& drag, int node) const;

private:
    TPlay& play_;
    Messenger& messenger_;
};
