// The file manager window through the real store, with a scripted dialog
// layer: the tree, the enabling rules, renaming, deleting, moving rows, the
// drag rules, the clipboard, saving a list and clearing the top ten.
#include "CategoryTree.h"
#include "FileClipboard.h"
#include "FileManagerDrag.h"
#include "FileManagerRules.h"
#include "HotKeyEditor.h"
#include "Messenger.h"
#include "OptionsStore.h"
#include "ScriptedDialogs.h"
#include "SongHotKeys.h"
#include "ShortKeySongs.h"
#include "SongList.h"
#include "TFileForm.h"
#include "TOption.h"
#include "TShortKey.h"
#include "TPlay.h"
#include "TempHome.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHash>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <memory>

namespace {

QByteArray Id3v1(const QByteArray& title, const QByteArray& artist, const QByteArray& album) {
    QByteArray block = "TAG" + title.leftJustified(30, '\0') + artist.leftJustified(30, '\0') +
                       album.leftJustified(30, '\0') + "2001" + QByteArray(30, '\0');
    block.append(static_cast<char>(12));
    return block;
}

struct TableHotKeys : SongHotKeys {
    QHash<QString, QString> keys; // lower-cased file -> shortcut text
    bool suspended = false;
    QString ShortcutTextOf(const QString& file) const override { return keys.value(file.toLower()); }
    void Bind(const QString& file, const QKeySequence& k) override { keys[file.toLower()] = k.toString(); }
    void Unbind(const QString& file) override { keys.remove(file.toLower()); }
    void Suspend(bool s) override { suspended = s; }
};

struct FileManager : ::testing::Test {
    TempHome home;
    OptionsStore store{home.file("Options.ini")};
    TOption option{store};
    TPlay play{&option};
    ScriptedDialogs dialogs;
    Messenger messenger{option, dialogs};
    TableHotKeys hotKeys;
    QStringList ran;
    QList<int> urlTargets, dialogTargets;
    QStringList searched;
    QList<QPair<QStringList, int>> drops;
    std::unique_ptr<TFileForm> form;

