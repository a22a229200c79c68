// Category operations, the views that mirror DEFAULT, the tag scan, tag edits
// and the store's side of the plug-in requests.
#include "RecordingViews.h"
#include "TagFile.h"
#include "TempHome.h"
#include "OptionsStore.h"
#include "TOption.h"
#include "TPlay.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>

namespace {

QString WriteSong(const TempHome& home, const QString& name, const QByteArray& title) {
    TSongTag tag;
    SetTagBytes(tag.Title, title);
    tag.Genre = 3;
    return home.write(name, QByteArray(200, 'a') + TagBlocks(tag));
}

void Add(TPlay& play, int id, const QStringList& files) {
    ASSERT_TRUE(play.BeginAdd(id));
    for (const QString& file : files)
        play.AddFile(file);
    play.EndAdd();
}

} // namespace

TEST(Categories, BuiltInsAndNewCategories) {
    TempHome home;
    TPlay play;
    RecordingFileManager manager;
    play.SetFileManager(&manager);
    ASSERT_EQ(play.Categories().size(), 2);
    EXPECT_EQ(play.GetCategoryProp(0, TPlay::PropName), "DEFAULT");
    EXPECT_EQ(play.GetCategoryProp(0, TPlay::PropKind), 0);
    EXPECT_TRUE(play.GetCategoryProp(0, TPlay::PropFixed).toBool());
    EXPECT_FALSE(play.GetCategoryProp(0, TPlay::PropReadOnly).toBool());
    EXPECT_EQ(play.GetCategoryProp(1, TPlay::PropName), "TOPTEN");
    EXPECT_EQ(play.GetCategoryProp(1, TPlay::PropKind), 1);
    EXPECT_TRUE(play.GetCategoryProp(1, TPlay::PropReadOnly).toBool());

    const int user = play.AddCategory("Mine", 0);
    const int system = play.AddCategory("Theirs", 1);
    const int odd = play.AddCategory("Odd", 7); // any kind but 1 is a user category
    EXPECT_EQ(user, 2);
    EXPECT_EQ(play.GetCategoryProp(system, TPlay::PropReadOnly), true);
    EXPECT_EQ(play.GetCategoryProp(odd, TPlay::PropKind), 0);
    play.SetCategoryProp(user, TPlay::PropName, "Renamed");
    play.SetCategoryProp(user, TPlay::PropReadOnly, true);
    EXPECT_EQ(play.GetCategoryProp(user, TPlay::PropName), "Renamed");
    EXPECT_TRUE(play.GetCategoryProp(user, TPlay::PropReadOnly).toBool());

    // Ids are never reused.
    play.DeleteCategory(odd);
    EXPECT_EQ(play.AddCategory("Next", 0), 5);
    EXPECT_FALSE(play.GetCategoryProp(odd, TPlay::PropName).isValid());
    EXPECT_EQ(manager.events, (QStringList{"added 2 Mine 0", "added 3 Theirs 1", "added 4 Odd 0", "deleted 4",
                                           "added 5 Next 0"}));
}

TEST(Categories, SongsAreUniqueIgnoringCaseAndMoveAndDelete) {
    TempHome home;
    RecordingView view; // outlives the store it is registered with
    TPlay play;
    RecordingFileManager manager;
    play.RegisterListView(&view);
    Add(play, 0, {"/m/A.mp3", "/m/b.mp3", "/m/a.MP3", "/m/c.mp3"});
    EXPECT_EQ(play.Default().Count(), 3);
    EXPECT_EQ(play.IndexOfFile("/M/B.MP3", 0), 1);
    EXPECT_EQ(play.IndexOfFile("/m/z.mp3", 0), -1);

    manager.shown = 0;
    play.SetFileManager(&manager);
    play.MoveSong(0, 0, 2);
    EXPECT_EQ(play.Default().Song(2).FileName, "/m/A.mp3");
    EXPECT_EQ(play.IndexOfFile("/m/a.mp3", 0), 2);
    view.focused = 2;
    play.DeleteSong(0, 2, true);
    EXPECT_EQ(play.IndexOfFile("/m/a.mp3", 0), -1);
    // Gone from the duplicate check too: adding it again works.
    Add(play, 0, {"/m/a.mp3"});
    EXPECT_EQ(play.Default().Count(), 3);
    EXPECT_EQ(view.rows.size(), 3);
    EXPECT_TRUE(manager.events.contains("move 0 0 2"));
    EXPECT_TRUE(manager.events.contains("remove 0 2"));
    EXPECT_TRUE(manager.events.contains("append 0 2"));
    // Out-of-range requests change nothing.
    play.DeleteSong(0, 9, true);
    play.MoveSong(0, -1, 1);
    EXPECT_EQ(play.Default().Count(), 3);
}

