#include "TFileForm.h"

#include "CategoryEdits.h"
#include "CategoryTree.h"
#include "FileClipboard.h"
#include "FileManagerDrag.h"
#include "FileManagerRules.h"
#include "HotKeyEditor.h"
#include "M3uWriter.h"
#include "Messenger.h"
#include "SongHotKeys.h"
#include "SongList.h"
#include "SongSearchBox.h"
#include "TOption.h"
#include "TPlay.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPointer>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

TFileForm::TFileForm(TFileFormContext context, QWidget* parent)
    : WorkPage(parent), actions(this), context_(std::move(context)), edits_(context_.play, context_.messenger) {
    setObjectName(QStringLiteral("TFileForm"));
    setWindowTitle(tr("File Management"));
    build();
    connectActions();
    // Shown alone (tests, or before the tool window lends its frame) the
    // shortcuts work inside the page itself.
    addActions(actions.All());
    context_.play.SetFileManager(this);
}

TFileForm::~TFileForm() {
    context_.play.SetFileManager(nullptr);
}

void TFileForm::build() {
    TreeView = new CategoryTree(this);
    TreeView->canDrop = [this](const FileManagerDrag& d, int node) { return CanDropOnNode(d, node); };
    TreeView->dropped = [this](const FileManagerDrag& d, int node) { DropOnNode(d, node); };
    TreeView->deletePressed = [this] { Delete(); };
    TreeView->focused = [this] { PaneFocused(Pane::Tree); };
    PopUpMenu(TreeView, actions.NewTreeMenu(this));
    connect(TreeView, &QTreeWidget::itemSelectionChanged, this, &TFileForm::treeSelectionChanged);
    connect(TreeView, &QTreeWidget::itemDoubleClicked, this, [this] { View(); });
    connect(TreeView, &QTreeWidget::itemChanged, this, &TFileForm::nodeRenamed);

    ListView = new SongList(this);
    ListView->canDrop = [this](const FileManagerDrag& d, int row) { return CanDropOnRow(d, row); };
    ListView->dropped = [this](const FileManagerDrag& d, int row) { DropOnRow(d, row); };
    ListView->deletePressed = [this] { Delete(); };
    ListView->focused = [this] { PaneFocused(Pane::List); };
    PopUpMenu(ListView, actions.NewListMenu(this));
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, &TFileForm::listSelectionChanged);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { Play(); });

    auto* search = new SongSearchBox(this);
    SearchEdit = search->Edit;
    FindButton = search->FindButton;
    connect(search, &SongSearchBox::find, this, &TFileForm::Find);
    auto* bottom = new QHBoxLayout;
    if (context_.hotKeys) {
        HotKeys = new HotKeyEditor(*context_.hotKeys, this);
        bottom->addWidget(HotKeys);
        connect(this, &TFileForm::songSelectionChanged, HotKeys, &HotKeyEditor::SetFile);
        connect(HotKeys, &HotKeyEditor::bindingChanged, this, &TFileForm::HotKeyChanged);
    }
    bottom->addStretch(1);
    bottom->addWidget(search);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(ListView, 1);
    rightLayout->addLayout(bottom);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(TreeView);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    toolStrip_ = actions.NewToolStrip(this, context_.run);
}

void TFileForm::connectActions() {
    const std::pair<QAction*, void (TFileForm::*)()> handlers[] = {
        {actions.NewClassAction, &TFileForm::NewClass}, {actions.RenameAction, &TFileForm::Rename},
        {actions.DeleteAction, &TFileForm::Delete},     {actions.AddSongAction, &TFileForm::AddSong},
        {actions.ViewAction, &TFileForm::View},         {actions.SaveAction, &TFileForm::Save},
        {actions.CopyAddrAction, &TFileForm::CopyAddr}, {actions.CopyFileAction, &TFileForm::CopyFile},
        {actions.PasteAction, &TFileForm::Paste},       {actions.UpScrollAction, &TFileForm::UpScroll},
        {actions.DownScrollAction, &TFileForm::DownScroll}, {actions.PropertyAction, &TFileForm::Property},
        {actions.ClearTopTenAction, &TFileForm::ClearTopTen}, {actions.UrlAction, &TFileForm::Url},
        {actions.PlayAction, &TFileForm::Play}};
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    connect(actions.AllAction, &QAction::triggered, ListView, &QTreeWidget::selectAll);
    connect(actions.CloseAction, &QAction::triggered, this, [this] { window()->close(); });
}

// --- tree and list ---