    void open(SongHotKeys* keys = nullptr) {
        form = std::make_unique<TFileForm>(TFileFormContext{
            play, messenger, option, [this](const QString& c) { ran << c; },
            [this](int id) { urlTargets << id; }, [this](int id) { dialogTargets << id; },
            [this](const QStringList& f, int id) { drops << qMakePair(f, id); },
            [this](const QString& p) { searched << p; }, keys ? keys : &hotKeys});
        form->resize(900, 500);
        form->show();
        form->PageShown();
    }
    QString song(const QString& name) { return home.write("music/" + name, "audio"); }
    QStringList add(int id, const QStringList& names) {
        QStringList files;
        EXPECT_TRUE(play.BeginAdd(id));
        for (const QString& name : names) {
            files << song(name);
            play.AddFile(files.last());
        }
        play.EndAdd();
        return files;
    }
    // Names of a category's songs in store order, and of the list's rows.
    QStringList names(int id) const {
        QStringList result;
        for (const TPlayItem& s : play.Category(id)->Songs())
            result << s.FileName.section('/', -1);
        return result;
    }
    QStringList rows() const {
        QStringList result;
        for (int i = 0; i < form->ListView->topLevelItemCount(); ++i)
            result << form->ListView->FileOf(i).section('/', -1);
        return result;
    }
    void select(const QList<int>& selected, int focused = -1) {
        form->PaneFocused(TFileForm::Pane::List);
        form->ListView->clearSelection();
        if (focused >= 0)
            form->ListView->setCurrentItem(form->ListView->topLevelItem(focused),
                                           0, QItemSelectionModel::NoUpdate);
        for (int row : selected)
            form->ListView->topLevelItem(row)->setSelected(true);
    }
    void selectNode(int node) {
        form->PaneFocused(TFileForm::Pane::Tree);
        QTreeWidgetItem* item = node >= 0 ? form->TreeView->NodeOf(node)
                                : node == TreeNode::PlaylistRoot ? form->TreeView->topLevelItem(0)
                                : node == TreeNode::SystemRoot   ? form->TreeView->topLevelItem(1)
                                                                 : nullptr;
        form->TreeView->clearSelection();
        if (item)
            form->TreeView->setCurrentItem(item);
    }
    void show(int id) {
        selectNode(id);
        form->actions.ViewAction->trigger();
    }
    QByteArray listFile() const { return home.read("default.lst"); }
};

TEST_F(FileManager, TreeShowsUserAndSystemCategoriesOnlyAndFollowsTheStore) {
    const int rock = play.AddCategory("Rock", 0);
    const int radio = play.PluginCreateClass("Radio");
    const int hidden = play.AddCategory("Hidden", 0);
    play.SetCategoryProp(hidden, TPlay::PropKind, 2);
    open();
    auto children = [&](int root) {
        QStringList names;
        for (int i = 0; i < form->TreeView->topLevelItem(root)->childCount(); ++i)
            names << form->TreeView->topLevelItem(root)->child(i)->text(0);
        return names;
    };
    EXPECT_EQ(form->TreeView->topLevelItem(0)->text(0), "Playlist");
    EXPECT_EQ(form->TreeView->topLevelItem(1)->text(0), "System Category");
    EXPECT_EQ(children(0), (QStringList{"DEFAULT", "Rock"}));
    EXPECT_EQ(children(1), (QStringList{"TOPTEN", "Radio"}));
    EXPECT_TRUE(form->TreeView->topLevelItem(0)->isExpanded() && form->TreeView->topLevelItem(1)->isExpanded());
    EXPECT_EQ(form->TreeView->SelectedNode(), TPlay::kDefaultId);
    EXPECT_EQ(form->ShownCategory(), TPlay::kDefaultId);

    // Categories made and removed by others (plug-ins) appear and go; the
    // list of one that goes shows DEFAULT instead.
    add(TPlay::kDefaultId, {"a.mp3"});
    show(rock);
    play.PluginCreateClass("Podcasts");
    play.DeleteCategory(rock);
    EXPECT_EQ(form->ShownCategory(), TPlay::kDefaultId);
    EXPECT_EQ(rows(), QStringList{"a.mp3"});
    EXPECT_EQ(children(0), QStringList{"DEFAULT"});
    EXPECT_EQ(children(1), (QStringList{"TOPTEN", "Radio", "Podcasts"}));
    (void)radio;
}

TEST_F(FileManager, TreeSelectionDecidesWhatCanBeDoneWithCategories) {
    const int mine = play.AddCategory("Mine", 0);
    const int plugin = play.PluginCreateClass("Radio");
    open();
    struct Case {
        const char* name;
        int node;
        TreeActionStates states; // new, rename, delete, view
    } cases[] = {
        {"nothing", TreeNode::None, {false, false, false, false}},
        {"Playlist root", TreeNode::PlaylistRoot, {true, false, false, false}},
        {"System root", TreeNode::SystemRoot, {false, false, false, false}},
        {"DEFAULT (fixed)", TPlay::kDefaultId, {true, false, false, true}},
        {"TOPTEN (fixed system)", TPlay::kTopTenId, {false, false, false, true}},
        {"a user category", mine, {true, true, true, true}},
        {"a plug-in category", plugin, {false, false, false, true}},
    };
    for (const Case& c : cases) {
        selectNode(c.node);
        const TreeActionStates shown{form->actions.NewClassAction->isEnabled(), form->actions.RenameAction->isEnabled(),
                                     form->actions.DeleteAction->isEnabled(), form->actions.ViewAction->isEnabled()};
        EXPECT_EQ(shown, c.states) << c.name;
        EXPECT_FALSE(form->actions.PasteAction->isEnabled()) << "the tree has the focus: " << c.name;
    }
}

TEST_F(FileManager, SongSelectionDecidesWhatCanBeDoneWithSongs) {
    open();
    QStringList hotKeyFiles;
    QObject::connect(form.get(), &TFileForm::songSelectionChanged, [&](const QString& f) { hotKeyFiles << f; });
    form->PaneFocused(TFileForm::Pane::List);
    EXPECT_FALSE(form->actions.SaveAction->isEnabled()) << "an empty list has nothing to save";
    EXPECT_TRUE(form->actions.PasteAction->isEnabled());
    const QStringList files = add(TPlay::kDefaultId, {"a.mp3", "b.mp3", "c.mp3"});
    struct Case {
        QList<int> selected;
        bool rowActions;
        QString hotKeyFile;
    } cases[] = {{{}, false, ""}, {{1}, true, files[1]}, {{0, 2}, true, ""}};
    for (const Case& c : cases) {
        hotKeyFiles.clear();
        select(c.selected);
        for (QAction* a : {form->actions.DeleteAction, form->actions.CopyFileAction, form->actions.CopyAddrAction,
                           form->actions.PropertyAction, form->actions.UpScrollAction, form->actions.DownScrollAction})
            EXPECT_EQ(a->isEnabled(), c.rowActions) << a->objectName().toStdString() << " with " << c.selected.size();
        EXPECT_TRUE(form->actions.SaveAction->isEnabled());
        EXPECT_EQ(hotKeyFiles.value(hotKeyFiles.size() - 1), c.hotKeyFile) << c.selected.size() << " rows";
    }
}

TEST_F(FileManager, RowsShowPathsUntilTheTagScanReadsTitles) {
    const QString tagged = home.write("music/t.mp3", "audio" + Id3v1("Sky", "Ann", "Blue"));
    const QString plain = song("plain.mp3");
    hotKeys.keys[tagged.toLower()] = "Ctrl+Alt+K";
    open();
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(tagged);
    play.AddFile(plain);
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(SongList::TitleColumn), tagged) << "the path at first";
    play.EndAdd();
    QTreeWidgetItem* row = form->ListView->topLevelItem(0);
    ASSERT_TRUE(WaitFor([&] { return row->text(SongList::TitleColumn) == "Sky"; }));
    EXPECT_EQ(row->text(SongList::NumberColumn), "1");
    EXPECT_EQ(row->text(SongList::ArtistColumn), "Ann");
    EXPECT_EQ(row->text(SongList::AlbumColumn), "Blue");
    EXPECT_EQ(row->text(SongList::CountColumn), "0");
    EXPECT_EQ(row->text(SongList::FileColumn), tagged);
    EXPECT_EQ(row->text(SongList::ShortcutColumn), "Ctrl+Alt+K");
    EXPECT_FALSE(row->icon(SongList::NumberColumn).isNull()) << "hot-key rows are marked";
    ASSERT_TRUE(WaitFor([&] { return form->ListView->topLevelItem(1)->text(SongList::TitleColumn) == "plain.mp3"; }));
    EXPECT_TRUE(form->ListView->topLevelItem(1)->icon(SongList::NumberColumn).isNull());
}

