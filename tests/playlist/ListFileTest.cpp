// The list file "default.lst": exact bytes written, every way a read can end,
// and saves that fail without costing the library already on disk.
#include "ListFile.h"

#include "FifoGuard.h"
#include "ListBytes.h"
#include "TempHome.h"
#include "TPlay.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <sys/resource.h>

namespace {

void AddSongs(TPlay& play, int id, const QStringList& files) {
    ASSERT_TRUE(play.BeginAdd(id));
    for (const QString& file : files)
        play.AddFile(file);
    play.EndAdd();
}

QStringList FilesOf(const TPlayCategory& category) {
    QStringList files;
    for (const TPlayItem& item : category.Songs())
        files << item.FileName;
    return files;
}

} // namespace

TEST(ListFileSave, OnlyBuiltInCategoriesWriteDefaultAlone) {
    TempHome home;
    TPlay play;
    AddSongs(play, TPlay::kDefaultId, {"/music/a.mp3", "/music/b.mp3"});
    play.TopTen().Name = "TOPTEN"; // TOPTEN's songs are never written
    ASSERT_TRUE(play.SaveList(home.file("default.lst")));
    const QByteArray expected =
        ListBytes().magic().i32(0).i32(1).i32(2).entry("/music/a.mp3").entry("/music/b.mp3");
    EXPECT_EQ(home.read("default.lst"), expected);
}

TEST(ListFileSave, UserCategoriesAsBlocksSystemCategoriesNever) {
    TempHome home;
    TPlay play;
    AddSongs(play, TPlay::kDefaultId, {"/m/a.mp3"});
    const int rock = play.AddCategory("A category name well beyond thirty-two bytes", 0);
    AddSongs(play, rock, {"/m/b.mp3"});
    const int plugin = play.AddCategory("Plug-in", 1);
    play.Category(plugin)->ReadOnly = false;
    AddSongs(play, plugin, {"/m/c.mp3"});
    play.AddCategory("Jazz", 0);
    ASSERT_TRUE(play.SaveList(home.file("default.lst")));

    const QByteArray expected = ListBytes()
                                    .magic()
                                    .i32(0)
                                    .i32(3) // DEFAULT and two user categories
                                    .i32(1)
                                    .entry("/m/a.mp3")
                                    .name("A category name well beyond thir")
                                    .i32(0)
                                    .i32(1)
                                    .entry("/m/b.mp3")
                                    .name("Jazz")
                                    .i32(0)
                                    .i32(0);
    EXPECT_EQ(home.read("default.lst"), expected);

    // After a restart the long name comes back cut, the plug-in's category is gone.
    TPlay again;
    EXPECT_EQ(again.LoadList(home.file("default.lst")), ListLoaded);
    ASSERT_EQ(again.Categories().size(), 4);
    EXPECT_EQ(again.Categories()[2]->Name, "A category name well beyond thir");
    EXPECT_EQ(again.Categories()[3]->Name, "Jazz");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(again.Categories()[i]->Id, i); // ids equal positions at load time
}

TEST(ListFileSave, MultiByteNameIsCutOnACharacterBoundary) {
    TempHome home;
    TPlay play;
    play.AddCategory(QString(20, QChar(0x00E9)), 0); // 40 bytes of UTF-8
    ASSERT_TRUE(play.SaveList(home.file("default.lst")));
    TPlay again;
    again.LoadList(home.file("default.lst"));
    EXPECT_EQ(again.Categories()[2]->Name, QString(16, QChar(0x00E9)));
}

TEST(ListFileSave, PathBytesThatAreNotUtf8AreWrittenBackUnchanged) {
    TempHome home;
    const QByteArray gbk("/music/\xB8\xE8.mp3"); // not UTF-8
    const QByteArray file = ListBytes().magic().i32(0).i32(1).i32(1).entry(gbk);
    home.write("in.lst", file);
    TPlay play;
    ASSERT_EQ(play.LoadList(home.file("in.lst")), ListLoaded);
    ASSERT_TRUE(play.SaveList(home.file("out.lst")));
    EXPECT_EQ(home.read("out.lst"), file);
}

struct LoadCase {
    const char* what;
    QByteArray bytes;
    int result;
    QList<QPair<QString, QStringList>> categories; // beyond TOPTEN: name and files; DEFAULT first
    bool message;
};

class ListFileLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ListFileLoad, ReadsWhatTheFileHolds) {
    const LoadCase& c = GetParam();
    TempHome home;
    TPlay play;
    QStringList messages;
    play.SetMessageHandler([&](const QString& text) { messages << text; });
    // Loading replaces whatever the store held before.
    play.AddCategory("Old", 0);
    ASSERT_TRUE(play.BeginAdd(TPlay::kDefaultId));
    play.AddFile("/old.mp3");
    play.EndAdd();

