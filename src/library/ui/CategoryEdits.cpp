#include "CategoryEdits.h"

#include "FileManagerDrag.h"
#include "FileManagerRules.h"
#include "Messenger.h"
#include "TPlay.h"

#include <QCoreApplication>

bool CategoryEdits::RefuseReadOnly(int id) const {
    if (play_.AcceptsUserFiles(id))
        return false;
    messenger_.ShowMessageBox(QCoreApplication::translate("TPlay", kReadOnlyCategoryMessage), MsgBox::IconStop);
    return true;
}

void CategoryEdits::AddTo(int id, const QStringList& files) const {
    if (files.isEmpty() || RefuseReadOnly(id))
        return;
    if (!play_.BeginAdd(id)) {
        messenger_.ShowMessageBox(QCoreApplication::translate("TPlay", kAddBusyMessage), MsgBox::IconInformation);
        return;
    }
    for (const QString& file : files)
        play_.AddFile(file);
    play_.EndAdd();
}

QStringList CategoryEdits::FilesOf(int id) const {
    QStringList files;
    if (const TPlayCategory* category = play_.Category(id))
        for (const TPlayItem& song : category->Songs())
            files << song.FileName;
    return files;
}

QStringList CategoryEdits::FilesOf(int id, const QList<int>& rows) const {
    QStringList files;
    if (const TPlayCategory* category = play_.Category(id))
        for (const int row : rows)
            if (row >= 0 && row < category->Count())
                files << category->Song(row).FileName;
    return files;
}

bool CategoryEdits::CanDropOnNode(const FileManagerDrag& drag, int node, int shown) const {
    switch (drag.kind) {
    case FileManagerDrag::Rows:
        return AcceptRowsOnNode(play_, node, shown);
    case FileManagerDrag::Category:
        return AcceptNodeOnNode(play_, drag.category, node);
    default:
        return false;
    }
}

void CategoryEdits::DropOnNode(const FileManagerDrag& drag, int node) const {
    if (drag.kind == FileManagerDrag::Rows)
        AddTo(node, FilesOf(drag.category, drag.rows));
    else if (drag.kind == FileManagerDrag::Category)
        AddTo(node, FilesOf(drag.category));
}