TEST(ListViews, RegisterRenumberAndDetach) {
    TempHome home;
    const QString titled = WriteSong(home, "titled.mp3", "Song One");
    const QString untitled = WriteSong(home, "untitled.mp3", "");
    auto play = std::make_unique<TPlay>();
    Add(*play, 0, {titled, untitled});
    RecordingView view;
    play->SetCurrentIndex(1);
    play->RegisterListView(&view);
    EXPECT_EQ(view.rows, (QStringList{"1. Song One", "2. untitled.mp3"})); // tags were scanned by EndAdd
    EXPECT_EQ(view.focused, 1);

    // Renumber places CurrentIndex on the current song (absent: -1) and saves.
    play->Current().FileName = titled;
    play->DeleteSong(0, 0, false);
    EXPECT_EQ(view.rows, QStringList{"2. untitled.mp3"});
    play->Renumber(false);
    EXPECT_EQ(view.rows, QStringList{"1. untitled.mp3"});
    EXPECT_EQ(play->CurrentIndex(), -1);
    EXPECT_TRUE(QFile::exists(home.file("default.lst")));

    play.reset();
    EXPECT_TRUE(view.detached);
}

TEST(ListViews, RowShowsPathUntilTagIsRead) {
    TPlayItem item;
    item.FileName = "/music/x.mp3";
    EXPECT_EQ(ListRowText(4, item), "4. /music/x.mp3");
    item.TagRead = true;
    EXPECT_EQ(ListRowText(4, item), "4. x.mp3");
    SetTagBytes(item.Tag.Title, "\xB8\xE8"); // GB18030 bytes are decoded for display
    EXPECT_EQ(ListRowText(4, item), QString("4. ") + QChar(0x6B4C));
}

TEST(ListViews, TaggedSongsShowTheirTitleWhateverGenreByteTheTaggerWrote) {
    // 255 is what most taggers store when no genre is set; 200 is outside every list.
    TempHome home;
    QStringList files;
    QStringList expected;
    for (const int genre : {0, 8, 255, 200}) {
        TSongTag tag;
        SetTagBytes(tag.Title, "Title " + QByteArray::number(genre));
        tag.Genre = static_cast<quint8>(genre);
        files << home.write(QString("g%1.mp3").arg(genre), QByteArray(200, 'a') + TagBlocks(tag));
        expected << QString("%1. Title %2").arg(files.size()).arg(genre);
    }
    RecordingView view;
    TPlay play;
    play.RegisterListView(&view);
    Add(play, 0, files);
    EXPECT_EQ(view.rows, expected);
    EXPECT_EQ(play.DefaultRows(), expected);
    // The tag is read once: a later scan keeps what was read.
    play.ScanTags(0);
    EXPECT_EQ(view.rows, expected);
}