    EXPECT_EQ(play.LoadList(home.write("default.lst", c.bytes)), c.result) << c.what;
    EXPECT_EQ(messages, c.message ? QStringList{"Invalid File."} : QStringList{}) << c.what;
    QList<TPlayCategory*> categories = play.Categories();
    ASSERT_EQ(categories.size(), c.categories.size() + 1) << c.what;
    EXPECT_EQ(FilesOf(*categories[0]), c.categories[0].second) << c.what;
    EXPECT_EQ(categories[1]->Name, "TOPTEN");
    for (int i = 1; i < c.categories.size(); ++i) {
        EXPECT_EQ(categories[i + 1]->Name, c.categories[i].first) << c.what;
        EXPECT_EQ(FilesOf(*categories[i + 1]), c.categories[i].second) << c.what;
    }
    for (const TPlayItem& song : categories[0]->Songs()) {
        EXPECT_EQ(song.Tag.Genre, 255);
        EXPECT_FALSE(song.Played || song.Failed || song.TagRead);
    }
}

const QByteArray kTwoBlocks = ListBytes()
                                  .magic()
                                  .i32(0)
                                  .i32(3)
                                  .i32(1)
                                  .entry("/d.mp3")
                                  .name("Rock")
                                  .i32(0)
                                  .i32(2)
                                  .entry("/r1.mp3")
                                  .entry("/r2.mp3")
                                  .name("Jazz")
                                  .i32(0)
                                  .i32(1)
                                  .entry("/j.mp3");

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFileLoad,
    ::testing::Values(
        LoadCase{"whole file",
                 kTwoBlocks,
                 ListLoaded,
                 {{"", {"/d.mp3"}}, {"Rock", {"/r1.mp3", "/r2.mp3"}}, {"Jazz", {"/j.mp3"}}},
                 false},
        LoadCase{"N = 1 reads DEFAULT only",
                 ListBytes().magic().i32(0).i32(1).i32(1).entry("/d.mp3").name("Rock").i32(0).i32(0),
                 ListLoaded,
                 {{"", {"/d.mp3"}}},
                 false},
        LoadCase{"wrong magic",
                 ListBytes().raw("[kelvando_lisx]").i32(0).i32(1).i32(0),
                 ListBadMagic,
                 {{"", {}}},
                 true},
        LoadCase{
            "header word not 0", ListBytes().magic().i32(7).i32(1).i32(0), ListBadHeader, {{"", {}}}, true},
        LoadCase{"shorter than the magic", QByteArray("[kel"), ListReadFailed, {{"", {}}}, false},
        LoadCase{"cut inside a path",
                 kTwoBlocks.left(kTwoBlocks.indexOf("/r2.mp3") + 3),
                 ListReadFailed,
                 {{"", {"/d.mp3"}}, {"Rock", {"/r1.mp3"}}},
                 false},
        LoadCase{"cut after a block's kind",
                 kTwoBlocks.left(kTwoBlocks.indexOf("Jazz") + 36),
                 ListReadFailed,
                 {{"", {"/d.mp3"}}, {"Rock", {"/r1.mp3", "/r2.mp3"}}, {"Jazz", {}}},
                 false},
        LoadCase{"cut inside a block's name",
                 kTwoBlocks.left(kTwoBlocks.indexOf("Jazz") + 10),
                 ListReadFailed,
                 {{"", {"/d.mp3"}}, {"Rock", {"/r1.mp3", "/r2.mp3"}}},
                 false},
        LoadCase{"path length past the end",
                 ListBytes().magic().i32(0).i32(1).i32(2).entry("/a.mp3").i32(0x7fffffff).raw("xy"),
                 ListReadFailed,
                 {{"", {"/a.mp3"}}},
                 false},
        LoadCase{"negative path length",
                 ListBytes().magic().i32(0).i32(1).i32(1).i32(-4).raw("abcd"),
                 ListReadFailed,
                 {{"", {}}},
                 false},
        LoadCase{"huge song count",
                 ListBytes().magic().i32(0).i32(1).i32(0x7fffffff).entry("/a.mp3"),
                 ListReadFailed,
                 {{"", {"/a.mp3"}}},
                 false},
        LoadCase{"huge category count",
                 ListBytes().magic().i32(0).i32(0x7fffffff).i32(0),
                 ListReadFailed,
                 {{"", {}}},
                 false},
        LoadCase{"zero byte ends a path",
                 ListBytes().magic().i32(0).i32(1).i32(1).entry(QByteArray("/a.mp3\0junk", 11)),
                 ListLoaded,
                 {{"", {"/a.mp3"}}},
                 false}));

TEST(ListFileLoad, MissingFileIsSilent) {
    TempHome home;
    TPlay play;
    bool told = false;
    play.SetMessageHandler([&](const QString&) { told = true; });
    EXPECT_EQ(play.LoadList(home.file("default.lst")), ListReadFailed);
    EXPECT_FALSE(told);
    EXPECT_EQ(play.Categories().size(), 2);
}

