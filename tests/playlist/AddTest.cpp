// Add batches: routing by extension, folder expansion, M3U import, duplicates,
// the busy and read-only refusals and the batch result.
#include "FifoGuard.h"
#include "M3uReader.h"
#include "RecordingViews.h"
#include "TempHome.h"
#include "TPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace {

QStringList FilesOf(const TPlayCategory& category) {
    QStringList files;
    for (const TPlayItem& item : category.Songs())
        files << item.FileName;
    return files;
}

TAddBatch AddAll(TPlay& play, const QStringList& paths, int id = TPlay::kDefaultId) {
    EXPECT_TRUE(play.BeginAdd(id));
    for (const QString& path : paths)
        play.AddFile(path);
    return play.EndAdd();
}

} // namespace

TEST(AddFolder, OwnFilesFirstByNameThenSubfoldersAndRouting) {
    TempHome home;
    const QString root = home.path() + "music/";
    for (const char* name :
         {"b.mp3", "A.mp3", "cover.jpg", "words.lrc", "look.eks", "other.eks", "plug.pis", "sub2/z.mp3",
          "sub1/y.mp3", "sub1/deeper/x.mp3", ".hidden/secret.mp3", "sub1/words2.lrc"})
        home.write("music/" + QString::fromLatin1(name), "x");
    TPlay play;
    const TAddBatch batch = AddAll(play, {home.path() + "music"});
    EXPECT_EQ(FilesOf(play.Default()),
              (QStringList{root + "A.mp3", root + "b.mp3", root + "cover.jpg", root + "sub1/y.mp3",
                           root + "sub1/deeper/x.mp3", root + "sub2/z.mp3"}));
    EXPECT_EQ(batch.Added, 6);
    EXPECT_EQ(batch.FirstAudioFile, root + "A.mp3");
    EXPECT_EQ(batch.FirstLrcFile, root + "words.lrc");
    EXPECT_EQ(batch.FirstSkinFile, root + "look.eks");
    EXPECT_EQ(batch.AddTarget, 0);
}

TEST(AddFolder, LinkBackToAParentDoesNotLoop) {
    TempHome home;
    home.write("music/a.mp3", "x");
    home.write("music/sub/b.mp3", "x");
    ASSERT_TRUE(QFile::link(home.path() + "music", home.path() + "music/sub/loop"));
    TPlay play;
    AddAll(play, {home.path() + "music"});
    EXPECT_EQ(FilesOf(play.Default()),
              (QStringList{home.path() + "music/a.mp3", home.path() + "music/sub/b.mp3"}));
}

TEST(AddFile, DuplicatesInOtherCaseAddNothingAndFirstAudioKeepsItsCase) {
    TempHome home;
    const QString file = home.write("Music/Song.MP3", "x");
    RecordingView view; // outlives the store it is registered with
    TPlay play;
    play.RegisterListView(&view);
    TAddBatch batch = AddAll(play, {file, home.path() + "music/song.mp3", " " + file + " "});
    EXPECT_EQ(FilesOf(play.Default()), QStringList{file});
    EXPECT_EQ(batch.Added, 1);
    EXPECT_EQ(batch.FirstAudioFile, file);

    // Missing files and stream addresses are songs too; a second batch notes its own first file.
    batch =
        AddAll(play, {home.path() + "MUSIC/SONG.mp3", "/nowhere/gone.mp3", "http://radio.example/stream"});
    EXPECT_EQ(batch.Added, 2);
    EXPECT_EQ(batch.FirstAudioFile, file); // resolved against the disk
    EXPECT_EQ(FilesOf(play.Default()),
              (QStringList{file, "/nowhere/gone.mp3", "http://radio.example/stream"}));
    EXPECT_EQ(view.rows.size(), 3);
    EXPECT_EQ(view.rows[1], "2. /nowhere/gone.mp3"); // no file, no tag read: the row keeps the full path
}

TEST(AddFile, EndAddSavesAndPlacesCurrentIndex) {
    TempHome home;
    TPlay play;
    play.Current().FileName = "/m/b.mp3";
    AddAll(play, {"/m/a.mp3", "/m/B.mp3"});
    EXPECT_EQ(play.CurrentIndex(), 1);
    TPlay again;
    EXPECT_EQ(again.LoadDefaultList(), 0);
    EXPECT_EQ(FilesOf(again.Default()), (QStringList{"/m/a.mp3", "/m/B.mp3"}));
}

