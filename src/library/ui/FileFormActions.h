#pragma once

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QObject;
class QAbstractItemView;
class QWidget;

// The file manager's actions with their captions, shortcuts and first
// enabled states, and the menus and tool strip built from them.
struct FileFormActions {
    explicit FileFormActions(QObject* owner);

    QAction* NewClassAction;
    QAction* RenameAction;
    QAction* DeleteAction;
    QAction* AddSongAction;
    QAction* ViewAction;
    QAction* SaveAction;
    QAction* CopyAddrAction;
    QAction* CopyFileAction;
    QAction* PasteAction;
    QAction* UpScrollAction;
    QAction* DownScrollAction;
    QAction* AllAction;
    QAction* PropertyAction;
    QAction* ClearTopTenAction;
    QAction* UrlAction;
    QAction* PlayAction;
    QAction* CloseAction;

    QList<QAction*> All() const;
    // The song list's pop-up menu (play first, the default item) and the tree's.
    QMenu* NewListMenu(QWidget* parent) const;
    QMenu* NewTreeMenu(QWidget* parent) const;
    // The menu bar ("&File", "&Edit", "Vie&w" with the tool window's pages,
    // whose commands go to `runCommand`) above a tool bar.
    QWidget* NewToolStrip(QWidget* parent, const std::function<void(const QString&)>& runCommand) const;
};

// Pops the menu up where the view is right-clicked.
void PopUpMenu(QAbstractItemView* view, QMenu* menu);