void TFileForm::BuildTree() {
    TreeView->Build(context_.play);
    if (QTreeWidgetItem* node = TreeView->NodeOf(TPlay::kDefaultId))
        TreeView->setCurrentItem(node);
    treeSelectionChanged();
}

void TFileForm::ShowCategory(int id) {
    const TPlayCategory* category = context_.play.Category(id);
    if (!category)
        return;
    TreeView->SetImage(shown_, CategoryTree::CategoryImage);
    shown_ = id;
    TreeView->SetImage(id, CategoryTree::ShownImage);
    ListView->category = id;
    counts_.Invalidate();
    ListView->Fill(category->Songs());
    listSelectionChanged();
    scanShownTags();
}

void TFileForm::scanShownTags() {
    // The scan lets events run between songs, so it starts from the event loop
    // rather than inside a handler of this window, which may be gone when it
    // returns. A scan of another category still running is waited out.
    if (scanQueued_)
        return;
    scanQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        scanQueued_ = false;
        if (context_.play.TagScanRunning()) {
            QTimer::singleShot(50, this, [this] { scanShownTags(); });
            return;
        }
        TPlay& play = context_.play;
        const int id = shown_;
        play.ScanTags(id); // nothing of this window is touched afterwards
    });
}

void TFileForm::treeSelectionChanged() {
    const TreeActionStates states = TreeSelectionStates(context_.play, TreeView->SelectedNode());
    actions.NewClassAction->setEnabled(states.newCategory);
    actions.RenameAction->setEnabled(states.rename);
    actions.ViewAction->setEnabled(states.view);
    if (pane_ == Pane::Tree)
        actions.DeleteAction->setEnabled(states.remove);
}

void TFileForm::listSelectionChanged() {
    const ListActionStates states = ListSelectionStates(static_cast<int>(ListView->SelectedRows().size()),
                                                        ListView->topLevelItemCount());
    if (pane_ == Pane::List)
        actions.DeleteAction->setEnabled(states.remove);
    for (QAction* action : {actions.CopyFileAction, actions.CopyAddrAction, actions.PropertyAction,
                            actions.UpScrollAction, actions.DownScrollAction})
        action->setEnabled(states.remove);
    actions.SaveAction->setEnabled(states.save);
    emit songSelectionChanged(states.hotKey ? ListView->SelectedFiles().value(0) : QString());
}

void TFileForm::PaneFocused(Pane pane) {
    pane_ = pane;
    actions.PasteAction->setEnabled(pane == Pane::List);
    if (pane == Pane::Tree)
        treeSelectionChanged();
    else
        listSelectionChanged();
}

void TFileForm::nodeRenamed(QTreeWidgetItem* item) {
    const int id = CategoryTree::DataOf(item);
    if (id < 0 || !context_.play.Category(id))
        return;
    const QString name = item->text(0);
    // Icons changing fire this too: only a new text is a rename.
    if (name == context_.play.GetCategoryProp(id, TPlay::PropName).toString())
        return;
    if (name.trimmed().isEmpty() || !TreeSelectionStates(context_.play, id).rename) {
        const QSignalBlocker block(TreeView);
        item->setText(0, context_.play.GetCategoryProp(id, TPlay::PropName).toString());
        return;
    }
    context_.play.SetCategoryProp(id, TPlay::PropName, name);
    context_.play.SaveDefaultList();
}

// --- the store's calls ---

void TFileForm::CategoryAdded(int id, const QString& name, int kind) {
    if (TreeView->topLevelItemCount() > 0) // else the tree is built later, with it
        TreeView->AddCategoryNode(id, name, kind);
}

void TFileForm::CategoryDeleted(int id) {
    TreeView->RemoveCategoryNode(id);
    // A list of songs that are gone shows DEFAULT instead.
    if (id == shown_) {
        shown_ = -1;
        ShowCategory(TPlay::kDefaultId);
    }
}

void TFileForm::SongAppended(int id, int position) {
    if (id != shown_)
        return;
    ListView->AppendSong(position + 1, context_.play.Category(id)->Song(position).FileName);
    actions.SaveAction->setEnabled(true);
}

void TFileForm::SongDeleted(int id, int position) {
    if (id == shown_)
        delete ListView->topLevelItem(position);
}

void TFileForm::SongMoved(int id, int from, int to) {
    if (id == shown_)
        ListView->MoveRow(from, to);
}

void TFileForm::SongChanged(int id, int position) {
    const TPlayCategory* category = context_.play.Category(id);
    if (id != shown_ || !category || position >= category->Count())
        return;
    const TPlayItem& song = category->Song(position);
    ListView->ShowSong(position, song, counts_.Count(context_.play, song.FileName),
                       context_.hotKeys ? context_.hotKeys->ShortcutTextOf(song.FileName) : QString());
}