TEST(AddBatch, BusyAndReadOnlyRefusals) {
    TempHome home;
    TPlay play;
    ASSERT_TRUE(play.BeginAdd(0));
    EXPECT_TRUE(play.AddBusy());
    EXPECT_FALSE(play.BeginAdd(0));
    EXPECT_EQ(play.AddFilesAsUser(0, {"/m/a.mp3"}), UserAddOutcome::Busy);
    play.EndAdd();
    EXPECT_FALSE(play.AddBusy());
    EXPECT_EQ(play.Default().Count(), 0);

    EXPECT_EQ(play.AddFilesAsUser(TPlay::kTopTenId, {"/m/a.mp3"}), UserAddOutcome::ReadOnly);
    const int plugin = play.AddCategory("Plug-in", 1);
    EXPECT_EQ(play.AddFilesAsUser(plugin, {"/m/a.mp3"}), UserAddOutcome::ReadOnly);
    EXPECT_EQ(play.TopTen().Count() + play.Category(plugin)->Count(), 0);
    EXPECT_FALSE(play.BeginAdd(42)); // no such category

    EXPECT_EQ(play.AddFilesAsUser(0, {"/m/a.mp3", "/m/b.mp3"}), UserAddOutcome::Added);
    EXPECT_EQ(play.Default().Count(), 2);
    play.AddFile("/m/outside.mp3"); // no batch open: ignored
    EXPECT_EQ(play.Default().Count(), 2);
}

TEST(AddBatch, BatchOpenedWhileTheTagScanRunsCannotChangeTheResult) {
    // A handed-over list runs from the event loop, which the tag scan of EndAdd lets run.
    TempHome home;
    TPlay play;
    const QString first = home.write("first.mp3", "x");
    const QString handed = home.write("handed.mp3", "y");
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(first);
    bool nestedOpened = false;
    QTimer::singleShot(0, [&] {
        nestedOpened = play.BeginAdd(TPlay::kDefaultId);
        if (nestedOpened) {
            play.AddFile(handed);
            play.EndAdd();
        }
    });
    const TAddBatch batch = play.EndAdd();
    EXPECT_FALSE(nestedOpened) << "batches do not nest";
    EXPECT_EQ(batch.FirstAudioFile, first);
    EXPECT_EQ(play.Batch().FirstAudioFile, first);
    EXPECT_FALSE(play.AddBusy());
}

TEST(AddFolder, FifoInAFolderOrNamedAsAListDoesNotHangTheBatch) {
    TempHome home;
    const QString song = home.write("music/a.mp3", "x");
    const QString fifo = MakeFifo(home.file("music/b.mp3"));
    const QString list = MakeFifo(home.file("list.m3u"));
    TPlay play;
    EXPECT_FALSE(BlocksOnFifo(fifo, [&] { AddAll(play, {home.file("music")}); })) << "the tag scan";
    // A FIFO is no song: playing it would leave the engine waiting for a writer.
    EXPECT_EQ(FilesOf(play.Default()), QStringList{song});
    EXPECT_FALSE(BlocksOnFifo(list, [&] { EXPECT_TRUE(ReadM3UFile(list).isEmpty()); }));
    EXPECT_FALSE(BlocksOnFifo(list, [&] { AddAll(play, {list}); }));
    EXPECT_EQ(play.Default().Count(), 1);
}

TEST(ImportM3U, LongListLetsEventsRunWhileItIsAdded) {
    TempHome home;
    QByteArray lines;
    for (int i = 0; i < 3000; ++i)
        lines += "/music/song-" + QByteArray::number(i) + ".mp3\n";
    const QString list = home.write("long.m3u", lines);
    TPlay play;
    int seenWhileAdding = -1;
    QTimer::singleShot(0, [&] {
        if (play.AddBusy())
            seenWhileAdding = play.Default().Count();
    });
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile(list);
    EXPECT_GT(seenWhileAdding, 0) << "the window was served while the list was read";
    EXPECT_LT(seenWhileAdding, 3000);
    play.EndAdd();
    EXPECT_EQ(play.Default().Count(), 3000);
}