TEST_F(FileManager, SongsWhoseTagsWereReadBeforeTheWindowOpenedShowTheirTitles) {
    // The player scans DEFAULT at start for the skin's play list; the file
    // manager opened later still shows those titles.
    const QString tagged = home.write("music/t.mp3", "audio" + Id3v1("Sky", "Ann", "Blue"));
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(tagged);
    play.EndAdd();
    ASSERT_TRUE(play.Default().Song(0).TagRead);
    open();
    EXPECT_TRUE(WaitFor([&] { return form->ListView->topLevelItem(0)->text(SongList::TitleColumn) == "Sky"; }));
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(SongList::ArtistColumn), "Ann");
}

TEST_F(FileManager, RenameStoresTheNameAndSavesButFixedCategoriesKeepTheirs) {
    const int mine = play.AddCategory("Mine", 0);
    open();
    selectNode(mine);
    form->actions.RenameAction->trigger(); // F2: the name is edited in place
    auto* editor = form->TreeView->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setText("Evening");
    QTest::keyClick(editor, Qt::Key_Return);
    WaitFor([&] { return !form->TreeView->viewport()->findChild<QLineEdit*>(); }, 1000); // committed when events run
    EXPECT_EQ(play.GetCategoryProp(mine, TPlay::PropName).toString(), "Evening");
    EXPECT_TRUE(listFile().contains("Evening"));

    selectNode(TPlay::kDefaultId);
    form->actions.RenameAction->trigger();
    EXPECT_FALSE(form->TreeView->viewport()->findChild<QLineEdit*>()) << "no editing of a fixed category";
    form->TreeView->NodeOf(TPlay::kDefaultId)->setText(0, "Other");
    EXPECT_EQ(play.GetCategoryProp(TPlay::kDefaultId, TPlay::PropName).toString(), "DEFAULT");
    EXPECT_EQ(form->TreeView->NodeOf(TPlay::kDefaultId)->text(0), "DEFAULT");
}