TEST(ListViews, NowPlayingRowFollowsTheCurrentIndex) {
    TempHome home;
    OptionsStore store(home.file("Options.ini"));
    TOption option(store);
    RecordingView view;
    TPlay play(&option);
    Add(play, 0, {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"});
    play.RegisterListView(&view);
    const int refills = view.refills;
    option.SetCurrentIndex(2); // the controller moves on
    EXPECT_EQ(view.focused, 2);
    play.SetCurrentIndex(0);
    EXPECT_EQ(view.focused, 0);
    option.SetCurrentIndex(-1);
    EXPECT_EQ(view.focused, -1);
    EXPECT_EQ(view.refills, refills) << "following the song does not refill the rows";
}

TEST(TagScan, ReadsUnreadTagsAndStopsWhenAsked) {
    TempHome home;
    TPlay play;
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files << WriteSong(home, QStringLiteral("s%1.mp3").arg(i), QByteArray("T") + QByteArray::number(i));
    RecordingFileManager manager; // keeps EndAdd from scanning
    play.SetFileManager(&manager);
    Add(play, 0, files);
    play.SetFileManager(nullptr);

    // A timer that fires during the scan clears the flag: the scan stops there.
    int ticks = 0;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (++ticks == 1) {
            EXPECT_TRUE(play.TagScanRunning());
            play.ScanTags(0); // a second scan while one runs returns at once
            play.StopTagScan();
        }
    });
    stopper.start(0);
    play.ScanTags(0);
    stopper.stop();
    EXPECT_FALSE(play.TagScanRunning());
    EXPECT_FALSE(play.Default().Song(4).TagRead);

    play.ScanTags(0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(play.Default().Song(i).TagRead);
        EXPECT_EQ(TagBytes(play.Default().Song(i).Tag.Title), QByteArray("T") + QByteArray::number(i));
    }
}

TEST(TagScan, SurvivesSongsAndCategoriesRemovedWhileItRuns) {
    // Events that run during the scan remove songs or the whole category.
    for (const bool deleteCategory : {false, true}) {
        TempHome home;
        TPlay play;
        const int id = play.AddCategory("Mine", 0);
        QStringList files;
        for (int i = 0; i < 6; ++i)
            files << WriteSong(home, QStringLiteral("s%1.mp3").arg(i), "x");
        Add(play, id, files);
        QTimer changer;
        changer.setSingleShot(true);
        QObject::connect(&changer, &QTimer::timeout, [&] {
            if (deleteCategory)
                play.DeleteCategory(id);
            else
                while (play.Category(id)->Count() > 1)
                    play.DeleteSong(id, play.Category(id)->Count() - 1, true);
        });
        changer.start(0);
        play.ScanTags(id);
        EXPECT_FALSE(play.TagScanRunning());
        EXPECT_FALSE(changer.isActive()) << "the change ran during the scan";
        if (deleteCategory)
            EXPECT_EQ(play.Category(id), nullptr);
        else
            EXPECT_EQ(play.Category(id)->Count(), 1);
    }
}

TEST(TagEdits, SetTagReachesEveryCopyAndTheCurrentSong) {
    TempHome home;
    const QString file = WriteSong(home, "song.mp3", "Old");
    RecordingView view; // outlives the store it is registered with
    TPlay play;
    play.RegisterListView(&view);
    const int mine = play.AddCategory("Mine", 0);
    Add(play, 0, {file});
    Add(play, mine, {file}); // the same file in a second category
    RecordingFileManager manager;
    manager.shown = mine;
    play.SetFileManager(&manager);
    play.Current().FileName = file;
    QSignalSpy current(&play, &TPlay::currentTagChanged);

    play.SetTag(file, "New Title", 200, "2024", "new.lrc", "a comment", "Album", "Artist");
    EXPECT_EQ(TagBytes(play.Default().Song(0).Tag.Title), "New Title");
    EXPECT_EQ(TagBytes(play.Category(mine)->Song(0).Tag.Artist), "Artist");
    EXPECT_EQ(TagBytes(play.Current().Tag.LyricsName), "new.lrc");
    EXPECT_EQ(play.Current().Tag.Genre, 200);
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(view.rows, QStringList{"1. New Title"});
    EXPECT_TRUE(manager.events.contains("changed 2 0"));
    // The file could be opened: written at once, nothing pending.
    EXPECT_TRUE(play.PendingTags().isEmpty());
    TSongTag onDisk;
    ASSERT_TRUE(ReadTag(file, onDisk));
    EXPECT_EQ(TagBytes(onDisk.Title), "New Title");
    EXPECT_EQ(TagBytes(onDisk.Year), "2024");
}