TEST(ImportM3U, ListThatNamesItselfOrItsPartnerEnds) {
    TempHome home;
    home.write("a.mp3", "x");
    home.write("b.mp3", "x");
    home.write("self.m3u", "a.mp3\nself.m3u\n" + home.file("self.m3u").toUtf8() + "\nSELF.M3U\n");
    home.write("one.m3u", "one.m3u\ntwo.m3u\na.mp3\n");
    home.write("two.m3u", "one.m3u\nb.mp3\n");
    TPlay play;
    AddAll(play, {home.file("self.m3u")});
    EXPECT_EQ(FilesOf(play.Default()), QStringList{home.file("a.mp3")});
    TPlay pair;
    AddAll(pair, {home.file("one.m3u")});
    EXPECT_EQ(FilesOf(pair.Default()), (QStringList{home.file("b.mp3"), home.file("a.mp3")}));
}

TEST(ImportM3U, ExtendedListWithCommentsBlanksAndRelativePaths) {
    TempHome home;
    home.write("lists/sub/one.mp3", "x");
    home.write("lists/two.mp3", "x");
    home.write("lists/mix.m3u", "#EXTM3U\r\n#EXTINF:123,Artist - One\r\nsub/one.mp3\r\n\r\n   \r\n"
                                "#EXTINF:-1,Radio\r\nhttp://radio.example/live\r\n"
                                "sub\\..\\two.mp3\r\n/abs/three.mp3\r\n");
    TPlay play;
    RecordingFileManager manager; // no tag scan needed here
    play.SetFileManager(&manager);
    AddAll(play, {home.file("lists/mix.m3u")});
    EXPECT_EQ(FilesOf(play.Default()),
              (QStringList{home.file("lists/sub/one.mp3"), "http://radio.example/live",
                           home.file("lists/two.mp3"), "/abs/three.mp3"}));
}

TEST(ImportM3U, Utf8AndLegacyEncodings) {
    const QString song = QString::fromUtf8("/m/\xE6\xAD\x8C.mp3");
    // ".m3u8": UTF-8 (with or without a byte order mark).
    EXPECT_EQ(ParseM3U("\xEF\xBB\xBF/m/\xE6\xAD\x8C.mp3\n", true, "/x"), QStringList{song});
    // ".m3u" that is valid UTF-8 is read as UTF-8; otherwise as GB18030.
    EXPECT_EQ(ParseM3U("/m/\xE6\xAD\x8C.mp3\n", false, "/x"), QStringList{song});
    EXPECT_EQ(ParseM3U("/m/\xB8\xE8.mp3\n", false, "/x"), QStringList{song});
    EXPECT_EQ(ParseM3U("file:///m/a%20b.mp3\n", false, "/x"), QStringList{"/m/a b.mp3"});
    EXPECT_EQ(ParseM3U("file://\n/m/a.mp3\n", false, "/x"), QStringList{"/m/a.mp3"}); // no file named

    TempHome home;
    home.write(QString::fromUtf8("\xE6\xAD\x8C.mp3"), "x");
    home.write("list.m3u8", "\xE6\xAD\x8C.mp3\n");
    TPlay play;
    RecordingFileManager manager;
    play.SetFileManager(&manager);
    AddAll(play, {home.file("list.m3u8")});
    EXPECT_EQ(FilesOf(play.Default()), QStringList{home.path() + QString::fromUtf8("\xE6\xAD\x8C.mp3")});
}

TEST(AddBatch, FileManagerRefreshesInsteadOfTheStoresScan) {
    TempHome home;
    TPlay play;
    RecordingFileManager manager;
    manager.shown = 2;
    play.SetFileManager(&manager);
    const int mine = play.AddCategory("Mine", 0);
    AddAll(play, {"/m/a.mp3"}, mine);
    EXPECT_EQ(manager.events, (QStringList{"added 2 Mine 0", "append 2 0", "batch 2"}));
    EXPECT_FALSE(play.Category(mine)->Song(0).TagRead);
}