TEST_F(FileManager, NewCategoryIsMadeUnderPlaylistAndSaved) {
    open();
    selectNode(TreeNode::PlaylistRoot);
    form->actions.NewClassAction->trigger();
    const int id = play.NextCategoryId() - 1;
    EXPECT_EQ(play.GetCategoryProp(id, TPlay::PropName).toString(), "New Category");
    EXPECT_EQ(play.GetCategoryProp(id, TPlay::PropKind).toInt(), 0);
    EXPECT_EQ(form->TreeView->SelectedNode(), id);
    EXPECT_TRUE(listFile().contains("New Category"));
}

TEST_F(FileManager, DeletingACategoryAsksAndIsRefusedWhileTopTenIsShown) {
    const int mine = play.AddCategory("Mine", 0);
    open();
    add(mine, {"m.mp3"});
    show(mine);

    selectNode(mine);
    dialogs.answer = MsgBox::IdCancel;
    form->actions.DeleteAction->trigger();
    EXPECT_TRUE(play.Category(mine)) << "Cancel keeps it";
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure, Delete the Category?");
    EXPECT_EQ(dialogs.shown[0].flags, MsgBox::IconQuestion | MsgBox::OkCancel);

    dialogs.answer = MsgBox::IdOk;
    form->actions.DeleteAction->trigger();
    EXPECT_FALSE(play.Category(mine));
    EXPECT_FALSE(form->TreeView->NodeOf(mine));
    EXPECT_EQ(form->ShownCategory(), TPlay::kDefaultId);
    EXPECT_FALSE(listFile().contains("Mine"));

    // The check is on the shown category: with TOPTEN shown nothing is deleted.
    const int other = play.AddCategory("Other", 0);
    show(TPlay::kTopTenId);
    selectNode(other);
    dialogs.shown.clear();
    form->Delete();
    EXPECT_TRUE(play.Category(other));
    EXPECT_EQ(dialogs.messages(), QStringList{"The current Category disallows the user modification."});
    EXPECT_EQ(dialogs.shown[0].flags, MsgBox::IconStop);

    // The Delete key on DEFAULT's node asks nothing and deletes nothing.
    show(TPlay::kDefaultId);
    selectNode(TPlay::kDefaultId);
    dialogs.shown.clear();
    form->Delete();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(play.Category(TPlay::kDefaultId));
}