void TFileForm::RowsRenumbered(int id) {
    if (id == shown_)
        ListView->Renumber();
}

void TFileForm::CategoryRebuilt(int id) {
    if (id == shown_)
        ShowCategory(id);
}

void TFileForm::AddBatchEnded(int id) {
    if (id == shown_)
        scanShownTags();
    else if (id == TPlay::kDefaultId)
        // The skin's play lists show DEFAULT's titles once its tags are read.
        QTimer::singleShot(0, &context_.play, [&play = context_.play] { play.ScanTags(TPlay::kDefaultId); });
}

void TFileForm::HotKeyChanged(const QString& file) {
    if (!context_.hotKeys)
        return;
    const QString shortcut = context_.hotKeys->ShortcutTextOf(file);
    for (int row = 0; row < ListView->topLevelItemCount(); ++row)
        if (ListView->FileOf(row).compare(file, Qt::CaseInsensitive) == 0)
            ListView->ShowShortcut(row, shortcut);
}

// --- page ---

void TFileForm::PageShown() {
    if (shown_ < 0)
        BuildTree();
    ShowCategory(TPlay::kDefaultId);
}

void TFileForm::PageClosed() {}

// --- actions ---

void TFileForm::renumber() {
    actions.SaveAction->setEnabled(ListView->topLevelItemCount() > 0);
    context_.play.Renumber(shown_ != TPlay::kDefaultId);
}

void TFileForm::NewClass() {
    const int node = TreeView->SelectedNode();
    const int kind = node >= 0 ? context_.play.GetCategoryProp(node, TPlay::PropKind).toInt() : 0;
    const int id = context_.play.AddCategory(tr("New Category"), kind);
    if (QTreeWidgetItem* item = TreeView->NodeOf(id)) {
        TreeView->setCurrentItem(item);
        TreeView->editItem(item);
    }
    context_.play.SaveDefaultList();
}

void TFileForm::Rename() {
    if (actions.RenameAction->isEnabled() && TreeView->currentItem())
        TreeView->editItem(TreeView->currentItem());
}

void TFileForm::Delete() {
    if (edits_.RefuseReadOnly(shown_))
        return;
    TPlay& play = context_.play;
    if (pane_ == Pane::Tree) {
        // DEFAULT, TOPTEN and the roots are never deleted, whichever way Delete came.
        const int node = TreeView->SelectedNode();
        if (!TreeSelectionStates(play, node).remove ||
            context_.messenger.ShowMessageBox(tr("Are you sure, Delete the Category?"),
                                              MsgBox::IconQuestion | MsgBox::OkCancel) != MsgBox::IdOk)
            return;
        play.DeleteCategory(node);
        ShowCategory(TPlay::kDefaultId);
        play.SaveDefaultList();
        return;
    }
    const QList<int> rows = ListView->SelectedRows();
    if (rows.isEmpty())
        return;
    const int focusedRow = ListView->currentIndex().row();
    ListView->setUpdatesEnabled(false);
    for (qsizetype i = rows.size() - 1; i >= 0; --i) {
        play.DeleteSong(shown_, rows[i], false);
        delete ListView->topLevelItem(rows[i]);
    }
    ListView->setUpdatesEnabled(true);
    ListView->SelectOnly(std::min(focusedRow, ListView->topLevelItemCount() - 1));
    ListView->setFocus();
    renumber();
}

void TFileForm::AddSong() {
    if (!edits_.RefuseReadOnly(shown_) && context_.addFilesDialog)
        context_.addFilesDialog(shown_);
}

void TFileForm::View() {
    const int node = TreeView->SelectedNode();
    if (node < 0)
        return;
    if (node == TPlay::kTopTenId)
        context_.play.RebuildTopTen();
    ShowCategory(node);
}

void TFileForm::Save() {
    const QString chosen = context_.messenger.Modal([&](DialogLayer& d) {
        return d.SaveFile(tr("Save Playlist"), context_.option.RecentFolder(), tr("Playlist(*.m3u) (*.m3u)"));
    });
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".m3u") : chosen;
    QString error;
    if (!SaveM3u(path, edits_.FilesOf(shown_), &error)) {
        context_.messenger.ShowMessageBox(tr("The play list could not be saved: ") + error, MsgBox::IconStop);
        return;
    }
    context_.option.SetRecentFolder(QFileInfo(path).absolutePath() + QLatin1Char('/'));
}

