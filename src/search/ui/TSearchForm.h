#pragma once

#include "WorkPage.h"

#include <QPointer>
#include <functional>

class Messenger;
class OptionsStore;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;
class QTreeView;
class SearchResultList;
class TPlay;
class TSearchThread;

// What the search page works with.
struct TSearchFormContext {
    TPlay& play;                                   // "Add to Playlist" goes into DEFAULT
    Messenger& messenger;
    OptionsStore& store;                           // [PATH] SEARCH, the folders last searched
    std::function<void(const QString&)> run;       // runs a command ("#Play,<file>")
    std::function<QString()> mediaTypes;           // "*.mp3;*.m3u;..." of the plug-ins
};

// The "File Search" page of the tool window: finds files by name patterns below
// folders on a worker thread, and plays, copies or adds what it found.
class TSearchForm : public WorkPage {
    Q_OBJECT
public:
    explicit TSearchForm(TSearchFormContext context, QWidget* parent = nullptr);
    ~TSearchForm() override;

    // Searches `folders` for `patterns` (the "Search:" field's syntax), as the
    // file manager's search field does; a running search is stopped first.
    void StartSearch(const QStringList& folders, const QString& patterns);
    // The folders the "Computer" place stands for: every mounted local file system.
    static QStringList ComputerFolders();

    bool Searching() const { return thread_ != nullptr; }
    // Stops a running search and waits until it has ended.
    void StopAndWait();

    QWidget* ToolStrip() override;
    QList<QAction*> PageActions() override;
    QList<QWidget*> StatusPanels() override;
    void PageShown() override;
    void PageClosed() override;

    // The form's parts, named as people who script it know them.
    QListWidget* Places = nullptr;
    QTreeView* ShellTreeView = nullptr;
    QLineEdit* FilterEdit = nullptr;
    QLineEdit* DirEdit = nullptr;
    QPushButton* SearchBtn = nullptr;
    SearchResultList* ListView = nullptr;
    QLabel* FolderPanel = nullptr;

    QAction* SearchAction = nullptr;
    QAction* StopAction = nullptr;
    QAction* PlayAction = nullptr;
    QAction* CopyAction = nullptr;
    QAction* AddAction = nullptr;
    QAction* AllFilterAction = nullptr;
    QAction* NetAction = nullptr;

    void Search();  // SearchAction
    void Stop();    // StopAction
    void Play();    // PlayAction
    void Copy();    // CopyAction
    void Add();     // AddAction
    void AllFilter(); // AllFilterAction

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildActions();
    void placeChosen(int row);
    void folderChosen(const QModelIndex& index);
    void searchDone();
    void updateActions();

    TSearchFormContext context_;
    QFileSystemModel* folders_ = nullptr;
    QToolBar* toolStrip_ = nullptr;
    TSearchThread* thread_ = nullptr;
    int search_ = 0; // number of the running or last search
};