TEST_F(FileManager, DeletingRowsRenumbersSavesAndKeepsTheCurrentSong) {
    open();
    const QStringList files = add(TPlay::kDefaultId, {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"});
    play.Current().FileName = files[3];
    play.SetCurrentIndex(3);
    select({1, 2}, 2);
    form->actions.DeleteAction->trigger();
    EXPECT_EQ(names(TPlay::kDefaultId), (QStringList{"a.mp3", "d.mp3", "e.mp3"}));
    EXPECT_EQ(rows(), names(TPlay::kDefaultId));
    EXPECT_EQ(form->ListView->topLevelItem(2)->text(SongList::NumberColumn), "3");
    EXPECT_EQ(form->ListView->SelectedRows(), QList<int>{2}) << "the row now at the focused index";
    EXPECT_EQ(option.CurrentIndex(), 1) << "the playing song moved up";
    EXPECT_FALSE(listFile().contains("b.mp3"));

    // Deleting the last rows selects the new last row.
    select({1, 2}, 2);
    form->actions.DeleteAction->trigger();
    EXPECT_EQ(rows(), QStringList{"a.mp3"});
    EXPECT_EQ(form->ListView->SelectedRows(), QList<int>{0});
    EXPECT_EQ(option.CurrentIndex(), -1);

    // Songs of TOPTEN are not deleted.
    show(TPlay::kTopTenId);
    dialogs.shown.clear();
    form->Delete();
    EXPECT_EQ(dialogs.messages(), QStringList{"The current Category disallows the user modification."});
}

TEST_F(FileManager, RowsMoveUpDownAndByDragAndTheStoreFollows) {
    open();
    add(TPlay::kDefaultId, {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"});
    struct Case {
        const char* name;
        QList<int> selected;
        std::function<void()> act;
        QStringList order;
    } cases[] = {
        {"scroll up", {2, 3}, [&] { form->actions.UpScrollAction->trigger(); }, {"a", "c", "d", "b", "e"}},
        {"scroll up at the top does nothing", {0}, [&] { form->actions.UpScrollAction->trigger(); },
         {"a", "c", "d", "b", "e"}},
        {"scroll down", {0, 1}, [&] { form->actions.DownScrollAction->trigger(); }, {"d", "a", "c", "b", "e"}},
        {"scroll down at the end does nothing", {3, 4}, [&] { form->actions.DownScrollAction->trigger(); },
         {"d", "a", "c", "b", "e"}},
        {"drag down onto a row", {0, 1}, [&] { form->MoveRows(3); }, {"c", "b", "d", "a", "e"}},
        {"drag up onto a row", {3, 4}, [&] { form->MoveRows(0); }, {"a", "e", "c", "b", "d"}},
    };
    for (const Case& c : cases) {
        select(c.selected);
        c.act();
        QStringList expected;
        for (const QString& n : c.order)
            expected << n + ".mp3";
        EXPECT_EQ(names(TPlay::kDefaultId), expected) << c.name;
        EXPECT_EQ(rows(), expected) << c.name;
        EXPECT_EQ(form->ListView->SelectedFiles().size(), c.selected.size()) << c.name << ": still selected";
    }
    EXPECT_EQ(form->ListView->topLevelItem(4)->text(SongList::NumberColumn), "5");
    EXPECT_TRUE(listFile().contains("d.mp3"));
}

TEST_F(FileManager, EachDragRuleAcceptsAndRefuses) {
    const int mine = play.AddCategory("Mine", 0);
    const int locked = play.AddCategory("Locked", 0);
    play.SetCategoryProp(locked, TPlay::PropReadOnly, true);
    const int plugin = play.PluginCreateClass("Radio");
    open();
    add(TPlay::kDefaultId, {"a.mp3", "b.mp3", "c.mp3"});
    add(mine, {"m.mp3"});
    show(TPlay::kDefaultId);
    select({0, 1});
    auto rowsDrag = FileManagerDrag::Read(*std::unique_ptr<QMimeData>(
        FileManagerDrag::NewRowsData(TPlay::kDefaultId, {0, 1}, form->ListView->SelectedFiles())));
    auto nodeDrag = [](int id) {
        return FileManagerDrag::Read(*std::unique_ptr<QMimeData>(FileManagerDrag::NewCategoryData(id)));
    };
    struct Case {
        const char* name;
        bool accepted;
        bool actual;
    } cases[] = {
        {"rows onto an unselected row", true, form->CanDropOnRow(rowsDrag, 2)},
        {"rows onto a selected row", false, form->CanDropOnRow(rowsDrag, 1)},
        {"rows below the last row", false, form->CanDropOnRow(rowsDrag, -1)},
        {"rows onto a user category", true, form->CanDropOnNode(rowsDrag, mine)},
        {"rows onto their own category", false, form->CanDropOnNode(rowsDrag, TPlay::kDefaultId)},
        {"rows onto TOPTEN", false, form->CanDropOnNode(rowsDrag, TPlay::kTopTenId)},
        {"rows onto a read-only category", false, form->CanDropOnNode(rowsDrag, locked)},
        {"rows onto a root", false, form->CanDropOnNode(rowsDrag, TreeNode::PlaylistRoot)},
        {"a user category onto DEFAULT", true, form->CanDropOnNode(nodeDrag(mine), TPlay::kDefaultId)},
        {"a category onto itself", false, form->CanDropOnNode(nodeDrag(mine), mine)},
        {"a category onto TOPTEN", false, form->CanDropOnNode(nodeDrag(mine), TPlay::kTopTenId)},
        {"TOPTEN onto a category", false, form->CanDropOnNode(nodeDrag(TPlay::kTopTenId), mine)},
        {"a plug-in category onto a category", false, form->CanDropOnNode(nodeDrag(plugin), mine)},
        {"a read-only category onto a category", false, form->CanDropOnNode(nodeDrag(locked), mine)},
        {"a category onto the list", true, form->CanDropOnRow(nodeDrag(mine), 0)},
        {"the shown category onto the list", false, form->CanDropOnRow(nodeDrag(TPlay::kDefaultId), 0)},
        {"a read-only category onto the list", false, form->CanDropOnRow(nodeDrag(TPlay::kTopTenId), 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.accepted) << c.name;

    // The drops themselves: rows onto a node add their files there; a node
    // onto the list adds all its songs to the shown category.
    form->DropOnNode(rowsDrag, mine);
    EXPECT_EQ(names(mine), (QStringList{"m.mp3", "a.mp3", "b.mp3"}));
    form->DropOnRow(nodeDrag(mine), 0);
    EXPECT_EQ(names(TPlay::kDefaultId), (QStringList{"a.mp3", "b.mp3", "c.mp3", "m.mp3"}));
    EXPECT_EQ(rows(), names(TPlay::kDefaultId));
    EXPECT_TRUE(listFile().contains("m.mp3"));
}

TEST_F(FileManager, DesktopFilesAndBrowserLinksGoToTheShownCategory) {
    const int mine = play.AddCategory("Mine", 0);
    open();
    show(mine);
    const QString outside = home.write("desk/x.mp3", "audio");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(outside)});
    const FileManagerDrag fileDrag = FileManagerDrag::Read(files);
    ASSERT_TRUE(form->CanDropOnNode(fileDrag, TPlay::kTopTenId)) << "wherever they land";
    form->DropOnNode(fileDrag, TPlay::kTopTenId);
    ASSERT_TRUE(form->CanDropOnRow(fileDrag, -1));
    form->DropOnRow(fileDrag, -1);
    EXPECT_EQ(drops, (QList<QPair<QStringList, int>>{{{outside}, mine}, {{outside}, mine}}));

    QMimeData link;
    link.setText("http://radio.example/live");
    const FileManagerDrag linkDrag = FileManagerDrag::Read(link);
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    EXPECT_FALSE(form->CanDropOnRow(linkDrag, -1)) << "not while a batch runs";
    play.EndAdd();
    ASSERT_TRUE(form->CanDropOnRow(linkDrag, -1));
    form->DropOnRow(linkDrag, -1);
    EXPECT_EQ(names(mine), QStringList{"live"});
    show(TPlay::kTopTenId);
    EXPECT_FALSE(form->CanDropOnRow(linkDrag, -1)) << "nor onto TOPTEN";
}

TEST_F(FileManager, CopyAndPasteGoThroughTheClipboardInShellForms) {
    const int mine = play.AddCategory("Mine", 0);
    open();
    const QStringList files = add(TPlay::kDefaultId, {"a.mp3", "b.mp3", "c.mp3"});
    select({0, 2});
    form->actions.CopyAddrAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "\r\n" + files[0] + "\r\n" + files[2]);
    form->actions.CopyFileAction->trigger();
    EXPECT_EQ(FilesOfMimeData(*QApplication::clipboard()->mimeData()), (QStringList{files[0], files[2]}));

    // What a desktop file manager copies: a uri-list.
    const QString outside = home.write("desk/new song.mp3", "audio");
    auto* data = new QMimeData;
    data->setData("text/uri-list", QUrl::fromLocalFile(outside).toEncoded() + "\r\n");
    QApplication::clipboard()->setMimeData(data);
    show(mine);
    form->PaneFocused(TFileForm::Pane::List);
    form->actions.PasteAction->trigger();
    EXPECT_EQ(names(mine), QStringList{"new song.mp3"});
    EXPECT_EQ(rows(), QStringList{"new song.mp3"});

    // Pasting into TOPTEN is refused.
    show(TPlay::kTopTenId);
    form->Paste();
    EXPECT_EQ(dialogs.messages(), QStringList{"The current Category disallows the user modification."});
    EXPECT_EQ(play.TopTen().Count(), 0);
}

TEST_F(FileManager, AddWhileABatchRunsShowsTheBusyMessage) {
    open();
    add(TPlay::kDefaultId, {"a.mp3"});
    const int mine = play.AddCategory("Mine", 0);
    select({0});
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    form->DropOnNode(FileManagerDrag::Read(*std::unique_ptr<QMimeData>(
                         FileManagerDrag::NewRowsData(TPlay::kDefaultId, {0}, {}))),
                     mine);
    play.EndAdd();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "File was processing, was unable to respond. please try again soon.");
    EXPECT_EQ(dialogs.shown[0].flags, MsgBox::IconInformation);
    EXPECT_EQ(play.Category(mine)->Count(), 0);
}

TEST_F(FileManager, SaveListWritesTheCategoryAsM3u) {
    open();
    const QStringList files = add(TPlay::kDefaultId, {"a.mp3", "Ünï 歌.mp3"});
    option.SetRecentFolder(home.path());
    dialogs.file = home.path() + "lists/mine"; // no extension typed
    QDir(home.path()).mkpath("lists");
    form->actions.SaveAction->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Save Playlist");
    EXPECT_EQ(dialogs.lastFolder, home.path());
    EXPECT_TRUE(dialogs.lastFilter.contains("*.m3u"));
    EXPECT_EQ(home.read("lists/mine.m3u"), (files[0] + "\n" + files[1] + "\n").toUtf8());
    EXPECT_EQ(option.RecentFolder(), home.path() + "lists/");

    // A list that cannot be written is reported, not passed over.
    dialogs.file = home.path() + "no/such/folder/x.m3u";
    form->Save();
    EXPECT_EQ(dialogs.messages().size(), 1);
}

TEST_F(FileManager, ClearTopTenAsksThenErasesTheCounts) {
    open();
    const QStringList files = add(TPlay::kDefaultId, {"a.mp3", "b.mp3"});
    play.IncPlayCount(files[0]);
    play.IncPlayCount(files[0]);
    ASSERT_TRUE(WaitFor([&] { return form->ListView->topLevelItem(0)->text(SongList::CountColumn) == "2"; }));

    dialogs.answer = MsgBox::IdCancel;
    form->actions.ClearTopTenAction->trigger();
    EXPECT_EQ(play.GetPlayCount(files[0]), 2);
    EXPECT_EQ(dialogs.shown.value(0).text, "Are you sure, Clear TopTen?");

    dialogs.answer = MsgBox::IdOk;
    form->actions.ClearTopTenAction->trigger();
    EXPECT_EQ(play.GetPlayCount(files[0]), 0);
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(SongList::CountColumn), "0");

    play.IncPlayCount(files[1]);
    show(TPlay::kTopTenId);
    EXPECT_EQ(rows(), QStringList{"b.mp3"}) << "TOPTEN is rebuilt when shown";
    form->actions.ClearTopTenAction->trigger();
    EXPECT_TRUE(rows().isEmpty()) << "and again once cleared";
    EXPECT_EQ(play.TopTen().Count(), 0);
}

TEST_F(FileManager, PlayPropertyUrlAddAndFindHandTheWorkOn) {
    const int mine = play.AddCategory("Mine", 0);
    open();
    const QStringList files = add(mine, {"a.mp3", "b.mp3"});
    show(mine);
    select({});
    form->actions.PlayAction->trigger();
    select({1});
    emit form->ListView->itemDoubleClicked(form->ListView->topLevelItem(1), 1);
    form->actions.PropertyAction->trigger();
    EXPECT_EQ(ran, (QStringList{"#Play", "#Play," + files[1], "#ID3," + files[1]}));
    form->actions.UrlAction->trigger();
    form->actions.AddSongAction->trigger();
    EXPECT_EQ(urlTargets, QList<int>{mine}) << "the add-URL window aims at the shown category";
    EXPECT_EQ(dialogTargets, QList<int>{mine});
    form->SearchEdit->setText("*.ogg");
    form->FindButton->click();
    EXPECT_EQ(searched, QStringList{"*.ogg"});

    show(TPlay::kTopTenId);
    form->actions.AddSongAction->trigger();
    form->actions.UrlAction->trigger();
    EXPECT_EQ(dialogTargets, QList<int>{mine}) << "no dialog for TOPTEN";
    EXPECT_EQ(urlTargets, QList<int>{mine}) << "no add-URL window for TOPTEN";
    EXPECT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().value(1), "The current Category disallows the user modification.");
}