TEST(TagEdits, UnwritableTagStaysPendingAndNewestEditWins) {
    TempHome home;
    TPlay play;
    const QString missing = home.file("later.mp3"); // cannot be opened yet
    play.SetTag(missing, "First", 1, "", "", "", "", "");
    play.SetTag(missing.toUpper(), "Second", 2, "", "", "", "", "");
    EXPECT_FALSE(QFile::exists(missing)); // never created by the flush
    ASSERT_EQ(play.PendingTags().size(), 1);

    TSongTag tag; // the pending edit answers, whatever the tag held
    tag.Genre = 0;
    EXPECT_TRUE(play.GetTag(missing, tag));
    EXPECT_EQ(TagBytes(tag.Title), "Second");

    home.write("later.mp3", QByteArray(300, 'z'));
    play.WritePendingTags();
    EXPECT_TRUE(play.PendingTags().isEmpty());
    TSongTag onDisk;
    ASSERT_TRUE(ReadTag(missing, onDisk));
    EXPECT_EQ(TagBytes(onDisk.Title), "Second");
    EXPECT_EQ(onDisk.Genre, 2);
}

TEST(TagEdits, LongTextIsCutWithoutSplittingACharacter) {
    TempHome home;
    TPlay play;
    play.SetTag(home.file("none.mp3"), QString(20, QChar(0x6B4C)), 0, "20245", "", "", "", "");
    const TSongTag& tag = play.PendingTags().at(0).Tag;
    EXPECT_EQ(TagText(tag.Title), QString(10, QChar(0x6B4C))); // 30 bytes = 10 three-byte characters
    EXPECT_EQ(TagBytes(tag.Year), "2024");
}

TEST(PluginRequests, CreateDeleteClearAndAddFiles) {
    TempHome home;
    TPlay play;
    const int id = play.PluginCreateClass("Radio");
    EXPECT_EQ(play.GetCategoryProp(id, TPlay::PropName), "Radio");
    EXPECT_EQ(play.GetCategoryProp(id, TPlay::PropKind), 1);
    EXPECT_TRUE(play.GetCategoryProp(id, TPlay::PropReadOnly).toBool());

    // A plug-in may fill its own read-only category; the list stops at the first empty name.
    EXPECT_EQ(play.PluginAddFiles(id, {"/a.mp3", "", "/b.mp3"}), -1);
    EXPECT_EQ(play.Category(id)->Count(), 1);
    EXPECT_EQ(play.PluginAddFiles(0, {"/x.mp3", "/y.mp3"}), -1);
    EXPECT_EQ(play.Default().Count(), 2);
    EXPECT_EQ(play.PluginAddFiles(99, {"/x.mp3"}), 0); // no such category
    ASSERT_TRUE(play.BeginAdd(0));
    EXPECT_EQ(play.PluginAddFiles(0, {"/z.mp3"}), 0); // busy
    play.EndAdd();

    // The built-in categories are never cleared or deleted through these requests.
    for (int builtIn : {0, 1, -3, 99}) {
        play.PluginClearClass(builtIn);
        play.PluginDeleteClass(builtIn);
    }
    EXPECT_EQ(play.Categories().size(), 3);
    EXPECT_EQ(play.Default().Count(), 2);

    RecordingFileManager manager;
    manager.shown = id;
    play.SetFileManager(&manager);
    play.PluginClearClass(id);
    EXPECT_EQ(play.Category(id)->Count(), 0);
    EXPECT_TRUE(manager.events.contains(QStringLiteral("rebuilt %1").arg(id)));
    play.PluginDeleteClass(id);
    EXPECT_EQ(play.Category(id), nullptr);
}