void TFileForm::CopyAddr() {
    QApplication::clipboard()->setText(CopyAddressText(ListView->SelectedFiles()));
}

void TFileForm::CopyFile() {
    const QStringList files = ListView->SelectedFiles();
    if (!files.isEmpty())
        QApplication::clipboard()->setMimeData(NewFileListMimeData(files));
}

void TFileForm::Paste() {
    if (const QMimeData* data = QApplication::clipboard()->mimeData())
        edits_.AddTo(shown_, FilesOfMimeData(*data));
}

void TFileForm::MoveRows(int t) {
    const QList<int> rows = ListView->SelectedRows();
    if (rows.isEmpty() || t < 0)
        return;
    for (const auto& [from, to] : RowMoves(rows, t))
        context_.play.MoveSong(shown_, from, to);
    if (const QList<int> moved = ListView->SelectedRows(); !moved.isEmpty())
        ListView->scrollToItem(ListView->topLevelItem(moved.first()));
    renumber();
}

void TFileForm::UpScroll() {
    MoveRows(ScrollUpTarget(ListView->SelectedRows()));
}

void TFileForm::DownScroll() {
    MoveRows(ScrollDownTarget(ListView->SelectedRows(), ListView->topLevelItemCount()));
}

void TFileForm::Property() {
    const QString file = ListView->SelectedFiles().value(0);
    if (!file.isEmpty())
        context_.run(QStringLiteral("#ID3,") + file);
}

void TFileForm::ClearTopTen() {
    if (context_.messenger.ShowMessageBox(tr("Are you sure, Clear TopTen?"),
                                          MsgBox::IconQuestion | MsgBox::OkCancel) != MsgBox::IdOk)
        return;
    context_.play.ClearPlayCounts();
    if (shown_ == TPlay::kTopTenId) {
        context_.play.RebuildTopTen();
        return;
    }
    for (int row = 0; row < ListView->topLevelItemCount(); ++row)
        ListView->topLevelItem(row)->setText(SongList::CountColumn, QStringLiteral("0"));
}

void TFileForm::Url() {
    if (!edits_.RefuseReadOnly(shown_) && context_.openUrl)
        context_.openUrl(shown_);
}

void TFileForm::Play() {
    const QString file = ListView->SelectedFiles().value(0);
    context_.run(file.isEmpty() ? QStringLiteral("#Play") : QStringLiteral("#Play,") + file);
}

void TFileForm::Find(const QString& text) {
    if (context_.searchComputer)
        context_.searchComputer(text);
}

// --- drags ---

bool TFileForm::CanDropOnNode(const FileManagerDrag& drag, int node) const {
    // Files from the desktop go to the shown category wherever they land.
    return drag.kind == FileManagerDrag::Files || edits_.CanDropOnNode(drag, node, shown_);
}

bool TFileForm::CanDropOnRow(const FileManagerDrag& drag, int row) const {
    switch (drag.kind) {
    case FileManagerDrag::Rows: {
        // Rows of this list only; the tree's selected category must take changes.
        const QTreeWidgetItem* item = ListView->topLevelItem(row);
        return drag.category == shown_ &&
               AcceptRowsOnRow(context_.play, TreeView->SelectedNode(), row, item && item->isSelected(),
                               ListView->topLevelItemCount());
    }
    case FileManagerDrag::Category:
        return AcceptNodeOnList(context_.play, drag.category, shown_);
    case FileManagerDrag::Files:
        return true;
    case FileManagerDrag::Link:
        return !context_.play.AddBusy() && context_.play.AcceptsUserFiles(shown_);
    case FileManagerDrag::Nothing:
        break;
    }
    return false;
}

void TFileForm::DropOnNode(const FileManagerDrag& drag, int node) {
    if (drag.kind == FileManagerDrag::Files)
        DropOnRow(drag, -1);
    else
        edits_.DropOnNode(drag, node);
}

void TFileForm::DropOnRow(const FileManagerDrag& drag, int row) {
    switch (drag.kind) {
    case FileManagerDrag::Rows:
        MoveRows(row);
        break;
    case FileManagerDrag::Category:
        edits_.AddTo(shown_, edits_.FilesOf(drag.category));
        break;
    case FileManagerDrag::Files:
        if (context_.dropFiles)
            context_.dropFiles(drag.files, shown_);
        break;
    case FileManagerDrag::Link:
        edits_.AddTo(shown_, {drag.link});
        break;
    case FileManagerDrag::Nothing:
        break;
    }
}