TEST_F(FileManager, HotKeyEditorBindsTheOneSelectedSong) {
    open();
    const QStringList files = add(TPlay::kDefaultId, {"A Song.mp3", "b.mp3"});
    hotKeys.keys[files[1].toLower()] = "Ctrl+Alt+B";
    HotKeyEditor& editor = *form->HotKeys;
    select({0, 1});
    EXPECT_FALSE(editor.KeyEdit->isEnabled() || editor.SetButton->isEnabled() || editor.CancelButton->isEnabled());
    select({1});
    ASSERT_TRUE(editor.SetButton->isEnabled());
    EXPECT_EQ(editor.KeyEdit->keySequence(), QKeySequence("Ctrl+Alt+B")) << "the song's current key";
    select({0});
    EXPECT_TRUE(editor.KeyEdit->keySequence().isEmpty());

    editor.KeyEdit->setKeySequence(QKeySequence("Ctrl+Shift+F9"));
    EXPECT_TRUE(hotKeys.suspended) << "typing a key does not fire the global keys";
    editor.SetButton->click();
    EXPECT_EQ(hotKeys.keys.value(files[0].toLower()), "Ctrl+Shift+F9") << "kept under the lower-cased path";
    QTreeWidgetItem* row = form->ListView->topLevelItem(0);
    EXPECT_EQ(row->text(SongList::ShortcutColumn), "Ctrl+Shift+F9");
    EXPECT_FALSE(row->icon(SongList::NumberColumn).isNull());

    editor.CancelButton->click();
    EXPECT_FALSE(hotKeys.keys.contains(files[0].toLower()));
    EXPECT_TRUE(editor.KeyEdit->keySequence().isEmpty());
    EXPECT_EQ(row->text(SongList::ShortcutColumn), "");
    EXPECT_TRUE(row->icon(SongList::NumberColumn).isNull());

    // "Set" with no key acts as "Cancel".
    select({1});
    editor.KeyEdit->clear();
    editor.SetButton->click();
    EXPECT_FALSE(hotKeys.keys.contains(files[1].toLower()));
}