TEST(ListFileLoad, UnreadableListIsReportedAndKeptBesideTheFirstSave) {
    struct Case {
        const char* what;
        QByteArray bytes;
        bool told; // "Invalid File."
    } cases[] = {
        {"not a list file", "just some text, not a list", true},
        {"bad header word", ListBytes().magic().i32(7).i32(1).i32(0), true},
        {"cut short", ListBytes().magic().i32(0).i32(2).i32(2).entry("/keep/a.mp3").i32(40).raw("/keep/b"), false},
    };
    for (const Case& c : cases) {
        TempHome home;
        home.write("default.lst", c.bytes);
        TPlay play; // the list is read before anything can show a message
        play.LoadDefaultList();
        QStringList told;
        play.SetMessageHandler([&](const QString& text) { told << text; });
        EXPECT_EQ(told, c.told ? QStringList{"Invalid File."} : QStringList{}) << c.what;
        AddSongs(play, TPlay::kDefaultId, {"/new/a.mp3"});
        EXPECT_EQ(home.read("default.lst.bad"), c.bytes) << c.what;
        TPlay again;
        EXPECT_EQ(again.LoadDefaultList(), ListLoaded) << c.what;
        EXPECT_EQ(again.Default().Song(again.Default().Count() - 1).FileName, "/new/a.mp3") << c.what;
        // Only the first save keeps the old file.
        AddSongs(play, TPlay::kDefaultId, {"/new/b.mp3"});
        EXPECT_EQ(home.read("default.lst.bad"), c.bytes) << c.what;
        EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), (QStringList{"default.lst", "default.lst.bad"}))
            << c.what;
    }
}

TEST(ListFileLoad, FifoNamedLikeTheListDoesNotHangTheStart) {
    TempHome home;
    const QString fifo = MakeFifo(home.file("default.lst"));
    TPlay play;
    int result = ListLoaded;
    EXPECT_FALSE(BlocksOnFifo(fifo, [&] { result = play.LoadDefaultList(); }));
    EXPECT_EQ(result, ListReadFailed);
}

TEST(ListFileLoad, AnEarlierKeptListIsNotOverwritten) {
    TempHome home;
    home.write("default.lst.bad", "kept last time");
    home.write("default.lst", "damaged again");
    TPlay play;
    play.LoadDefaultList();
    AddSongs(play, TPlay::kDefaultId, {"/new/a.mp3"});
    EXPECT_EQ(home.read("default.lst.bad"), "kept last time");
    EXPECT_EQ(home.read("default.lst.bad.1"), "damaged again");
}

TEST(ListFileLoad, LongPathSpanningChunksReadsWhole) {
    const QByteArray path = "/" + QByteArray(3000, 'x') + ".mp3";
    const ListFileData data = ParseListFile(ListBytes().magic().i32(0).i32(1).i32(1).entry(path));
    ASSERT_EQ(data.result, ListLoaded);
    EXPECT_EQ(data.categories[0].paths, QList<QByteArray>{path});
}

// --- saves that fail keep the old file ---

class ListFileSaveFailure : public ::testing::Test {
protected:
    void SetUp() override {
        AddSongs(play, TPlay::kDefaultId, {"/old/a.mp3"});
        ASSERT_TRUE(play.SaveDefaultList());
        before = home.read("default.lst");
        ASSERT_FALSE(before.isEmpty());
    }
    TempHome home;
    TPlay play;
    QByteArray before;
};

TEST_F(ListFileSaveFailure, PathThatIsAFolderReportsFailure) {
    QDir().mkpath(home.file("folder.lst"));
    EXPECT_FALSE(play.SaveList(home.file("folder.lst")));
    EXPECT_FALSE(play.LastSaveError().isEmpty());
    EXPECT_TRUE(QFileInfo(home.file("folder.lst")).isDir());
}

TEST_F(ListFileSaveFailure, DiskFullDuringWriteLeavesOldFileIntact) {
    // A file-size limit makes the write fail part way, as a full disk would.
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QStringLiteral("/new/song-%1.mp3").arg(i);
    AddSongs(play, TPlay::kDefaultId, many);
    before = home.read("default.lst"); // the batch saved the library with all 201 songs
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    QSignalSpy failed(&play, &TPlay::listSaveFailed);
    const bool saved = play.SaveDefaultList();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(home.read("default.lst"), before);
    // No temporary file is left behind beside the list.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{"default.lst"});
}

TEST_F(ListFileSaveFailure, DefaultListThatIsAFolderAnnouncesFailure) {
    QFile::remove(home.file("default.lst"));
    QDir().mkpath(home.file("default.lst"));
    QSignalSpy failed(&play, &TPlay::listSaveFailed);
    QStringList told;
    play.SetMessageHandler([&](const QString& text) { told << text; });
    EXPECT_FALSE(play.SaveDefaultList());
    EXPECT_EQ(failed.count(), 1);
    ASSERT_EQ(told.size(), 1) << "the user is told";
    EXPECT_TRUE(told[0].startsWith("The play list could not be saved")) << told[0].toStdString();
    // Told once while saves keep failing, and again after one has succeeded.
    EXPECT_FALSE(play.SaveDefaultList());
    EXPECT_EQ(told.size(), 1);
    QDir().rmdir(home.file("default.lst"));
    EXPECT_TRUE(play.SaveDefaultList());
    QFile::remove(home.file("default.lst"));
    QDir().mkpath(home.file("default.lst"));
    EXPECT_FALSE(play.SaveDefaultList());
    EXPECT_EQ(told.size(), 2);
}
