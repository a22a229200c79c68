#pragma once

#include "CategoryEdits.h"
#include "FileFormActions.h"
#include "PlayCountCache.h"
#include "PlayListViews.h"
#include "WorkPage.h"

#include <functional>

class CategoryTree;
class HotKeyEditor;
class Messenger;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;
class SongHotKeys;
class SongList;
class TOption;
class TPlay;
struct FileManagerDrag;

// What the file manager works with.
struct TFileFormContext {
    TPlay& play;
    Messenger& messenger;
    TOption& option;                                   // the remembered folder
    std::function<void(const QString&)> run;           // "#Play,<file>", "#ID3,<file>", "#FileManage" ...
    std::function<void(int category)> openUrl;         // the add-URL window aimed at a category
    std::function<void(int category)> addFilesDialog;  // the open-files dialog into a category
    std::function<void(const QStringList&, int category)> dropFiles; // files dropped from the desktop
    std::function<void(const QString& pattern)> searchComputer;       // "Find": every local disk
    SongHotKeys* hotKeys = nullptr;                    // null: no hot-key column
};

// The "File Management" page of the tool window: the categories of the
// library in a tree, the songs of one of them in a list, and the ways to
// manage both. Every change goes through the store, which calls back
// (FileManagerSync) to keep the tree and the list in step; the window keeps
// no song data of its own.
class TFileForm : public WorkPage, public FileManagerSync {
    Q_OBJECT
public:
    explicit TFileForm(TFileFormContext context, QWidget* parent = nullptr);
    ~TFileForm() override;

    // The tree anew, DEFAULT selected.
    void BuildTree();
    // Lists the songs of a category and starts the scan of their tags.
    void ShowCategory(int id);

    // FileManagerSync
    int ShownCategory() const override { return shown_; }
    void CategoryAdded(int id, const QString& name, int kind) override;
    void CategoryDeleted(int id) override;
    void SongAppended(int id, int position) override;
    void SongDeleted(int id, int position) override;
    void SongMoved(int id, int from, int to) override;
    void SongChanged(int id, int position) override;
    void RowsRenumbered(int id) override;
    void CategoryRebuilt(int id) override;
    void AddBatchEnded(int id) override;

    // WorkPage
    QWidget* ToolStrip() override { return toolStrip_; }
    QList<QAction*> PageActions() override { return actions.All(); }
    void PageShown() override;
    void PageClosed() override;

    // A file's hot key was bound or unbound: its rows show it.
    void HotKeyChanged(const QString& file);

    // The rules as the window applies them (the drag handlers and tests use them).
    bool CanDropOnNode(const FileManagerDrag& drag, int node) const;
    bool CanDropOnRow(const FileManagerDrag& drag, int row) const;
    void DropOnNode(const FileManagerDrag& drag, int node);
    void DropOnRow(const FileManagerDrag& drag, int row);
    // Brings the selected rows to position t.
    void MoveRows(int t);
    // Which of the two panes counts as focused (what Delete acts on).
    enum class Pane { Tree, List };
    void PaneFocused(Pane pane);

    FileFormActions actions;
    CategoryTree* TreeView = nullptr;
    SongList* ListView = nullptr;
    QLineEdit* SearchEdit = nullptr;
    QPushButton* FindButton = nullptr;
    HotKeyEditor* HotKeys = nullptr; // null without a hot-key table

    // Action handlers, named as the actions.
    void NewClass();
    void Rename();
    void Delete();
    void AddSong();
    void View();
    void Save();
    void CopyAddr();
    void CopyFile();
    void Paste();
    void UpScroll();
    void DownScroll();
    void Property();
    void ClearTopTen();
    void Url();
    void Play();
    void Find(const QString& text);

signals:
    // The file of the one selected row, or empty when not exactly one row is
    // selected (the hot-key editor follows it).
    void songSelectionChanged(const QString& file);

private:
    void build();
    void connectActions();
    void treeSelectionChanged();
    void listSelectionChanged();
    void nodeRenamed(QTreeWidgetItem* item);
    void scanShownTags();
    void renumber();

    TFileFormContext context_;
    CategoryEdits edits_;
    PlayCountCache counts_;
    QWidget* toolStrip_ = nullptr;
    int shown_ = -1;
    Pane pane_ = Pane::List;
    bool scanQueued_ = false;
};