TEST_F(FileManager, SongBindingsLiveInThePlayersHotKeyTable) {
    TShortKey table(store);
    ShortKeySongs songs(table);
    open(&songs);
    songs.SetWindow(form.get());
    const QStringList files = add(TPlay::kDefaultId, {"Loud Song.mp3", "b.mp3"});

    // Made in the list: the table holds it (the options window lists the
    // table) and it plays the file.
    songs.Bind(files[0], QKeySequence("Ctrl+Alt+F11"));
    const int index = table.IndexOfCommand(files[0].toLower());
    ASSERT_GE(index, 0);
    EXPECT_EQ(table.CommandToRun(index), "#Play," + files[0].toLower());
    EXPECT_EQ(songs.ShortcutTextOf(files[0]), "Ctrl+Alt+F11");
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(SongList::ShortcutColumn), "Ctrl+Alt+F11");

    // Made or removed elsewhere (the options window): the rows follow.
    table.AddShortCut(QKeySequence("Ctrl+Alt+F12"), true, files[1].toLower());
    EXPECT_EQ(form->ListView->topLevelItem(1)->text(SongList::ShortcutColumn), "Ctrl+Alt+F12");
    table.DeleteCommand(files[0].toLower());
    EXPECT_EQ(form->ListView->topLevelItem(0)->text(SongList::ShortcutColumn), "");
    EXPECT_TRUE(form->ListView->topLevelItem(0)->icon(SongList::NumberColumn).isNull());

    // Typing suspends the table once, however often the field reports.
    songs.Suspend(true);
    songs.Suspend(true);
    EXPECT_TRUE(table.Suspended());
    songs.Suspend(false);
    EXPECT_FALSE(table.Suspended());
}

} // namespace
